#include "column_ink.h"

#include "card/vertical_column.h"

#include <QImage>
#include <QPainter>

namespace {

QImage Drawn(VerticalColumn &column, const QString &text)
{
    QImage image(column.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    column.setText(text);
    QPainter painter(&image);
    column.Draw(painter);
    return image;
}

} // namespace

ColumnInk CharacterInk(VerticalColumn &column, const QString &line, qsizetype index)
{
    const QImage before = Drawn(column, line.left(index));
    const QImage after = Drawn(column, line.left(index + 1));
    return InkAdded(before, after);
}

ColumnInk InkAdded(const QImage &before, const QImage &after)
{
    ColumnInk ink;
    QPointF sum;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            // Clearly darker than the paper, and not there before.
            if (qGray(after.pixel(x, y)) > 200 || qGray(before.pixel(x, y)) <= 200)
                continue;
            ++ink.pixels;
            sum += QPointF(x + 0.5, y + 0.5);
            ink.box |= QRect(x, y, 1, 1);
        }
    }
    if (ink.pixels)
        ink.centroid = sum / ink.pixels;
    return ink;
}
