#pragma once

#include "card/card_printer.h"

class QWidget;

// Prints the card window's image on the default printer and follows the job;
// whatever keeps the card from the paper (no printer, a paused, refusing or
// full queue, a job that fails later) is told in a message box naming the
// printer and what to do. The card itself is never changed.
void PrintOnDefaultPrinter(QWidget &card, CardDrawing drawCard);
