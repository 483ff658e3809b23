#include "poem/feasibility.h"
#include "poem/phrase_loader.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The phrase files we ship must load and serve all ten settings often enough
// that a poem never keeps the user waiting.
TEST(ShippedPhraseFiles, LoadAndSatisfyEverySetting)
{
    PhraseGroups groups;
    const auto error = LoadPhraseFiles(QString::fromUtf8(GIEICHO_SOURCE_DIR "/data"), groups);
    ASSERT_FALSE(error) << error->Message().toStdString();

    for (const PhraseGroup *group : groups.All()) {
        EXPECT_GE(group->last, 40);
        EXPECT_EQ(group->tags[0], Tag::None) << "slot 0 is a label phrase";
    }
    for (bool nightSet : {false, true}) {
        for (int16_t season = 0; season <= 4; ++season) {
            const SettingOutlook outlook = AssessSetting(groups, season, nightSet);
            EXPECT_TRUE(outlook.possible) << season << nightSet;
            EXPECT_GE(outlook.acceptanceRate, 0.01) << "season " << season << " night " << nightSet;
        }
    }
}

} // namespace
