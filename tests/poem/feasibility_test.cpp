#include "fake_card.h"
#include "phrase_files.h"
#include "poem/composer.h"
#include "poem/feasibility.h"
#include "poem/random.h"
#include "settings/shared_settings.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The quick test the composer asks and the full assessment must agree.
bool Possible(const PhraseGroups &groups, int16_t season, bool nightSet)
{
    const bool quick = CanSatisfy(groups, season, nightSet);
    EXPECT_EQ(quick, AssessSetting(groups, season, nightSet).possible) << "season " << season << " night " << nightSet;
    return quick;
}

class Feasibility : public testing::Test
{
protected:
    void SetUp() override
    {
        for (PhraseGroup *group : groups.All())
            FillGroup(*group, {u"見出し"_s, u"一"_s, u"二"_s});
    }

    PhraseGroups groups;
};

TEST_F(Feasibility, NeutralDataServesOnlyTheMorningSetWithoutSeason)
{
    const SettingOutlook plain = AssessSetting(groups, 0, false);
    EXPECT_TRUE(plain.possible);
    EXPECT_DOUBLE_EQ(plain.acceptanceRate, 1.0);
    for (int16_t season = 1; season <= 4; ++season)
        EXPECT_FALSE(Possible(groups, season, false)) << season;
    EXPECT_FALSE(Possible(groups, 0, true));
}

TEST_F(Feasibility, NightSetNeedsAmorousPhrasesInTwoGroupsOfOneShape)
{
    FillGroup(groups.Word7D, {u"見出し"_s, u"恋;e"_s, u"愛;e"_s, u"一"_s});
    EXPECT_FALSE(Possible(groups, 0, true)) << "one group cannot give two phrases";

    // Word5B appears only in pattern 3, which never draws Word7D's partner Word7A.
    FillGroup(groups.Word5B, {u"見出し"_s, u"恋;e"_s});
    FillGroup(groups.Word7D, {u"見出し"_s, u"一"_s});
    FillGroup(groups.Word7A, {u"見出し"_s, u"恋;e"_s});
    EXPECT_FALSE(Possible(groups, 0, true)) << "Word5B and Word7A never meet";

    FillGroup(groups.Word5D, {u"見出し"_s, u"恋;e"_s, u"一"_s});
    const SettingOutlook outlook = AssessSetting(groups, 0, true);
    EXPECT_TRUE(outlook.possible) << "patterns 2 and 4 join Word7A and Word5D";
    EXPECT_GT(outlook.acceptanceRate, 0.0);
}

TEST_F(Feasibility, OnlyDrawableSlotsCount)
{
    FillGroup(groups.Word5A, {u"春;h"_s, u"一"_s});
    EXPECT_FALSE(Possible(groups, 1, false)) << "slot 0 is never drawn";
    FillGroup(groups.Word5A, {u"春;h"_s});
    EXPECT_FALSE(Possible(groups, 1, false)) << "a one-phrase group gives the empty phrase";
    FillGroup(groups.Word7C, {u"見出し"_s, u"春;h"_s});
    EXPECT_TRUE(Possible(groups, 1, false));
}

TEST_F(Feasibility, SeasonWordsAreNeutralForASeasonOutsideTheSettings)
{
    // Phrase 2 of every pattern is a spring word.
    FillGroup(groups.Word7A, {u"見出し"_s, u"春;h"_s});
    FillGroup(groups.Word7B, {u"見出し"_s, u"梅;h"_s});
    EXPECT_FALSE(Possible(groups, 0, false));
    EXPECT_TRUE(Possible(groups, 9, false));
}

TEST_F(Feasibility, AcceptanceRateMatchesWhatTheComposerDoes)
{
    FillGroup(groups.Word5C, {u"見出し"_s, u"春;h"_s, u"一"_s, u"二"_s});
    FillGroup(groups.Word7C, {u"見出し"_s, u"夏;n"_s, u"春;h"_s});
    FillGroup(groups.Word12, {u"見出し"_s, u"春;h"_s, u"一"_s, u"二"_s, u"三"_s});
    const SettingOutlook outlook = AssessSetting(groups, 1, false);
    ASSERT_TRUE(outlook.possible);

    phraseGroups = groups;
    SetSettingDefaults();
    kigoType = 1;
    SetRandomSource(nullptr);
    Randomize(7);
    FakeCard card;
    const int poems = 20000;
    for (int i = 0; i < poems; ++i)
        ComposePoem();
    const double attempts = card.calls.count(u"clear"_s);
    EXPECT_NEAR(poems / attempts, outlook.acceptanceRate, outlook.acceptanceRate * 0.03);
}

} // namespace
