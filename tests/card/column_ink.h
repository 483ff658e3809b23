#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

class VerticalColumn;

// The ink one character of a line adds to a column.
struct ColumnInk
{
    int pixels = 0;
    QRect box;
    QPointF centroid;
};

// Draws `line` up to and including character `index` in `column`, and up to
// the character before, and measures the difference.
ColumnInk CharacterInk(VerticalColumn &column, const QString &line, qsizetype index);

// The ink `after` has where `before` has none.
ColumnInk InkAdded(const QImage &before, const QImage &after);
