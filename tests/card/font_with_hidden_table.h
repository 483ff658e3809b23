#pragma once

#include <QByteArray>
#include <QRawFont>
#include <QString>

// The font file's data with the table TABLE renamed (its last letter made
// 'A'): the tables stay in order, and the font no longer has that one. An
// empty font when the file cannot be read.
QRawFont FontWithHiddenTable(const QString &file, const QByteArray &table, qreal pixelSize);
