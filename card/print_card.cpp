#include "card/print_card.h"

#include "forms/program_title.h"

#include <QPainter>
#include <QPrinter>

bool PrintCard(QWidget &card, QPrinter &printer, CardDrawing drawCard)
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
    drawCard(card, painter,
             QRectF(printable.center() - QPointF(shikishi.width() / 2, shikishi.height() / 2), shikishi));
    return painter.end();
}
