#include "dialogs/japanese_font_names.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(JapaneseFontName, NeedsADoubleByteCharacterAndNoLeadingAtSign)
{
    struct Case
    {
        QString name;
        bool listed;
    };
    const Case cases[] = {
        // English names, whatever glyphs the font holds.
        {u"IPAexMincho"_s, false},
        {u"DejaVu Sans Mono 2"_s, false},
        {u""_s, false},
        // Kanji, kana and full-width forms are double-byte.
        {u"HG正楷書体-PRO"_s, true},
        {u"IPAex明朝"_s, true},
        {u"ＭＳ ゴシック"_s, true},
        {u"Ａｂｃ"_s, true},
        {u"Font\u3000A"_s, true},
        {u"ー"_s, true},
        // Half-width katakana are single-byte.
        {u"ｱｵﾔｷﾞ ｺｳｻﾞﾝ"_s, false},
        {u"ｶﾅ ABC"_s, false},
        // "@" first marks the vertical variant, whatever follows.
        {u"@ＭＳ 明朝"_s, false},
        {u"ＭＳ 明朝"_s, true},
        {u"@HG正楷書体-PRO"_s, false},
        {u"@"_s, false},
        // An "@" further on, or a full-width one first, does not.
        {u"a@明朝"_s, true},
        {u"＠明朝"_s, true},
        // No code page 932 form: Korean, a character outside the BMP, accented Latin.
        {u"한글"_s, false},
        {u"Font 한"_s, false},
        {u"𠮷"_s, false},
        {u"Café"_s, false},
        {u"𠮷野"_s, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsJapaneseFontName(c.name), c.listed) << c.name.toStdString();
}

} // namespace
