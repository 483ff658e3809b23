#include "poem/feasibility.h"
#include "poem/phrase_loader.h"

#include <array>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The phrase files we ship must load, hold near a full group of phrases with
// enough of every tag for each place, and serve all ten settings often enough
// that a poem never keeps the user waiting.
TEST(ShippedPhraseFiles, LoadAndSatisfyEverySetting)
{
    PhraseGroups groups;
    const auto error = LoadPhraseFiles(QString::fromUtf8(GIEICHO_SOURCE_DIR "/data"), groups);
    ASSERT_FALSE(error) << error->Message().toStdString();

    // Slot 0 is a label, so the last index is the number of drawable phrases.
    const auto all = groups.All();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const PhraseGroup &group = *all[i];
        const char *name = PhraseGroups::kNames[i];
        EXPECT_GE(group.last, 95) << name;
        EXPECT_LE(group.last, 100) << name;
        EXPECT_EQ(group.tags[0], Tag::None) << name << ": slot 0 is a label phrase";
        std::array<int, kTagCount> perTag{};
        for (int slot = 1; slot <= group.last; ++slot)
            ++perTag[static_cast<std::size_t>(group.tags[static_cast<std::size_t>(slot)])];
        EXPECT_GE(perTag[static_cast<std::size_t>(Tag::None)], 43) << name;
        EXPECT_GE(perTag[static_cast<std::size_t>(Tag::Amorous)], 20) << name;
        for (Tag season : {Tag::Spring, Tag::Summer, Tag::Autumn, Tag::Winter})
            EXPECT_GE(perTag[static_cast<std::size_t>(season)], 8) << name << " tag " << static_cast<int>(season);
    }
    for (bool nightSet : {false, true}) {
        for (int16_t season = 0; season <= 4; ++season) {
            const SettingOutlook outlook = AssessSetting(groups, season, nightSet);
            EXPECT_TRUE(outlook.possible) << season << nightSet;
            EXPECT_GE(outlook.acceptanceRate, 0.02) << "season " << season << " night " << nightSet;
        }
    }
}

} // namespace
