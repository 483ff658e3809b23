#include "card/default_printer.h"

#include "card/card_printing.h"

DefaultPrinter::DefaultPrinter(CardDrawing drawCard)
    : drawCard_(drawCard)
{
}

void DefaultPrinter::PrintOnDefaultPrinter(QWidget &card)
{
    ::PrintOnDefaultPrinter(card, drawCard_);
}

extern "C" __attribute__((visibility("default"))) CardPrinter *GieichoMakeCardPrinter(CardDrawing drawCard)
{
    return new DefaultPrinter(drawCard);
}
