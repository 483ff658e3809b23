// The wave sound through SDL's dummy audio driver: it starts at once, lets
// the device go after its last sample, and a file that cannot be played
// changes nothing.

#include "wave_fixture.h"
#include "write_file.h"

#include "sound/snd_play_sound.h"
#include "sound/sound_engine_module.h"
#include "sound/wave_player.h"

#include <QDir>
#include <QTemporaryDir>

#include <SDL2/SDL_audio.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The audio devices SDL holds open in this process, playing or paused; SDL
// numbers them from 1 and keeps at most 16 open at a time.
int OpenAudioDevices()
{
    int open = 0;
    for (SDL_AudioDeviceID id = 1; id <= 16; ++id)
        open += SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED;
    return open;
}

class WaveSound : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void SetUp() override
    {
        UseSoundModuleFolder(QString::fromUtf8(GIEICHO_MODULE_FOLDER));
        ASSERT_TRUE(directory_.isValid());
        tone_ = directory_.filePath(u"tone.wav"_s).toStdString();
        WriteFile(tone_, WaveTone(0.3));
        sustained_ = directory_.filePath(u"sustained.wav"_s).toStdString();
        WriteFile(sustained_, WaveTone(20));
    }

    bool QuietWithin(std::chrono::milliseconds limit)
    {
        const auto deadline = Clock::now() + limit;
        while (player_.IsSounding()) {
            if (Clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(20ms);
        }
        return true;
    }

    QTemporaryDir directory_;
    std::string tone_;
    std::string sustained_; // still sounding at every check however slow the machine
    WavePlayer player_;
};

TEST_F(WaveSound, PlaysInTheBackgroundAndReleasesTheDeviceAfterTheEnd)
{
    const auto started = Clock::now();
    ASSERT_TRUE(player_.Start(tone_));
    EXPECT_TRUE(player_.IsSounding());
    EXPECT_EQ(OpenAudioDevices(), 1);

    EXPECT_TRUE(QuietWithin(30s));
    EXPECT_GE(Clock::now() - started, 300ms) << "released before the sound was over";
    EXPECT_EQ(OpenAudioDevices(), 0) << "the device goes with the sound";
}

TEST_F(WaveSound, ANewSoundReplacesTheOneBeforeAndStopEndsItAtOnce)
{
    ASSERT_TRUE(player_.Start(sustained_));
    ASSERT_TRUE(player_.Start(sustained_));
    EXPECT_TRUE(player_.IsSounding());
    EXPECT_EQ(OpenAudioDevices(), 1) << "the first sound must stop, not play on beside the second";

    player_.Stop();
    EXPECT_FALSE(player_.IsSounding());
    EXPECT_EQ(OpenAudioDevices(), 0);
}

struct UnplayableCase
{
    const char *label;
    const char *name;
    std::vector<uint8_t> content; // empty: the file is not made
};

class UnplayableWaves : public WaveSound, public ::testing::WithParamInterface<UnplayableCase>
{
};

TEST_P(UnplayableWaves, LeaveTheSoundThatPlaysAlone)
{
    const std::string path = directory_.filePath(QString::fromUtf8(GetParam().name)).toStdString();
    if (!GetParam().content.empty())
        WriteFile(path, GetParam().content);
    ASSERT_TRUE(player_.Start(sustained_));

    EXPECT_FALSE(player_.Start(path));
    EXPECT_TRUE(player_.IsSounding());
    EXPECT_EQ(OpenAudioDevices(), 1);
}

INSTANTIATE_TEST_SUITE_P(Files, UnplayableWaves,
                         ::testing::Values(UnplayableCase{"Missing", "gone.wav", {}},
                                           UnplayableCase{
                                               "NotAWave", "text.wav", {'n', 'o', 't', ' ', 'a', 'u', 'd', 'i', 'o'}}),
                         [](const auto &testCase) { return testCase.param.label; });

TEST_F(WaveSound, SndPlaySoundTakesTheNameFromTheCurrentDirectory)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(directory_.path()));
    WriteFile("tobibrnd.wav", WaveTone(0.2));

    EXPECT_TRUE(sndPlaySoundA("tobibrnd.wav", SND_ASYNC));
    EXPECT_FALSE(sndPlaySoundA("missing.wav", SND_ASYNC));
    EXPECT_TRUE(sndPlaySoundA(nullptr, SND_ASYNC));
    QDir::setCurrent(previous);
}

TEST_F(WaveSound, TheShippedChimeIsShortSixteenBitPcmAndPlaysThrough)
{
    const std::string chime = GIEICHO_SOURCE_DIR "/data/tobibrnd.wav";
    SDL_AudioSpec audio{};
    Uint8 *samples = nullptr;
    Uint32 bytes = 0;
    ASSERT_NE(SDL_LoadWAV(chime.c_str(), &audio, &samples, &bytes), nullptr) << chime;
    SDL_FreeWAV(samples);
    EXPECT_EQ(audio.format, AUDIO_S16LSB);
    const double seconds = double(bytes) / (2.0 * audio.channels * audio.freq);
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 1.5);

    ASSERT_TRUE(player_.Start(chime));
    EXPECT_TRUE(QuietWithin(30s));
}

} // namespace
