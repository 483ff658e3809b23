// Damaged sound files on the program's own audio path, through SDL's dummy
// audio driver: a soundfont, a MIDI piece or the wave sound that is cut short,
// empty, random bytes or lying about its size leaves the program running,
// silent where nothing can be played, and never waiting on a sound that does
// not come.

#include "eventually.h"
#include "write_file.h"

#include "sound/fluid_sequencer.h"
#include "sound/fluid_synth_engine.h"
#include "sound/mci_command_layer.h"
#include "sound/mci_error.h"
#include "sound/soundfont_search.h"
#include "sound/wave_player.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes FirstHalf(const Bytes &good)
{
    return Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
}

Bytes Empty(const Bytes &)
{
    return {};
}

Bytes Random(const Bytes &good)
{
    std::mt19937 generator(19);
    Bytes bytes(good.size());
    for (uint8_t &byte : bytes)
        byte = static_cast<uint8_t>(generator());
    return bytes;
}

// The file's own first bytes, so it is taken for what it claims to be, and
// random bytes after them.
Bytes RandomAfterHeader(const Bytes &good)
{
    Bytes bytes = Random(good);
    std::copy_n(good.begin(), std::min<size_t>(good.size(), 44), bytes.begin());
    return bytes;
}

// A wave file whose RIFF and data chunks claim ten times the bytes it holds.
Bytes LyingSize(const Bytes &good)
{
    Bytes bytes = good;
    const auto put = [&bytes](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    constexpr std::string_view kData = "data";
    const auto data = std::search(bytes.begin(), bytes.end(), kData.begin(), kData.end()) - bytes.begin();
    put(4, static_cast<uint32_t>(bytes.size() * 10));
    put(data + 4, static_cast<uint32_t>((bytes.size() - data - 8) * 10));
    return bytes;
}

enum class Damaged { SoundFont, Midi, Wave };

struct DamageCase
{
    const char *label;
    Damaged file;
    Bytes (*damage)(const Bytes &good);
};

void PrintTo(const DamageCase &c, std::ostream *os)
{
    *os << c.label;
}

class DamagedSoundFiles : public ::testing::TestWithParam<DamageCase>
{
protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void SetUp() override { ASSERT_TRUE(directory_.isValid()); }

    std::string Write(const std::string &name, const Bytes &bytes)
    {
        std::string path = directory_.filePath(QString::fromStdString(name)).toStdString();
        WriteFile(path, bytes);
        return path;
    }

    // Opens and plays the piece on a synth with the given soundfont; whatever
    // the open and play answer, closing is at once and the output goes.
    void PlayAndClose(const std::string &soundFont, const std::string &piece)
    {
        FluidSynthEngine engine({soundFont});
        FluidSequencer device(engine);
        MciCommandLayer layer(device);
        char reply[512] = {};
        const std::string open = "open \"" + piece + "\" type sequencer alias Midi";
        if (layer.Send(open.c_str(), reply, sizeof reply) == MCI_OK) {
            layer.Send("play Midi", reply, sizeof reply);
            std::this_thread::sleep_for(300ms); // a moment of whatever it makes of the piece
            layer.Send("Status Midi mode", reply, sizeof reply);
            const auto closing = Clock::now();
            EXPECT_EQ(layer.Send("close Midi", reply, sizeof reply), MCI_OK);
            EXPECT_LT(Clock::now() - closing, 1s) << "closing waited";
        } else {
            EXPECT_EQ(layer.Send("play Midi", reply, sizeof reply), MCIERR_INVALID_DEVICE_NAME)
                << "a failed open leaves nothing open";
        }
        EXPECT_TRUE(Eventually([&] { return !device.IsOutputRunning(); }, 6s)) << "the output never went";
    }

    QTemporaryDir directory_;
    const std::string soundFont_ = FindSoundFont(StandardSoundFonts());
    const std::string piece_ = GIEICHO_SOURCE_DIR "/data/ge_bg1.mid";
    const std::string chime_ = GIEICHO_SOURCE_DIR "/data/tobibrnd.wav";
};

TEST_P(DamagedSoundFiles, TheProgramRunsOnWithoutWaiting)
{
    const DamageCase &c = GetParam();
    switch (c.file) {
    case Damaged::SoundFont: {
        ASSERT_FALSE(soundFont_.empty()) << "no General MIDI soundfont installed";
        const std::string damaged = Write("default-GM.sf2", c.damage(ReadBytes(soundFont_)));
        PlayAndClose(damaged, piece_);
        break;
    }
    case Damaged::Midi: {
        ASSERT_FALSE(soundFont_.empty()) << "no General MIDI soundfont installed";
        const std::string damaged = Write("ge_bg1.mid", c.damage(ReadBytes(piece_)));
        PlayAndClose(soundFont_, damaged);
        break;
    }
    case Damaged::Wave: {
        const std::string damaged = Write("tobibrnd.wav", c.damage(ReadBytes(chime_)));
        WavePlayer player;
        player.Start(damaged);
        EXPECT_TRUE(Eventually([&] { return !player.IsSounding(); }, 5s)) << "the sound never ended";
        break;
    }
    }
    // A sound of its own afterwards still plays: nothing was left broken.
    WavePlayer player;
    EXPECT_TRUE(player.Start(chime_));
    player.Stop();
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSoundFiles,
    ::testing::Values(DamageCase{"TruncatedSoundFont", Damaged::SoundFont, FirstHalf},
                      DamageCase{"RandomSoundFont", Damaged::SoundFont, Random},
                      DamageCase{"SoundFontHeaderThenNoise", Damaged::SoundFont, RandomAfterHeader},
                      DamageCase{"TruncatedMidi", Damaged::Midi, FirstHalf},
                      DamageCase{"EmptyMidi", Damaged::Midi, Empty}, DamageCase{"RandomMidi", Damaged::Midi, Random},
                      DamageCase{"MidiHeaderThenNoise", Damaged::Midi, RandomAfterHeader},
                      DamageCase{"TruncatedWave", Damaged::Wave, FirstHalf},
                      DamageCase{"WaveClaimingTenTimesItsSize", Damaged::Wave, LyingSize},
                      DamageCase{"WaveHeaderThenNoise", Damaged::Wave, RandomAfterHeader}),
    [](const auto &testCase) { return testCase.param.label; });

} // namespace
