#include "card/harfbuzz_face.h"

#include "card/font_file_face.h"

#include <QByteArray>

namespace {

// For a font that is in no file: HarfBuzz asks for each table by tag, and the
// raw font hands out a copy that the blob keeps alive while HarfBuzz holds it.
hb_blob_t *ReferenceTable(hb_face_t *, hb_tag_t tag, void *userData)
{
    const auto *rawFont = static_cast<const QRawFont *>(userData);
    const char name[4] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag)};
    auto *table = new QByteArray(rawFont->fontTable(QByteArray(name, 4).constData()));
    if (table->isEmpty()) {
        delete table;
        return nullptr;
    }
    return hb_blob_create(table->constData(), static_cast<unsigned>(table->size()), HB_MEMORY_MODE_READONLY, table,
                          [](void *data) { delete static_cast<QByteArray *>(data); });
}

} // namespace

HarfBuzzFace::HarfBuzzFace(const QRawFont &font)
    : rawFont_(font)
{
    face_ = FileFaceFor(rawFont_);
    if (!face_)
        face_ = hb_face_create_for_tables(ReferenceTable, &rawFont_, nullptr);
    const unsigned upem = hb_face_get_upem(face_);
    font_ = hb_font_create(face_);
    hb_font_set_scale(font_, int(upem), int(upem));
    scale_ = rawFont_.pixelSize() / upem;

    hb_codepoint_t ideographicSpace = 0;
    rowPitch_ = hb_font_get_nominal_glyph(font_, U'\u3000', &ideographicSpace)
        ? -hb_font_get_glyph_v_advance(font_, ideographicSpace) * scale_
        : rawFont_.pixelSize();
    if (rowPitch_ <= 0)
        rowPitch_ = rawFont_.pixelSize();
}

HarfBuzzFace::~HarfBuzzFace()
{
    hb_font_destroy(font_);
    hb_face_destroy(face_);
}

bool HarfBuzzFace::HasGlyph(char32_t c) const
{
    hb_codepoint_t glyph = 0;
    return hb_font_get_nominal_glyph(font_, c, &glyph) && glyph != 0;
}

HarfBuzzFace::VerticalGlyph HarfBuzzFace::ShapeVertical(char32_t c) const
{
    hb_buffer_t *buffer = hb_buffer_create();
    const uint32_t text = c;
    hb_buffer_add_utf32(buffer, &text, 1, 0, 1);
    hb_buffer_guess_segment_properties(buffer);
    hb_buffer_set_direction(buffer, HB_DIRECTION_TTB);
    hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
    const hb_feature_t features[] = {
        {HB_TAG('v', 'e', 'r', 't'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
        {HB_TAG('v', 'r', 't', '2'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    };
    hb_shape(font_, buffer, features, 2);

    unsigned count = 0;
    const hb_glyph_info_t *info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t *position = hb_buffer_get_glyph_positions(buffer, &count);
    VerticalGlyph shaped;
    if (count > 0) {
        hb_codepoint_t nominal = 0;
        hb_font_get_nominal_glyph(font_, c, &nominal);
        shaped.glyph = info[0].codepoint;
        shaped.verticalForm = shaped.glyph != nominal;
        // HarfBuzz measures upwards from the pen; the painter measures downwards.
        shaped.origin = QPointF(position[0].x_offset * scale_, -position[0].y_offset * scale_);
        shaped.advance = -position[0].y_advance * scale_;
        shaped.ink = Ink(shaped.glyph, shaped.origin);
    }
    hb_buffer_destroy(buffer);
    return shaped;
}

QPointF HarfBuzzFace::EmBoxCentre(const VerticalGlyph &glyph) const
{
    hb_position_t x = 0;
    hb_position_t y = 0;
    hb_font_get_glyph_v_origin(font_, glyph.glyph, &x, &y);
    // The vertical origin is the top centre of the em box, so the box's
    // centre lies half a row below it.
    return glyph.origin + QPointF(x * scale_, -y * scale_) + QPointF(0, glyph.advance / 2);
}

QRectF HarfBuzzFace::Ink(quint32 glyph, QPointF origin) const
{
    hb_glyph_extents_t extents{};
    if (!hb_font_get_glyph_extents(font_, glyph, &extents) || extents.width == 0 || extents.height == 0)
        return {};
    return QRectF(origin.x() + extents.x_bearing * scale_, origin.y() - extents.y_bearing * scale_,
                  extents.width * scale_, -extents.height * scale_);
}
