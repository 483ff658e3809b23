#include "app/start_up.h"
#include "forms/center_form.h"
#include "forms/program_end.h"
#include "settings/shared_settings.h"

#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Records the order of the steps; a step may end the program or fail.
class RecordedSteps final : public StartUpSteps
{
public:
    void SeedRandom() override { order << u"seed"_s; }
    void ShowSplash() override { order << u"splash"_s; }
    void PlayOpeningMusic() override { order << u"music"_s; }
    void ShowTitle() override
    {
        order << u"title"_s;
        if (titleClosedByUser)
            EndProgram();
    }
    bool LoadPhrases() override
    {
        order << u"load"_s;
        return loads;
    }
    void ShowSettings() override { order << (bgmOn ? u"settings(music on)"_s : u"settings"_s); }
    void OpenCard() override { order << u"card"_s; }
    void ComposeFirstPoem() override { order << u"poem"_s; }

    QStringList order;
    bool titleClosedByUser = false;
    bool loads = true;
};

TEST(StartUp, RunsEveryStepInOrder)
{
    RecordedSteps steps;
    bgmOn = false;
    Main(steps);
    EXPECT_EQ(steps.order,
              (QStringList{u"seed"_s, u"splash"_s, u"music"_s, u"title"_s, u"load"_s, u"settings(music on)"_s,
                           u"card"_s, u"poem"_s}));
    EXPECT_FALSE(ProgramEnding());
}

TEST(StartUpDeathTest, EndsBeforeTheSettingsWhenThePhrasesCannotLoad)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            RecordedSteps steps;
            steps.loads = false;
            Main(steps);
            const bool stopped = steps.order.last() == u"load"_s && ProgramEnding() && ProgramExitStatus() == 1;
            std::exit(stopped ? 3 : 1);
        },
        testing::ExitedWithCode(3), "");
}

TEST(StartUpDeathTest, ClosingTheTitleEndsBeforeLoading)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            RecordedSteps steps;
            steps.titleClosedByUser = true;
            Main(steps);
            std::exit(steps.order.last() == u"title"_s && ProgramExitStatus() == 0 ? 3 : 1);
        },
        testing::ExitedWithCode(3), "");
}

TEST(CenterForm, KeepsHalfTwipsAndGoesNegativeForLargeWindows)
{
    const CenteredPlace narrow = CenteredOnScreen(19200, 14400, 18900, 14099);
    EXPECT_FLOAT_EQ(narrow.left, 150.0f);
    EXPECT_FLOAT_EQ(narrow.top, 150.5f);
    const CenteredPlace wide = CenteredOnScreen(19200, 14400, 20000, 100);
    EXPECT_FLOAT_EQ(wide.left, -400.0f);
}

TEST(CenterForm, PutsAWindowInTheMiddleOfTheScreen)
{
    QWidget window;
    window.resize(200, 100);
    CenterForm(window);
    const QRect screen = window.screen()->geometry();
    EXPECT_NEAR(window.x(), (screen.width() - 200) / 2.0, 1);
    EXPECT_NEAR(window.y(), (screen.height() - 100) / 2.0, 1);
}

} // namespace
