#include "card/card_typeface.h"

#include <QFont>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

QString CardTypefaceName()
{
    return u"HG正楷書体-PRO"_s;
}

void RegisterCardTypeface()
{
    QFont::insertSubstitutions(
        CardTypefaceName(),
        {u"青柳衡山フォントT"_s, u"AoyagiKouzanFontT"_s, u"IPAex明朝"_s, u"IPAexMincho"_s, u"Noto Serif CJK JP"_s});
    QFont::insertSubstitutions(u"IPAex明朝"_s, {u"IPAexMincho"_s});
}
