#include "card/card_typeface.h"

#include <QFont>
#include <QStringList>

void RegisterCardTypeface()
{
    QFont::insertSubstitutions(QStringLiteral("HG正楷書体-PRO"),
                               {QStringLiteral("青柳衡山フォントT"), QStringLiteral("AoyagiKouzanFontT"),
                                QStringLiteral("IPAex明朝"), QStringLiteral("IPAexMincho"),
                                QStringLiteral("Noto Serif CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("IPAex明朝"), {QStringLiteral("IPAexMincho")});
}
