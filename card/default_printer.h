#pragma once

#include "card/card_printer.h"

// The printing module's printer: the print command of card/card_printing.h
// with the card library's drawing.
class DefaultPrinter final : public CardPrinter
{
public:
    explicit DefaultPrinter(CardDrawing drawCard);

    void PrintOnDefaultPrinter(QWidget &card) override;

private:
    CardDrawing drawCard_;
};
