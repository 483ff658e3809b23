#pragma once

#include "card/card_printer.h"

class QPrinter;
class QWidget;

// Prints the window's client area on one page, centred, as large as a shikishi
// (24.2 × 27.2 cm) or the printable area allows, drawn at the printer's own
// resolution. False when the printer could not be started.
bool PrintCard(QWidget &card, QPrinter &printer, CardDrawing drawCard);
