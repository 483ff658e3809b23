#include "poem/feasibility.h"

#include "poem/poem_patterns.h"
#include "poem/poem_rules.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// How the drawable slots of one group spread over the tags: a draw takes slot
// floor(r * L) + 1, so slots 1 to L for L >= 1, and an empty slot otherwise.
struct TagShare
{
    int counts[kTagCount] = {};
    int total = 0;

    explicit TagShare(const PhraseGroup &group)
    {
        if (group.last < 1) {
            counts[static_cast<int>(Tag::None)] = total = 1;
            return;
        }
        for (int slot = 1; slot <= group.last; ++slot)
            ++counts[static_cast<int>(group.tags[slot])];
        total = group.last;
    }

    double Share(Tag tag) const { return static_cast<double>(counts[static_cast<int>(tag)]) / total; }
};

// Tries every way of giving the five phrases one of the tags that can help a
// poem pass (neutral, amorous, the wanted season); another season never helps.
class OutlookSearch
{
public:
    OutlookSearch(int16_t season, bool nightSet)
        : season_(season)
        , nightSet_(nightSet)
    {
        candidates_[candidateCount_++] = Tag::None;
        if (nightSet)
            candidates_[candidateCount_++] = Tag::Amorous;
        if (SeasonTag(season) != Tag::None)
            candidates_[candidateCount_++] = SeasonTag(season);
    }

    // Adds one pattern-and-ending shape, taken with the given probability.
    void AddShape(const TagShare *const (&shares)[5], double shapeProbability)
    {
        shares_ = shares;
        shapeProbability_ = shapeProbability;
        Assign(0, 1.0);
    }

    SettingOutlook Result() const { return outlook_; }

private:
    void Assign(int position, double probability)
    {
        if (position == 5) {
            if (PassesRules(tags_, season_, nightSet_)) {
                outlook_.possible = true;
                outlook_.acceptanceRate += shapeProbability_ * probability;
            }
            return;
        }
        for (int i = 0; i < candidateCount_; ++i) {
            const double share = ShareOf(*shares_[position], candidates_[i]);
            if (share == 0.0)
                continue;
            tags_[position] = candidates_[i];
            Assign(position + 1, probability * share);
        }
    }

    // Without a season rule, a season phrase is as good as a neutral one.
    double ShareOf(const TagShare &share, Tag tag) const
    {
        if (tag != Tag::None || (season_ >= 0 && season_ <= 4))
            return share.Share(tag);
        return share.Share(Tag::None) + share.Share(Tag::Spring) + share.Share(Tag::Summer) + share.Share(Tag::Autumn)
            + share.Share(Tag::Winter);
    }

    int16_t season_;
    bool nightSet_;
    Tag candidates_[3] = {};
    int candidateCount_ = 0;
    Tag tags_[5] = {};
    const TagShare *const *shares_ = nullptr;
    double shapeProbability_ = 0.0;
    SettingOutlook outlook_;
};

// The tags among a group's drawable slots, one bit each.
unsigned DrawableTags(const PhraseGroup &group)
{
    if (group.last < 1)
        return 1u << static_cast<int>(Tag::None);
    unsigned tags = 0;
    for (int slot = 1; slot <= group.last; ++slot)
        tags |= 1u << static_cast<int>(group.tags[slot]);
    return tags;
}

// Whether the five positions can give exactly the amorous and season phrases
// asked for, each position one phrase of a tag it holds, none of another season.
bool ShapeCanPass(const unsigned (&tags)[5], int amorousWanted, Tag seasonWanted)
{
    const unsigned neutral = 1u << static_cast<int>(Tag::None);
    const unsigned amorous = 1u << static_cast<int>(Tag::Amorous);
    const unsigned season = seasonWanted == Tag::None ? 0 : 1u << static_cast<int>(seasonWanted);
    const int seasonCount = season ? 1 : 0;
    // reachable[a][s]: some choice so far has a amorous and s season phrases.
    bool reachable[3][2] = {{true, false}, {false, false}, {false, false}};
    for (unsigned held : tags) {
        bool next[3][2] = {};
        for (int a = 0; a <= amorousWanted; ++a) {
            for (int s = 0; s <= seasonCount; ++s) {
                if (!reachable[a][s])
                    continue;
                if (held & neutral)
                    next[a][s] = true;
                if ((held & amorous) && a < amorousWanted)
                    next[a + 1][s] = true;
                if ((held & season) && s < seasonCount)
                    next[a][s + 1] = true;
            }
        }
        std::copy(&next[0][0], &next[0][0] + 6, &reachable[0][0]);
    }
    return reachable[amorousWanted][seasonCount];
}

} // namespace

bool CanSatisfy(const PhraseGroups &groups, int16_t season, bool nightSet)
{
    const int amorousWanted = nightSet ? 2 : 0;
    // Outside 1 to 4 there is no season rule: season phrases count as neutral then.
    const bool seasonRule = season >= 0 && season <= 4;
    auto drawable = [&](const PhraseGroup &group) {
        unsigned tags = DrawableTags(group);
        if (!seasonRule) {
            const unsigned seasons = 0b111100;
            if (tags & seasons)
                tags = (tags & ~seasons) | 1u;
        }
        return tags;
    };
    const Tag wanted = seasonRule ? SeasonTag(season) : Tag::None;
    const unsigned word7C = drawable(groups.Word7C), word7D = drawable(groups.Word7D), word12 = drawable(groups.Word12);
    const unsigned emptyPhrase = 1u << static_cast<int>(Tag::None);
    for (const PoemPattern &pattern : kPoemPatterns) {
        const unsigned first = drawable(groups.*pattern.phrase1), second = drawable(groups.*pattern.phrase2),
                       third = drawable(groups.*pattern.phrase3);
        const unsigned sevenSeven[5] = {first, second, third, word7C, word7D};
        const unsigned twelve[5] = {first, second, third, word12, emptyPhrase};
        if (ShapeCanPass(sevenSeven, amorousWanted, wanted) || ShapeCanPass(twelve, amorousWanted, wanted))
            return true;
    }
    return false;
}

SettingOutlook AssessSetting(const PhraseGroups &groups, int16_t season, bool nightSet)
{
    PhraseGroup emptyGroup;
    const TagShare emptyPhrase(emptyGroup);
    const TagShare word7C(groups.Word7C), word7D(groups.Word7D), word12(groups.Word12);
    OutlookSearch search(season, nightSet);
    for (const PoemPattern &pattern : kPoemPatterns) {
        const TagShare first(groups.*pattern.phrase1), second(groups.*pattern.phrase2), third(groups.*pattern.phrase3);
        const TagShare *twelve[5] = {&first, &second, &third, &word12, &emptyPhrase};
        const TagShare *sevenSeven[5] = {&first, &second, &third, &word7C, &word7D};
        search.AddShape(twelve, 1.0 / (4 * kEndingCount));
        search.AddShape(sevenSeven, (kEndingCount - 1.0) / (4 * kEndingCount));
    }
    return search.Result();
}

QString UnsatisfiableMessage(int16_t season, bool nightSet)
{
    return u"季語「%1」・「%2」の歌を作れる語句が、語句ファイル（WORD5.TXT・WORD7.TXT・"
           "WORD12.TXT）にそろっていません。\n"
           "設定変更で別の歌種を選ぶか、語句ファイルの語句とタグを見直してください。"_s.arg(SeasonName(season),
                                                                                            PoemSetName(nightSet));
}
