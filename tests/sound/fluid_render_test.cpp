// The engine's synth renders a piece, without any audio device, into memory
// while a MIDI player runs on it: the audio must be sound, not silence, and
// last as long as the piece.
//
// FluidSynth's player reports the end three seconds after the last event,
// and later still while a koto or a drum is ringing; the checks allow for
// that.

#include "midi_fixture.h"
#include "midi_length.h"

#include "sound/fluid_synth_engine.h"
#include "sound/piece_end.h"
#include "sound/soundfont_search.h"

#include <QTemporaryDir>

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kSampleRate = 44100;
constexpr int kBlockFrames = 512;
constexpr double kPlayerEndWait = 3.0;
// The longest the player waits beyond that for voices still sounding.
constexpr double kRingOut = 3.0;
// -80 dB: below this a sample counts as silence.
constexpr float kSilence = 1e-4f;

struct Rendering
{
    double seconds = 0; // until the player reported its end
    double audibleEnd = 0; // the last sample above silence
    float peak = 0;
    double rms = 0;
};

Rendering Render(FluidSynthEngine &engine, const std::vector<uint8_t> &midi, double limitSeconds)
{
    fluid_synth_t *synth = engine.Synth();
    fluid_player_t *player = new_fluid_player(synth);
    fluid_player_add_mem(player, midi.data(), midi.size());
    fluid_player_play(player);

    Rendering result;
    std::vector<float> left(kBlockFrames), right(kBlockFrames);
    double sumOfSquares = 0;
    long frames = 0;
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && frames < limitSeconds * kSampleRate) {
        fluid_synth_write_float(synth, kBlockFrames, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < kBlockFrames; ++i) {
            const float loudest = std::max(std::fabs(left[i]), std::fabs(right[i]));
            result.peak = std::max(result.peak, loudest);
            if (loudest > kSilence)
                result.audibleEnd = double(frames + i + 1) / kSampleRate;
            sumOfSquares += double(left[i]) * left[i] + double(right[i]) * right[i];
        }
        frames += kBlockFrames;
    }
    delete_fluid_player(player);
    fluid_synth_system_reset(synth);
    result.seconds = double(frames) / kSampleRate;
    result.rms = frames ? std::sqrt(sumOfSquares / (2.0 * frames)) : 0;
    return result;
}

void ExpectLength(const Rendering &r, double pieceSeconds)
{
    EXPECT_GT(r.seconds, pieceSeconds + kPlayerEndWait - 0.1);
    EXPECT_LT(r.seconds, pieceSeconds + kPlayerEndWait + kRingOut);
    EXPECT_GT(r.audibleEnd, pieceSeconds - 0.05) << "the piece falls silent before its end";
    EXPECT_LT(r.audibleEnd, pieceSeconds + kPlayerEndWait + kRingOut);
}

class FluidRender : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        engine_ = new FluidSynthEngine(StandardSoundFonts());
        ASSERT_TRUE(engine_->Load()) << engine_->Problem();
    }
    static void TearDownTestSuite()
    {
        delete engine_;
        engine_ = nullptr;
    }
    static FluidSynthEngine *engine_;
};

FluidSynthEngine *FluidRender::engine_ = nullptr;

// The length oracle is checked against a piece whose length is known.
TEST(MidiLength, FollowsTheTempoChange)
{
    // Four notes of 250 ms, then four at double speed.
    EXPECT_NEAR(MidiLengthSeconds(MidiMelody(8, 250)), 4 * 0.25 + 4 * 0.125, 1e-9);
    EXPECT_LT(MidiLengthSeconds({'R', 'I', 'F', 'F'}), 0);
}

TEST_F(FluidRender, GeneratedPieceSoundsForItsLength)
{
    const std::vector<uint8_t> midi = MidiMelody(12, 200);

    const Rendering r = Render(*engine_, midi, 30);

    EXPECT_GT(r.peak, 0.05f);
    EXPECT_GT(r.rms, 0.005);
    ExpectLength(r, MidiLengthSeconds(midi));
}

// FluidSynth's file renderer drives the player by the samples it writes, so
// the moment the device turns to "stopped" is measured in rendered time.
TEST_F(FluidRender, PieceCountsAsStoppedRightAfterItsLastEvent)
{
    QTemporaryDir directory;
    fluid_settings_t *settings = engine_->Settings();
    fluid_settings_setstr(settings, "audio.file.name", directory.filePath(u"out.raw"_s).toUtf8().constData());
    fluid_settings_setstr(settings, "audio.file.type", "raw");
    int periodFrames = 0;
    fluid_settings_getint(settings, "audio.period-size", &periodFrames);
    const std::vector<uint8_t> midi = MidiMelody(8, 200);
    const double length = MidiLengthSeconds(midi);

    fluid_player_t *player = new_fluid_player(engine_->Synth());
    fluid_player_add_mem(player, midi.data(), midi.size());
    fluid_file_renderer_t *renderer = new_fluid_file_renderer(engine_->Synth());
    ASSERT_NE(renderer, nullptr);
    fluid_player_play(player);
    long frames = 0;
    double stoppedAt = -1;
    bool fluidStillPlaying = false;
    while (frames < 10L * kSampleRate && fluid_file_renderer_process_block(renderer) == FLUID_OK) {
        frames += periodFrames;
        if (!IsPieceStillPlaying(player)) {
            stoppedAt = double(frames) / kSampleRate;
            fluidStillPlaying = fluid_player_get_status(player) == FLUID_PLAYER_PLAYING;
            break;
        }
    }
    delete_fluid_file_renderer(renderer);
    delete_fluid_player(player);
    fluid_synth_system_reset(engine_->Synth());

    EXPECT_GE(stoppedAt, length - 0.01);
    EXPECT_LE(stoppedAt, length + 0.05) << "the piece is " << length << " s long";
    EXPECT_TRUE(fluidStillPlaying) << "FluidSynth's own status would still say playing";
}

struct ShippedPiece
{
    const char *name;
    double shortest;
    double longest;
    friend void PrintTo(const ShippedPiece &piece, std::ostream *out) { *out << piece.name; }
};

class ShippedPieces : public FluidRender, public ::testing::WithParamInterface<ShippedPiece>
{
};

TEST_P(ShippedPieces, SoundForTheirLength)
{
    const std::filesystem::path path = std::filesystem::path(GIEICHO_SOURCE_DIR) / "data" / GetParam().name;
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> midi{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const double length = MidiLengthSeconds(midi);
    ASSERT_GE(length, GetParam().shortest);
    ASSERT_LE(length, GetParam().longest);

    const Rendering r = Render(*engine_, midi, GetParam().longest + kPlayerEndWait + 2 * kRingOut);

    EXPECT_GT(r.peak, 0.05f);
    EXPECT_GT(r.rms, 0.005);
    ExpectLength(r, length);
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedPieces,
                         ::testing::Values(ShippedPiece{"ge_open.mid", 20, 30}, ShippedPiece{"ge_bg1.mid", 40, 90},
                                           ShippedPiece{"ge_bg2.mid", 40, 90}, ShippedPiece{"ge_bg3.mid", 40, 90},
                                           ShippedPiece{"ge_bg4.mid", 40, 90}),
                         [](const auto &testCase) { return std::string(testCase.param.name).substr(0, 6); });

} // namespace
