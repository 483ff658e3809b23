#include "fake_card.h"
#include "phrase_files.h"
#include "poem/composer.h"
#include "scripted_random.h"
#include "settings/shared_settings.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(DrawIndex, StaysInsideTheGroupForEveryLastIndex)
{
    struct Case
    {
        int16_t last;
        float r;
        int16_t slot;
    };
    const Case cases[] = {
        {-1, 0.0f, 1},
        {-1, 0.5f, 0},
        {-1, kLargestBelowOne, 0},
        {0, 0.0f, 1},
        {0, 0.5f, 1},
        {0, kLargestBelowOne, 1},
        {1, 0.0f, 1},
        {1, 0.5f, 1},
        {1, kLargestBelowOne, 1},
        {30, 0.0f, 1},
        {30, 0.5f, 16},
        {30, 0.999f, 30},
        {30, kLargestBelowOne, 30},
        {100, 0.0f, 1},
        {100, 0.5f, 51},
        {100, kLargestBelowOne, 100},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DrawIndex(c.r, c.last), c.slot) << "L=" << c.last << " r=" << c.r;
    for (int16_t n = 1; n <= 100; ++n)
        EXPECT_EQ(DrawIndex(kLargestBelowOne, n), n) << "the product must not round up to n";
}

TEST(BuiltInRandom, NeverReachesOne)
{
    SetRandomSource(nullptr);
    Randomize(12345);
    float largest = 0.0f;
    for (int i = 0; i < 1'000'000; ++i)
        largest = std::max(largest, Rnd());
    EXPECT_LT(largest, 1.0f);
    EXPECT_GT(largest, 0.999f);
}

struct CheckCase
{
    const char *name;
    int16_t season;
    bool nightSet;
    QStringList phrases;
    QStringList finished; // empty when the poem must be rejected
};

class CheckPoemRules : public testing::TestWithParam<CheckCase>
{
};

TEST_P(CheckPoemRules, AcceptsAndFinishesOrLeavesTheCallersPhrases)
{
    const CheckCase &c = GetParam();
    kigoType = c.season;
    enkaMode = c.nightSet;
    QStringList p = c.phrases;
    retryFlag = true;
    CheckPoem(p[0], p[1], p[2], p[3], p[4]);
    if (c.finished.isEmpty()) {
        EXPECT_TRUE(retryFlag);
        EXPECT_EQ(p, c.phrases);
    } else {
        EXPECT_FALSE(retryFlag);
        EXPECT_EQ(p, c.finished);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CheckPoemRules,
    testing::Values(
        CheckCase{"MorningNoSeasonNeutral",
                  0,
                  false,
                  {u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s},
                  {u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s}},
        CheckCase{"MorningRejectsAmorous", 0, false, {u"一;e"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s}, {}},
        CheckCase{"NoSeasonRejectsSeasonWord", 0, false, {u"一"_s, u"二"_s, u"三;f"_s, u"四"_s, u"五"_s}, {}},
        CheckCase{"NightSpringPasses",
                  1,
                  true,
                  {u"一;e"_s, u"二"_s, u"三;h"_s, u"四"_s, u"五;e"_s},
                  {u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s}},
        CheckCase{"NightNeedsTwoAmorous", 0, true, {u"一;e"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s}, {}},
        CheckCase{"NightRejectsThreeAmorous", 0, true, {u"一;e"_s, u"二;e"_s, u"三;e"_s, u"四"_s, u"五"_s}, {}},
        CheckCase{"TwoSpringWordsRejected", 1, false, {u"一;h"_s, u"二;h"_s, u"三"_s, u"四"_s, u"五"_s}, {}},
        CheckCase{"SeasonNeedsItsWord", 2, false, {u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s}, {}},
        CheckCase{"OtherSeasonRejected", 4, false, {u"一;f"_s, u"二;n"_s, u"三"_s, u"四"_s, u"五"_s}, {}},
        CheckCase{"OutOfRangeSeasonHasNoRule",
                  7,
                  false,
                  {u"一;h"_s, u"二;a"_s, u"三"_s, u"四"_s, u"五"_s},
                  {u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s}},
        CheckCase{"AnySemicolonEndingDropped",
                  0,
                  false,
                  {u"一;x"_s, u"二;;"_s, u";"_s, u"四"_s, u"五;E"_s},
                  {u"一"_s, u"二"_s, u";"_s, u"四"_s, u"五"_s}},
        CheckCase{"BareTagBecomesEmpty",
                  0,
                  true,
                  {u";e"_s, u"二;e"_s, u"三"_s, u"四"_s, u"五"_s},
                  {u""_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s}},
        CheckCase{"BreakInPhraseFourOnly",
                  3,
                  false,
                  {u"一@"_s, u"二"_s, u"三"_s, u"月@見る@;a"_s, u"@五"_s},
                  {u"一@"_s, u"二"_s, u"三"_s, u"月  見る  "_s, u"@五"_s}},
        CheckCase{"TwelveMoraWithEmptyFifth",
                  0,
                  false,
                  {u"一"_s, u"二"_s, u"三"_s, u"ひとり@寝る"_s, u""_s},
                  {u"一"_s, u"二"_s, u"三"_s, u"ひとり  寝る"_s, u""_s}}),
    [](const testing::TestParamInfo<CheckCase> &testCase) { return std::string(testCase.param.name); });

TEST(CheckPoemRules, SpringAndAutumnTogetherFailEverySeason)
{
    for (int16_t season = 0; season <= 4; ++season) {
        kigoType = season;
        enkaMode = false;
        QString p[5] = {u"花;h"_s, u"月;a"_s, u"三"_s, u"四"_s, u"五"_s};
        retryFlag = true;
        CheckPoem(p[0], p[1], p[2], p[3], p[4]);
        EXPECT_TRUE(retryFlag) << "season " << season;
    }
}

class ComposePoemTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Every group names itself in its phrases; slot 0 must never appear.
        const std::pair<PhraseGroup *, QString> groups[] = {
            {&phraseGroups.Word5A, u"5A"_s}, {&phraseGroups.Word5B, u"5B"_s}, {&phraseGroups.Word5C, u"5C"_s},
            {&phraseGroups.Word5D, u"5D"_s}, {&phraseGroups.Word7A, u"7A"_s}, {&phraseGroups.Word7B, u"7B"_s},
            {&phraseGroups.Word7C, u"7C"_s}, {&phraseGroups.Word7D, u"7D"_s}, {&phraseGroups.Word12, u"12"_s},
        };
        for (const auto &[group, name] : groups)
            FillGroup(*group, {name + u"-0"_s, name + u"-1"_s, name + u"-2"_s, name + u"-3;h"_s});
        SetSettingDefaults();
    }

    FakeCard card;
    ScriptedRandom random;
};

