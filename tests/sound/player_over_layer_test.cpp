// The music player through the real command layer, with a recording
// sequencer in place of FluidSynth: what the device is asked to do.

#include "recording_sequencer.h"

#include "settings/shared_settings.h"
#include "sound/mci.h"
#include "sound/mci_error.h"
#include "sound/midi_player.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using Calls = std::vector<std::string>;

class PlayerOverLayer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous_ = QDir::currentPath();
        ASSERT_TRUE(temporary_.isValid());
        directory_ = QFileInfo(temporary_.path()).canonicalFilePath().toStdString() + "/with  spaces 曲";
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(directory_)));
        ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(directory_)));
        UseSequencerDevice(std::make_unique<RecordingSequencer>(script_));
    }
    void TearDown() override
    {
        // The device writes into script_, so it must go before the fixture does.
        UseSequencerDevice(std::make_unique<RecordingSequencer>(spare_));
        QDir::setCurrent(previous_);
    }
    std::string InDirectory(const std::string &file) const { return "open " + directory_ + "/" + file; }

    SequencerScript script_;
    SequencerScript spare_;
    QTemporaryDir temporary_;
    std::string directory_;
    QString previous_;
};

TEST_F(PlayerOverLayer, EachPieceClosesTheOneBeforeAndThePathSurvivesBlanks)
{
    PlayMidi(u"ge_open.mid"_s);
    PlayMidi(u"ge_bg1.mid"_s);

    // The first close finds nothing open and never reaches the device.
    EXPECT_EQ(script_.calls, (Calls{InDirectory("ge_open.mid"), "play", "close", InDirectory("ge_bg1.mid"), "play"}));
}

TEST_F(PlayerOverLayer, AfterThePieceEndsTheNextPoemStartsItsPiece)
{
    bgmFile = u"ge_bg2.mid"_s;
    PlayMidi(u"ge_open.mid"_s);
    script_.mode = SequencerMode::Playing;
    PlayBgmIfIdle();
    EXPECT_TRUE(IsMidiPlaying());

    script_.mode = SequencerMode::Stopped; // the opening piece has ended
    script_.calls.clear();
    PlayBgmIfIdle();

    EXPECT_EQ(script_.calls, (Calls{"mode", "close", InDirectory("ge_bg2.mid"), "play"}));
}

TEST_F(PlayerOverLayer, AFailedOpenLeavesNothingOpenAndTheNextPoemTriesAgain)
{
    script_.openResult = MCIERR_FILE_NOT_FOUND;
    bgmFile = u"ge_bg3.mid"_s;

    PlayMidi(u"ge_open.mid"_s);
    EXPECT_FALSE(IsMidiPlaying());
    PlayBgmIfIdle();

    // The play after each failed open fails in the layer, as does the status.
    EXPECT_EQ(script_.calls, (Calls{InDirectory("ge_open.mid"), InDirectory("ge_bg3.mid")}));
}

TEST_F(PlayerOverLayer, SwitchingOffClosesAndAClosedDeviceCountsAsIdle)
{
    PlayMidi(u"ge_bg4.mid"_s);
    script_.mode = SequencerMode::Playing;
    StopMidi();
    StopMidi();

    EXPECT_FALSE(IsMidiPlaying());
    EXPECT_EQ(script_.calls, (Calls{InDirectory("ge_bg4.mid"), "play", "close"}));
}

} // namespace
