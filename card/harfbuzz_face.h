#pragma once

#include <QPointF>
#include <QRawFont>
#include <QRectF>

#include <hb.h>

// One face, as HarfBuzz sees it, read from the very font of a QRawFont (its
// file, or else its tables) so that shaping and drawing use the same glyphs. Lengths are in the raw font's
// pixels, with y growing downwards as on a painter.
class HarfBuzzFace
{
public:
    // One character set in a column: its glyph and where its pen origin lies
    // relative to the top of its row on the column's centre line.
    struct VerticalGlyph
    {
        quint32 glyph = 0;
        QPointF origin;
        qreal advance = 0; // the row's height
        QRectF ink; // relative to the row's top on the centre line
        bool verticalForm = false; // the face substituted a vertical alternate
    };

    explicit HarfBuzzFace(const QRawFont &font);
    ~HarfBuzzFace();
    HarfBuzzFace(const HarfBuzzFace &) = delete;
    HarfBuzzFace &operator=(const HarfBuzzFace &) = delete;

    const QRawFont &RawFont() const { return rawFont_; }

    // Whether the face maps the character to a glyph of its own.
    bool HasGlyph(char32_t c) const;

    // The character shaped top to bottom with the face's vertical alternates.
    VerticalGlyph ShapeVertical(char32_t c) const;

    // The centre of the glyph's ideographic em box, relative to the row's top
    // on the centre line: the point a turned glyph turns about.
    QPointF EmBoxCentre(const VerticalGlyph &glyph) const;

    // The height of a row holding a full-width character: the face's vertical
    // advance, one em where the face has no vertical metrics.
    qreal RowPitch() const { return rowPitch_; }

private:
    QRectF Ink(quint32 glyph, QPointF origin) const;

    QRawFont rawFont_;
    hb_face_t *face_ = nullptr;
    hb_font_t *font_ = nullptr;
    qreal scale_ = 1; // pixels per font unit
    qreal rowPitch_ = 0;
};
