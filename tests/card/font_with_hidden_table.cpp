#include "font_with_hidden_table.h"

#include <QFile>
#include <QtEndian>

QRawFont FontWithHiddenTable(const QString &file, const QByteArray &table, qreal pixelSize)
{
    QFile font(file);
    if (!font.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = font.readAll();
    const int tables = qFromBigEndian<quint16>(data.constData() + 4);
    for (int i = 0; i < tables; ++i) {
        char *tag = data.data() + 12 + qsizetype(16) * i;
        if (QByteArray(tag, 4) == table)
            tag[3] = 'A';
    }
    return QRawFont(data, pixelSize);
}
