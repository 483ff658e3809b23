#include "card/font_file_face.h"

#include <QByteArray>
#include <QHash>

#include <fontconfig/fontconfig.h>

#include <memory>
#include <utility>

namespace {

struct FontFile
{
    QByteArray path;
    int index = 0;
};

// Where fontconfig, which the platform's font database reads as well, has
// the font of this family and style.
FontFile FileOf(const QRawFont &font)
{
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), &FcPatternDestroy);
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8 *>(font.familyName().toUtf8().constData()));
    FcPatternAddString(pattern.get(), FC_STYLE,
                       reinterpret_cast<const FcChar8 *>(font.styleName().toUtf8().constData()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(FcFontMatch(nullptr, pattern.get(), &result),
                                                                        &FcPatternDestroy);
    FontFile file;
    FcChar8 *path = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch)
        return file;
    file.path = reinterpret_cast<const char *>(path);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &file.index);
    return file;
}

// The file holds the very font the raw font draws with when every table
// HarfBuzz shapes and measures with is the same in both (a font made from
// altered data may share the file's name and 'head' table, not its tables).
bool SameFont(hb_face_t *face, const QRawFont &font)
{
    static constexpr const char *kTables[] = {"head", "hhea", "maxp", "cmap", "GDEF", "GSUB",
                                              "GPOS", "vhea", "vmtx", "VORG", "loca"};
    for (const char *tag : kTables) {
        hb_blob_t *table = hb_face_reference_table(face, HB_TAG(tag[0], tag[1], tag[2], tag[3]));
        unsigned length = 0;
        const char *data = hb_blob_get_data(table, &length);
        const bool same = font.fontTable(tag) == QByteArray::fromRawData(data, qsizetype(length));
        hb_blob_destroy(table);
        if (!same)
            return false;
    }
    return true;
}

// The faces read so far, by file and index; each is let go when the program
// ends, so that none is left behind in HarfBuzz's hands.
struct FileFaces
{
    FileFaces() = default;
    FileFaces(const FileFaces &) = delete;
    FileFaces &operator=(const FileFaces &) = delete;
    ~FileFaces()
    {
        for (hb_face_t *face : std::as_const(byFile))
            hb_face_destroy(face);
    }

    QHash<QByteArray, hb_face_t *> byFile;
};

} // namespace

hb_face_t *FileFaceFor(const QRawFont &font)
{
    // Each face keeps its file mapped for the run: only the pages HarfBuzz
    // reads take memory, and they are the file's own, not a copy.
    static FileFaces faces;
    const FontFile file = FileOf(font);
    if (file.path.isEmpty())
        return nullptr;
    const QByteArray key = file.path + '#' + QByteArray::number(file.index);
    hb_face_t *&face = faces.byFile[key];
    if (!face) {
        hb_blob_t *blob = hb_blob_create_from_file_or_fail(file.path.constData());
        if (!blob)
            return nullptr;
        face = hb_face_create(blob, unsigned(file.index));
        hb_blob_destroy(blob);
        hb_face_make_immutable(face);
    }
    return SameFont(face, font) ? hb_face_reference(face) : nullptr;
}
