#include "sound/wave_player.h"

#include "sound/sdl_audio.h"
#include "sound/sound_warning.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <filesystem>

namespace {

using namespace std::chrono_literals;

// How often the closer looks whether SDL has handed out the last sample.
constexpr auto kDrainPollInterval = 100ms;
// A device period of 1024 frames: short enough for the sound to start with
// the picture it belongs to.
constexpr Uint16 kPeriodFrames = 1024;

OnceOnlyWarning &WaveWarning()
{
    static OnceOnlyWarning warning;
    return warning;
}

} // namespace

WavePlayer::~WavePlayer()
{
    Stop();
}

bool WavePlayer::Start(const std::string &fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        WaveWarning().Report("no wave sound: cannot find " + fileName);
        return false;
    }
    const SdlAudioStart &audio = StartSdlAudio();
    if (!audio.ok) {
        WaveWarning().Report("no wave sound: no audio output: " + audio.problem);
        return false;
    }
    SDL_AudioSpec format;
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(fileName.c_str(), &format, &samples, &length)) {
        WaveWarning().Report("no wave sound: cannot read " + fileName + ": " + SDL_GetError());
        return false;
    }
    format.samples = kPeriodFrames;
    format.callback = nullptr;

    Stop();
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &format, nullptr, 0);
    if (device == 0) {
        SDL_FreeWAV(samples);
        WaveWarning().Report(std::string("no wave sound: no audio output: ") + SDL_GetError());
        return false;
    }
    SDL_QueueAudio(device, samples, length);
    SDL_FreeWAV(samples);
    SDL_PauseAudioDevice(device, 0);

    std::lock_guard lock(mutex_);
    device_ = device;
    const unsigned bufferMilliseconds = 1000u * kPeriodFrames / unsigned(format.freq) + 1;
    closer_ = std::jthread(
        [this, bufferMilliseconds](const std::stop_token &stop) { CloseAfterEnd(stop, bufferMilliseconds); });
    return true;
}

void WavePlayer::Stop()
{
    closer_ = std::jthread();
    std::lock_guard lock(mutex_);
    if (device_)
        SDL_CloseAudioDevice(device_);
    device_ = 0;
}

bool WavePlayer::IsSounding()
{
    std::lock_guard lock(mutex_);
    return device_ != 0;
}

void WavePlayer::CloseAfterEnd(const std::stop_token &stop, unsigned bufferMilliseconds)
{
    std::unique_lock lock(mutex_);
    // Sleeps; true when Stop() has asked the closer to end meanwhile.
    const auto stoppedDuring = [&](auto duration) {
        wake_.wait_for(lock, stop, duration, [] { return false; });
        return stop.stop_requested();
    };
    while (SDL_GetQueuedAudioSize(device_) > 0) {
        if (stoppedDuring(kDrainPollInterval))
            return;
    }
    // The last period SDL took from the queue still has to be heard.
    if (stoppedDuring(std::chrono::milliseconds(2 * bufferMilliseconds)))
        return;
    SDL_CloseAudioDevice(device_);
    device_ = 0;
}
