#pragma once

#include <QImage>

class QPrinter;
class QWidget;

// Prints the window's client area on one page, centred, as large as a shikishi
// (24.2 × 27.2 cm) or the printable area allows, drawn at the printer's own
// resolution. False when the printer could not be started.
bool PrintCard(QWidget &card, QPrinter &printer);

// The window's client area drawn at the given scale.
QImage CardImage(QWidget &card, qreal scale);
