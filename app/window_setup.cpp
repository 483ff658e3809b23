#include "app/window_setup.h"

#include "card/card_typeface.h"
#include "forms/japanese_translation.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>

using namespace Qt::Literals::StringLiterals;

void SetUpLaterWindows()
{
    InstallJapaneseTranslation();
    // Menus and dialogs read best in a plain Gothic face; without one named,
    // Japanese text would fall back to whatever face comes first, a brush face included.
    QFont interfaceFont = QApplication::font();
    interfaceFont.setFamilies({u"IPAexGothic"_s, u"IPAexゴシック"_s, u"Noto Sans CJK JP"_s, interfaceFont.family()});
    QApplication::setFont(interfaceFont);
    // Reading the face back matches it now, while the splash plays.
    QFontInfo(interfaceFont).family();
    RegisterCardTypeface();
}
