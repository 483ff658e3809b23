#include "card/card_output.h"

#include "card/vertical_column.h"
#include "forms/picture_box.h"
#include "forms/program_title.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

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

} // namespace

bool PrintCard(QWidget &card, QPrinter &printer)
{
    printer.setDocName(ProgramTitle());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF printable(0, 0, page.width(), page.height());
    const qreal dotsPerMm = printer.resolution() / 25.4;
    QSizeF shikishi(242 * dotsPerMm, 272 * dotsPerMm);
    shikishi = shikishi.boundedTo(printable.size());
    DrawCard(card, painter,
             QRectF(printable.center() - QPointF(shikishi.width() / 2, shikishi.height() / 2), shikishi));
    return painter.end();
}

QImage CardImage(QWidget &card, qreal scale)
{
    QImage image((QSizeF(card.size()) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawCard(card, painter, QRectF(image.rect()));
    return image;
}
