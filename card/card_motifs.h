#pragma once

#include <QString>

// What is drawn on card picture 1 to 6, as an assistive tool names the card.
inline QString CardMotif(int cardIndex)
{
    using namespace Qt::Literals::StringLiterals;
    static const QString kMotifs[6] = {
        u"花咲く枝と小鳥"_s,       u"海の上の太陽と入道雲"_s, u"栗の実と栗のいが"_s,
        u"降る雪の中の雪だるま"_s, u"たなびく雲の下の山"_s,   u"きのこ"_s,
    };
    return cardIndex >= 1 && cardIndex <= 6 ? kMotifs[cardIndex - 1] : QString();
}
