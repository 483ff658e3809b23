// With no audio device the player and the wave sound stay silent, return at
// once and say why in one line on stderr, through the gieicho.sound logging
// category; nothing else reaches the terminal.
// This runs the program's own path: FluidSynth and SDL as they come up.

#include "midi_fixture.h"
#include "wave_fixture.h"
#include "write_file.h"

#include "sound/midi_player.h"
#include "sound/snd_play_sound.h"
#include "sound/sound_engine_module.h"
#include "sound/wave_player.h"

#include <QDir>
#include <QLoggingCategory>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class NoDevice : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSoundModuleFolder(QString::fromUtf8(GIEICHO_MODULE_FOLDER));
        previous_ = QDir::currentPath();
        ASSERT_TRUE(directory_.isValid());
        ASSERT_TRUE(QDir::setCurrent(directory_.path()));
        WriteFile("ge_open.mid", MidiMelody(4, 200));
        WriteFile("tobibrnd.wav", WaveTone(0.2));
    }
    void TearDown() override
    {
        StopMidi();
        QDir::setCurrent(previous_);
    }

    // Exactly one line, and that one ours.
    static void ExpectOneLineOfOurs(const std::string &stderrText)
    {
        const QStringList lines = QString::fromStdString(stderrText).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << stderrText;
        EXPECT_TRUE(lines[0].startsWith(QLatin1String("gieicho.sound: "))) << stderrText;
    }

    QTemporaryDir directory_;
    QString previous_;
};

TEST_F(NoDevice, MusicStaysSilentWithOneLineOnStderr)
{
    testing::internal::CaptureStderr();
    PlayMidi(u"ge_open.mid"_s);
    const bool playing = IsMidiPlaying();
    PlayMidi(u"ge_bg1.mid"_s); // missing as well
    PlayBgmIfIdle();
    StopMidi();
    const std::string said = testing::internal::GetCapturedStderr();
    if (playing)
        GTEST_SKIP() << "this machine has an audio device";

    ExpectOneLineOfOurs(said);
}

TEST_F(NoDevice, WaveSoundChangesNothingWithOneLineOnStderr)
{
    WavePlayer player;
    testing::internal::CaptureStderr();
    const bool started = player.Start("tobibrnd.wav");
    const std::string saidByPlayer = testing::internal::GetCapturedStderr();
    // The call by name plays on the engine module's own player, which warns once of its own.
    testing::internal::CaptureStderr();
    const bool startedByName = sndPlaySoundA("tobibrnd.wav", SND_ASYNC);
    const bool missingStarted = sndPlaySoundA("gone.wav", SND_ASYNC);
    const std::string saidByName = testing::internal::GetCapturedStderr();
    if (started)
        GTEST_SKIP() << "this machine has an audio device";

    EXPECT_FALSE(player.IsSounding());
    EXPECT_FALSE(startedByName);
    EXPECT_FALSE(missingStarted);
    ExpectOneLineOfOurs(saidByPlayer);
    ExpectOneLineOfOurs(saidByName);
}

// QT_LOGGING_RULES and the filter rules silence the category. The warnings
// were given once above, so a fresh process is needed to see the rule act.
TEST_F(NoDevice, LoggingRulesSilenceTheWarning)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QLoggingCategory::setFilterRules(u"gieicho.sound.warning=false"_s);
            WavePlayer player;
            const bool started = player.Start("tobibrnd.wav");
            std::exit(started ? 2 : 0);
        },
        testing::ExitedWithCode(0), "^$");
}

} // namespace
