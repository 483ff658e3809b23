#pragma once

#include <QImage>

class QPainter;
class QRectF;
class QWidget;

// Draws the window's client area into the target, centred and as large as
// it fits, at the painter's own resolution.
void DrawCard(QWidget &card, QPainter &painter, const QRectF &target);

// The window's client area drawn at the given scale.
QImage CardImage(QWidget &card, qreal scale);
