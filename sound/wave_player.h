#pragma once

#include <SDL2/SDL_audio.h>

#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

// Plays one wave file at a time through SDL without making the caller wait.
// The audio device is opened for each sound and closed shortly after its
// last sample, so no audio thread lingers once the sound is over.
class WavePlayer
{
public:
    WavePlayer() = default;
    ~WavePlayer();
    WavePlayer(const WavePlayer &) = delete;
    WavePlayer &operator=(const WavePlayer &) = delete;

    // Stops any sound still playing and starts the file (a local file name).
    // False, with nothing changed, when the file or the audio device is not
    // to be had; one line on stderr tells why, once per run.
    bool Start(const std::string &fileName);
    void Stop();
    bool IsSounding();

private:
    void CloseAfterEnd(const std::stop_token &stop, unsigned bufferMilliseconds);

    std::mutex mutex_;
    std::condition_variable_any wake_;
    SDL_AudioDeviceID device_ = 0;
    std::jthread closer_;
};