TEST_F(ComposePoemTest, DrawsPatternPhrasesEndingInOrder)
{
    // Pattern 3 (5B 7B 5C), phrases from slots 1, 2, 1, the seven-seven ending, slots 2 and 1.
    random.Push({0.5f, 0.0f, 0.34f, 0.1f, 0.5f, 0.5f, 0.2f});
    ComposePoem();
    EXPECT_EQ(random.draws, 7);
    EXPECT_EQ(card.poem, (QStringList{u"5B-1"_s, u"7B-2"_s, u"5C-1"_s, u"7C-2"_s, u"7D-1"_s}));
    EXPECT_EQ(card.calls, (QStringList{u"clear"_s, u"picture"_s, u"show"_s}));
}

TEST_F(ComposePoemTest, TwelveMoraEndingTakesSixDraws)
{
    // Pattern 4 (5C 7A 5D), ending 1: phrase 4 from Word12, phrase 5 empty.
    random.Push({0.9f, 0.0f, 0.0f, 0.0f, 0.1f, 0.6f});
    ComposePoem();
    EXPECT_EQ(random.draws, 6);
    EXPECT_EQ(card.poem, (QStringList{u"5C-1"_s, u"7A-1"_s, u"5D-1"_s, u"12-2"_s, u""_s}));
}

TEST_F(ComposePoemTest, RejectedAttemptsAreDrawnAgainAndClearTheCardEachTime)
{
    kigoType = 1;
    // First attempt: pattern 1 with two spring words (slot 3 twice): rejected.
    // Second: pattern 2, spring word only in phrase 5, which loses its tag.
    random.Push({0.0f, 0.9f, 0.9f, 0.0f, 0.5f, 0.0f, 0.0f});
    random.Push({0.3f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.9f});
    ComposePoem();
    EXPECT_EQ(random.draws, 14);
    EXPECT_FALSE(random.exhausted);
    EXPECT_EQ(card.poem, (QStringList{u"5A-1"_s, u"7A-1"_s, u"5D-1"_s, u"7C-1"_s, u"7D-3"_s}));
    EXPECT_EQ(card.calls, (QStringList{u"clear"_s, u"clear"_s, u"picture"_s, u"show"_s}));
}

TEST_F(ComposePoemTest, ImpossibleSettingTellsTheUserAndDrawsNothing)
{
    enkaMode = true; // no group holds an amorous phrase
    kigoType = 2;
    ComposePoem();
    EXPECT_EQ(random.draws, 0);
    EXPECT_EQ(card.calls, QStringList{u"failure"_s}) << "the poem on the card stays";
    EXPECT_TRUE(card.failure.contains(u"夏"_s));
    EXPECT_TRUE(card.failure.contains(u"夜の百人一首"_s));
}

} // namespace
