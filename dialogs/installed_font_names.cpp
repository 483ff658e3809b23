#include "dialogs/installed_font_names.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

QString FromFc(const FcChar8 *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text));
}

// A font's family names come with the language of each, in the same order.
// The Japanese one is shown when there is one, else the first.
QString ShownName(FcPattern *font)
{
    QString first;
    FcChar8 *name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        FcChar8 *language = nullptr;
        if (FcPatternGetString(font, FC_FAMILYLANG, i, &language) == FcResultMatch && FromFc(language) == u"ja")
            return FromFc(name);
        if (i == 0)
            first = FromFc(name);
    }
    return first;
}

} // namespace

QStringList InstalledFontNames()
{
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> all(FcPatternCreate(), FcPatternDestroy);
    const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> wanted(
        FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, nullptr), FcObjectSetDestroy);
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(FcFontList(nullptr, all.get(), wanted.get()),
                                                                        FcFontSetDestroy);

    QStringList shown;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        const QString name = ShownName(fonts->fonts[i]);
        if (!name.isEmpty())
            shown << name;
    }
    shown.removeDuplicates();
    shown.sort();
    return shown;
}
