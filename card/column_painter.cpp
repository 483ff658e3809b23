#include "card/column_painter.h"

#include <QGlyphRun>
#include <QPainter>

namespace {

void PaintRun(QPainter &painter, const QRawFont &font, const QList<quint32> &glyphs, const QList<QPointF> &positions)
{
    if (glyphs.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(), run);
}

} // namespace

void PaintColumn(QPainter &painter, const ColumnLayout &layout, const FaceChain &faces, qreal centreX)
{
    // Upright glyphs go out in one run per stretch of the same face; a turned
    // glyph is drawn on its own, under a turned painter.
    QList<quint32> glyphs;
    QList<QPointF> positions;
    int runFace = -1;
    auto flush = [&] {
        if (runFace >= 0)
            PaintRun(painter, faces.Face(runFace).RawFont(), glyphs, positions);
        glyphs.clear();
        positions.clear();
    };
    for (const ColumnGlyph &glyph : layout.glyphs) {
        if (glyph.turned) {
            flush();
            painter.save();
            painter.translate(centreX + glyph.turnCentre.x(), glyph.turnCentre.y());
            painter.rotate(90);
            PaintRun(painter, faces.Face(glyph.face).RawFont(), {glyph.glyph}, {glyph.origin - glyph.turnCentre});
            painter.restore();
            continue;
        }
        if (glyph.face != runFace) {
            flush();
            runFace = glyph.face;
        }
        glyphs.append(glyph.glyph);
        positions.append(glyph.origin + QPointF(centreX, 0));
    }
    flush();
}
