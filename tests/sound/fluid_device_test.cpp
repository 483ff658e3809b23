// The FluidSynth sequencer through the command layer, with real audio output
// through SDL's dummy driver: real playback threads and clock, no sound card.

#include "eventually.h"
#include "midi_fixture.h"
#include "write_file.h"

#include "sound/fluid_sequencer.h"
#include "sound/mci_command_layer.h"
#include "sound/mci_error.h"
#include "sound/soundfont_search.h"

#include <QTemporaryDir>

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class FluidDevice : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // Before anything starts SDL in this process.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        engine_ = new FluidSynthEngine(StandardSoundFonts());
    }
    static void TearDownTestSuite()
    {
        delete engine_;
        engine_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(directory_.isValid()); }

    std::string MidiFile(const std::string &name, int noteCount, int noteMilliseconds)
    {
        std::string path = directory_.filePath(QString::fromStdString(name)).toStdString();
        WriteFile(path, MidiMelody(noteCount, noteMilliseconds));
        return path;
    }
    uint32_t Send(const std::string &command) { return layer_.Send(command.c_str(), reply_, sizeof reply_); }
    std::string Mode()
    {
        Send("Status Midi mode");
        return reply_;
    }
    static std::string OpenCommand(const std::string &path)
    {
        return "open \"" + path + "\" type sequencer alias Midi";
    }

    static FluidSynthEngine *engine_;
    QTemporaryDir directory_;
    FluidSequencer device_{*engine_};
    MciCommandLayer layer_{device_};
    char reply_[512] = {};
};

FluidSynthEngine *FluidDevice::engine_ = nullptr;

