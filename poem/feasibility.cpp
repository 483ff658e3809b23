#include "poem/feasibility.h"

#include "poem/poem_patterns.h"
#include "poem/poem_rules.h"

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
        : season_(season), nightSet_(nightSet)
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
            const double share = shares_[position]->Share(candidates_[i]);
            if (share == 0.0)
                continue;
            tags_[position] = candidates_[i];
            Assign(position + 1, probability * share);
        }
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

} // namespace

SettingOutlook AssessSetting(const PhraseGroups &groups, int16_t season, bool nightSet)
{
    PhraseGroup emptyGroup;
    const TagShare emptyPhrase(emptyGroup);
    const TagShare word7C(groups.Word7C), word7D(groups.Word7D), word12(groups.Word12);
    OutlookSearch search(season, nightSet);
    for (const PoemPattern &pattern : kPoemPatterns) {
        const TagShare first(groups.*pattern.phrase1), second(groups.*pattern.phrase2),
            third(groups.*pattern.phrase3);
        const TagShare *twelve[5] = {&first, &second, &third, &word12, &emptyPhrase};
        const TagShare *sevenSeven[5] = {&first, &second, &third, &word7C, &word7D};
        search.AddShape(twelve, 1.0 / (4 * kEndingCount));
        search.AddShape(sevenSeven, (kEndingCount - 1.0) / (4 * kEndingCount));
    }
    return search.Result();
}

QString UnsatisfiableMessage(int16_t season, bool nightSet)
{
    return QStringLiteral("季語「%1」・「%2」の歌を作れる語句が、語句ファイル（WORD5.TXT・WORD7.TXT・"
                          "WORD12.TXT）にそろっていません。\n"
                          "設定変更で別の歌種を選ぶか、語句ファイルの語句とタグを見直してください。")
        .arg(SeasonName(season), PoemSetName(nightSet));
}
