#include "poem/poem_rules.h"

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
    case 0: return QStringLiteral("指定無し");
    case 1: return QStringLiteral("春");
    case 2: return QStringLiteral("夏");
    case 3: return QStringLiteral("秋");
    case 4: return QStringLiteral("冬");
    default: return QString::number(season);
    }
}

QString PoemSetName(bool nightSet)
{
    return nightSet ? QStringLiteral("夜の百人一首") : QStringLiteral("朝の百人一首");
}