TEST_F(FluidDevice, PiecePlaysOnceThenStaysOpenAsStoppedAndLetsTheOutputGo)
{
    const std::string path = MidiFile("short.mid", 4, 100); // 0.3 s of notes
    ASSERT_EQ(Send(OpenCommand(path)), MCI_OK);
    EXPECT_EQ(Mode(), "stopped");

    const auto started = Clock::now();
    ASSERT_EQ(Send("play Midi"), MCI_OK);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_TRUE(device_.IsOutputRunning());

    ASSERT_TRUE(Eventually([&] { return Mode() == "stopped"; }, 30s));
    const auto stopped = Clock::now();
    // The output goes once the ringing is over, about three seconds on.
    EXPECT_TRUE(Eventually([&] { return !device_.IsOutputRunning(); }, 30s));
    // The player runs on its own clock: not before the notes are over, less
    // the 46 ms the synth renders ahead into the output's buffer; and not
    // while the last notes ring out, which takes longer than the notes.
    // Measured against the ringing, the check holds on a slow machine too.
    EXPECT_GE(stopped - started, 250ms);
    EXPECT_LT(stopped - started, Clock::now() - stopped) << "\"stopped\" came only with the end of the ringing";
    EXPECT_EQ(Mode(), "stopped") << "the device stays open after the end";
    EXPECT_EQ(Send("play Midi"), MCI_OK);
    EXPECT_EQ(Mode(), "stopped") << "play at the end plays nothing";

    EXPECT_EQ(Send("close Midi"), MCI_OK);
    EXPECT_EQ(Send("Status Midi mode"), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_STREQ(reply_, "");
}

TEST_F(FluidDevice, CloseLeavesTheSynthSilentAndTheNextPieceOpensOnTheSameSoundFont)
{
    const std::string longPiece = MidiFile("long.mid", 40, 500);
    ASSERT_EQ(Send(OpenCommand(longPiece)), MCI_OK);
    ASSERT_EQ(Send("play Midi"), MCI_OK);
    ASSERT_TRUE(Eventually([&] { return fluid_synth_get_active_voice_count(engine_->Synth()) > 0; }, 30s));

    EXPECT_EQ(Send("close Midi"), MCI_OK);
    ASSERT_TRUE(Eventually([&] { return !device_.IsOutputRunning(); }, 30s));
    // Nothing of the closed piece, notes or reverb, is left for the next one.
    float left[512], right[512];
    fluid_synth_write_float(engine_->Synth(), 512, left, 0, 1, right, 0, 1);
    float peak = 0;
    for (int i = 0; i < 512; ++i)
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    EXPECT_LT(peak, 1e-3f) << "louder than -60 dB";

    ASSERT_EQ(Send(OpenCommand(longPiece)), MCI_OK);
    ASSERT_EQ(Send("play Midi"), MCI_OK);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_EQ(fluid_synth_sfcount(engine_->Synth()), 1) << "the soundfont is loaded once for the run";
    EXPECT_EQ(Send("close Midi"), MCI_OK);
}

TEST_F(FluidDevice, CloseAllLetsTheSoundFontGoAndTheNextPieceLoadsItAgain)
{
    const std::string piece = MidiFile("long.mid", 40, 500);
    ASSERT_EQ(Send(OpenCommand(piece)), MCI_OK);
    ASSERT_EQ(Send("play Midi"), MCI_OK);
    ASSERT_TRUE(Eventually([&] { return fluid_synth_get_active_voice_count(engine_->Synth()) > 0; }, 2s));

    EXPECT_EQ(Send("close all"), MCI_OK);
    EXPECT_EQ(Send("Status Midi mode"), MCIERR_INVALID_DEVICE_NAME) << "the piece is closed";
    ASSERT_TRUE(Eventually([&] { return !device_.IsOutputRunning(); }, 5s));
    EXPECT_EQ(engine_->Synth(), nullptr) << "the synth and its soundfont are gone";
    EXPECT_EQ(Send("close all"), MCI_OK) << "with nothing open, too";
    ASSERT_TRUE(Eventually([&] { return !device_.IsOutputRunning(); }, 5s));

    ASSERT_EQ(Send(OpenCommand(piece)), MCI_OK);
    ASSERT_NE(engine_->Synth(), nullptr);
    EXPECT_EQ(fluid_synth_sfcount(engine_->Synth()), 1);
    ASSERT_EQ(Send("play Midi"), MCI_OK);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_TRUE(Eventually([&] { return fluid_synth_get_active_voice_count(engine_->Synth()) > 0; }, 2s))
        << "the reloaded soundfont sounds";
    EXPECT_EQ(Send("close Midi"), MCI_OK);
}

TEST_F(FluidDevice, ClosingRightAfterOpenOrPlayAndReopeningIsSafe)
{
    const std::string piece = MidiFile("piece.mid", 8, 200);
    for (int round = 0; round < 5; ++round) {
        ASSERT_EQ(Send(OpenCommand(piece)), MCI_OK);
        if (round % 2) {
            ASSERT_EQ(Send("play Midi"), MCI_OK);
        }
        ASSERT_EQ(Send("close Midi"), MCI_OK);
    }
    EXPECT_TRUE(Eventually([&] { return !device_.IsOutputRunning(); }, 30s));
}

struct BadFileCase
{
    const char *label;
    const char *name;
    const char *content; // nullptr: the file is not made
    uint32_t code;
};

class FluidDeviceBadFiles : public FluidDevice, public ::testing::WithParamInterface<BadFileCase>
{
};

TEST_P(FluidDeviceBadFiles, OpenFailsAndLeavesNothingOpen)
{
    const std::string path = directory_.filePath(QString::fromUtf8(GetParam().name)).toStdString();
    if (GetParam().content)
        WriteFile(path, std::vector<uint8_t>(GetParam().content, GetParam().content + std::strlen(GetParam().content)));

    EXPECT_EQ(Send(OpenCommand(path)), GetParam().code);
    EXPECT_EQ(Send("play Midi"), MCIERR_INVALID_DEVICE_NAME);
}

INSTANTIATE_TEST_SUITE_P(Files, FluidDeviceBadFiles,
                         ::testing::Values(BadFileCase{"Missing", "ge_bg9.mid", nullptr, MCIERR_FILE_NOT_FOUND},
                                           BadFileCase{"Directory", "", nullptr, MCIERR_FILE_NOT_FOUND},
                                           BadFileCase{"NotMidi", "words.mid", "RIFF and not a song at all",
                                                       MCIERR_INVALID_FILE}),
                         [](const auto &testCase) { return testCase.param.label; });

TEST(FluidEngine, NoSoundFontFailsTheOpenWithoutTouchingTheFile)
{
    QTemporaryDir directory;
    const std::string dangling = directory.filePath(u"default-GM.sf2"_s).toStdString();
    std::filesystem::create_symlink(directory.filePath(u"gone.sf2"_s).toStdString(), dangling);
    const std::string piece = directory.filePath(u"piece.mid"_s).toStdString();
    WriteFile(piece, MidiMelody(2, 100));

    FluidSynthEngine engine({dangling, "/nonexistent/TimGM6mb.sf2"});
    FluidSequencer device(engine);

    EXPECT_EQ(device.Open(piece), MCIERR_CANNOT_LOAD_DRIVER);
    EXPECT_EQ(device.Open(piece), MCIERR_CANNOT_LOAD_DRIVER);
    EXPECT_FALSE(engine.Problem().empty());
}

} // namespace
