#include "card/card_output.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace {

void DrawCard(QWidget &card, QPainter &painter, const QRectF &target)
{
    const qreal scale = std::min(target.width() / card.width(), target.height() / card.height());
    painter.save();
    painter.translate(target.center().x() - card.width() * scale / 2, target.center().y() - card.height() * scale / 2);
    painter.scale(scale, scale);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    // The widgets paint themselves through the scaled painter, so text and
    // picture come out at the target's resolution, not as a screen copy.
    card.render(&painter, QPoint(), QRegion(card.rect()), QWidget::DrawChildren);
    painter.restore();
}

} // namespace

bool PrintCard(QWidget &card, QPrinter &printer)
{
    printer.setDocName(QStringLiteral("戯詠帖"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF printable(0, 0, page.width(), page.height());
    const qreal dotsPerMm = printer.resolution() / 25.4;
    QSizeF shikishi(242 * dotsPerMm, 272 * dotsPerMm);
    shikishi = shikishi.boundedTo(printable.size());
    DrawCard(card, painter, QRectF(printable.center() - QPointF(shikishi.width() / 2, shikishi.height() / 2), shikishi));
    return painter.end();
}

QImage CardImage(QWidget &card, qreal scale)
{
    QImage image((card.size() * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawCard(card, painter, QRectF(image.rect()));
    return image;
}
