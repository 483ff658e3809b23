#include "poem/poem_rules.h"

using namespace Qt::Literals::StringLiterals;

Tag SeasonTag(int16_t season)
{
    switch (season) {
    case 1: return Tag::Spring;
    case 2: return Tag::Summer;
    case 3: return Tag::Autumn;
    case 4: return Tag::Winter;
    default: return Tag::None;
    }
}

bool PassesRules(const Tag (&tags)[5], int16_t season, bool nightSet)
{
    int counts[kTagCount] = {};
    for (Tag tag : tags)
        ++counts[static_cast<int>(tag)];

    if (counts[static_cast<int>(Tag::Amorous)] != (nightSet ? 2 : 0))
        return false;
    if (season < 0 || season > 4)
        return true;

    const Tag wanted = SeasonTag(season);
    for (Tag tag : {Tag::Spring, Tag::Summer, Tag::Autumn, Tag::Winter}) {
        const int count = counts[static_cast<int>(tag)];
        if (tag == wanted ? count != 1 : count != 0)
            return false;
    }
    return true;
}

QString SeasonName(int16_t season)
{
    switch (season) {
    case 0: return u"指定無し"_s;
    case 1: return u"春"_s;
    case 2: return u"夏"_s;
    case 3: return u"秋"_s;
    case 4: return u"冬"_s;
    default: return QString::number(season);
    }
}

QString PoemSetName(bool nightSet)
{
    return nightSet ? u"夜の百人一首"_s : u"朝の百人一首"_s;
}
