#pragma once

#include "card/column_layout.h"
#include "card/face_chain.h"

class QPainter;

// Draws a typeset column through any painter (a window, an image at any scale,
// a printer) as glyph outlines at the faces' own size, so every device shows
// the same shapes in the same places. `centreX` is the column's centre line.
void PaintColumn(QPainter &painter, const ColumnLayout &layout, const FaceChain &faces, qreal centreX);
