#include "card/vertical_typesetter.h"

#include "card/vertical_forms.h"

#include <QChar>

#include <optional>

namespace {

struct Choice
{
    int face = 0;
    HarfBuzzFace::VerticalGlyph glyph;
};

bool Visible(const HarfBuzzFace::VerticalGlyph &glyph)
{
    return !glyph.ink.isEmpty();
}

// The column's own face when it draws the character; otherwise the first face
// that draws it in a vertical form, or failing that the first that draws it
// at all. Where no face has it, the own face's missing-glyph box shows that
// something is there.
Choice ChooseFace(const FaceChain &faces, char32_t c)
{
    const HarfBuzzFace &own = faces.Face(0);
    const HarfBuzzFace::VerticalGlyph ownGlyph = own.ShapeVertical(c);
    if (own.HasGlyph(c) && Visible(ownGlyph))
        return {0, ownGlyph};
    std::optional<Choice> firstVisible;
    for (int i = 1; i < faces.Size(); ++i) {
        const HarfBuzzFace &face = faces.Face(i);
        if (!face.HasGlyph(c))
            continue;
        const HarfBuzzFace::VerticalGlyph glyph = face.ShapeVertical(c);
        if (!Visible(glyph))
            continue;
        if (glyph.verticalForm || !HasVerticalForm(c))
            return {i, glyph};
        if (!firstVisible)
            firstVisible = Choice{i, glyph};
    }
    return firstVisible ? *firstVisible : Choice{0, ownGlyph};
}

// Moves a glyph so that the centre of its ink lands on `centre`.
void MoveInkTo(HarfBuzzFace::VerticalGlyph &glyph, QPointF centre)
{
    const QPointF shift = centre - glyph.ink.center();
    glyph.origin += shift;
    glyph.ink.translate(shift);
}

} // namespace

VerticalTypesetter::VerticalTypesetter(std::shared_ptr<const FaceChain> faces)
    : faces_(std::move(faces))
{
}

void VerticalTypesetter::Update(ColumnLayout &layout, const QString &text) const
{
    // A cut inside a surrogate pair leaves half a character to set again.
    const bool extends = text.startsWith(layout.text) && !(layout.text.size() && layout.text.back().isHighSurrogate());
    if (!extends)
        layout = ColumnLayout();
    for (char32_t c : QStringView(text).mid(layout.text.size()).toUcs4())
        Append(layout, c);
    layout.text = text;
}

void VerticalTypesetter::Append(ColumnLayout &layout, char32_t c) const
{
    const qreal top = layout.bottom;
    const qreal pitch = faces_->Face(0).RowPitch();
    if (c == U' ') {
        layout.rows.push_back({top, pitch / 2});
        layout.bottom += pitch / 2;
        return;
    }
    if (QChar::isSpace(c) || QChar::category(c) == QChar::Other_Control) {
        layout.rows.push_back({top, pitch});
        layout.bottom += pitch;
        return;
    }

    // The reveal writes the long-vowel mark as "｜", the stroke a column of
    // stacked horizontal type needs; vertical type draws the mark itself in
    // its vertical form (the vertical form of "｜" would lie across the column).
    if (c == U'｜')
        c = U'ー';
    Choice choice = ChooseFace(*faces_, c);
    const HarfBuzzFace &face = faces_->Face(choice.face);
    HarfBuzzFace::VerticalGlyph &glyph = choice.glyph;
    ColumnGlyph placed;
    if (!glyph.verticalForm && HasVerticalForm(c)) {
        // The face has no vertical alternate: set it as vertical type would.
        const char32_t form = VerticalPresentationForm(c);
        const HarfBuzzFace::VerticalGlyph presentation =
            form && face.HasGlyph(form) ? face.ShapeVertical(form) : HarfBuzzFace::VerticalGlyph();
        if (Visible(presentation)) {
            glyph.glyph = presentation.glyph;
            glyph.origin = presentation.origin;
        } else if (TurnsInColumn(c)) {
            placed.turned = true;
            placed.turnCentre = face.EmBoxCentre(glyph) + QPointF(0, top);
        } else if (SitsUpperRight(c)) {
            const bool punctuation = c == U'、' || c == U'。' || c == U'，';
            MoveInkTo(glyph,
                      punctuation ? QPointF(glyph.advance * 0.25, glyph.advance * 0.25)
                                  : QPointF(glyph.advance * 0.08, glyph.advance * 0.42));
        }
    }
    placed.face = choice.face;
    placed.glyph = glyph.glyph;
    placed.origin = glyph.origin + QPointF(0, top);
    layout.glyphs.push_back(placed);
    const qreal height = glyph.advance > 0 ? glyph.advance : pitch;
    layout.rows.push_back({top, height});
    layout.bottom += height;
}
