#pragma once

class QPainter;
class QRectF;
class QWidget;

// How the printing draws the card: the card window's own drawing, handed to
// the printing module, which has no copy of the card's controls.
using CardDrawing = void (*)(QWidget &card, QPainter &painter, const QRectF &target);

// The print command's work, done by the printing module (Qt's printing and
// the print server's client library), which the program loads when a card is
// first printed.
class CardPrinter
{
public:
    virtual ~CardPrinter() = default;

    // Prints the card window's image on the default printer and follows the
    // job; whatever keeps the card from the paper is told in a message box
    // naming the printer and what to do. The card itself is never changed.
    virtual void PrintOnDefaultPrinter(QWidget &card) = 0;
};

// The module's one entry point, found by this name; the caller owns the printer.
extern "C" CardPrinter *GieichoMakeCardPrinter(CardDrawing drawCard);
inline constexpr char kMakeCardPrinterSymbol[] = "GieichoMakeCardPrinter";
