#include "card/card_output.h"

#include "card/vertical_column.h"
#include "forms/picture_box.h"

#include <QPainter>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

void DrawCard(QWidget &card, QPainter &painter, const QRectF &target)
{
    const qreal scale = std::min(target.width() / card.width(), target.height() / card.height());
    painter.save();
    painter.translate(target.center().x() - card.width() * scale / 2, target.center().y() - card.height() * scale / 2);
    painter.scale(scale, scale);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.setClipRect(card.rect());
    // Each control draws itself through the scaled painter, in stacking
    // order, so text stays text and the picture is scaled once, at the
    // target's resolution.
    for (QObject *child : card.children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isHidden())
            continue;
        painter.save();
        painter.translate(widget->pos());
        if (auto *picture = qobject_cast<PictureBox *>(widget))
            picture->Draw(painter);
        else if (auto *column = qobject_cast<VerticalColumn *>(widget))
            column->Draw(painter);
        painter.restore();
    }
    painter.restore();
}

QImage CardImage(QWidget &card, qreal scale)
{
    QImage image((QSizeF(card.size()) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawCard(card, painter, QRectF(image.rect()));
    return image;
}
