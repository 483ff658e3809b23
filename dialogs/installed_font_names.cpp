#include "dialogs/installed_font_names.h"

#include <QFont>
#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

struct FontFamilies
{
    QStringList names;
    QStringList languages; // of each name, as far as the font tells them
};

FontFamilies FamiliesOf(FcPattern *font)
{
    FontFamilies families;
    FcChar8 *value = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &value) == FcResultMatch; ++i)
        families.names << QString::fromUtf8(reinterpret_cast<const char *>(value));
    for (int i = 0; FcPatternGetString(font, FC_FAMILYLANG, i, &value) == FcResultMatch; ++i)
        families.languages << QString::fromUtf8(reinterpret_cast<const char *>(value));
    return families;
}

// The Japanese name when the font has one, else the first.
qsizetype ShownNameIndex(const FontFamilies &families)
{
    const qsizetype japanese = families.languages.indexOf(u"ja");
    return japanese >= 0 && japanese < families.names.size() ? japanese : 0;
}

} // namespace

QStringList InstalledFontNames()
{
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> all(FcPatternCreate(), FcPatternDestroy);
    const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> wanted(
        FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, nullptr), FcObjectSetDestroy);
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(nullptr, all.get(), wanted.get()), FcFontSetDestroy);

    QStringList shown;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        const FontFamilies families = FamiliesOf(fonts->fonts[i]);
        if (families.names.isEmpty())
            continue;
        const qsizetype index = ShownNameIndex(families);
        shown << families.names[index];
        if (index != 0)
            QFont::insertSubstitution(families.names[index], families.names[0]);
    }
    shown.removeDuplicates();
    shown.sort();
    return shown;
}
