#pragma once

#include "card/card_printer.h"

// The printing module's printer: the card drawn into a PDF file at the
// default printer's resolution and handed to its queue, whose answer, and the
// job's end, reach the user.
class DefaultPrinter final : public CardPrinter
{
public:
    explicit DefaultPrinter(CardDrawing drawCard);

    void PrintOnDefaultPrinter(QWidget &card) override;

private:
    CardDrawing drawCard_;
};
