#include "sound/fluid_sequencer.h"

#include "sound/diagnostic_line.h"
#include "sound/mci_error.h"
#include "sound/sdl_audio.h"

#include <SDL2/SDL_error.h>
#include <fluidsynth.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using namespace std::chrono_literals;

// FluidSynth sends no notice at the end of a piece, so the watcher looks a
// few times a second; that costs nothing measurable.
constexpr auto kEndPollInterval = 250ms;

DiagnosticLine &musicDiagnostic()
{
    static DiagnosticLine line;
    return line;
}

uint32_t readMidiFile(const std::string &fileName, std::vector<char> &bytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        musicDiagnostic().report("no music: cannot find " + fileName);
        return MCIERR_FILE_NOT_FOUND;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        musicDiagnostic().report("no music: cannot read " + fileName);
        return MCIERR_FILE_READ;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes.size() < 14 || std::string_view(bytes.data(), 4) != "MThd") {
        musicDiagnostic().report("no music: not a MIDI file: " + fileName);
        return MCIERR_INVALID_FILE;
    }
    return MCI_OK;
}

} // namespace

FluidSequencer::FluidSequencer(FluidSynthEngine &engine)
    : engine_(engine)
{
}

FluidSequencer::~FluidSequencer()
{
    close();
}

uint32_t FluidSequencer::open(const std::string &fileName)
{
    std::vector<char> bytes;
    if (const uint32_t error = readMidiFile(fileName, bytes); error != MCI_OK)
        return error;
    if (!engine_.load()) {
        musicDiagnostic().report("no music: " + engine_.problem());
        return MCIERR_CANNOT_LOAD_DRIVER;
    }

    fluid_player_t *player = new_fluid_player(engine_.synth());
    if (!player || fluid_player_add_mem(player, bytes.data(), bytes.size()) != FLUID_OK) {
        if (player)
            delete_fluid_player(player);
        return MCIERR_INVALID_FILE;
    }
    const SdlAudioStart &audio = startSdlAudio();
    fluid_audio_driver_t *output = audio.ok ? new_fluid_audio_driver(engine_.settings(), engine_.synth()) : nullptr;
    if (!output) {
        delete_fluid_player(player);
        musicDiagnostic().report("no music: no audio output: " + (audio.ok ? std::string(SDL_GetError()) : audio.problem));
        return MCIERR_SEQ_NOMIDIPRESENT;
    }
    player_ = player;
    std::lock_guard lock(outputMutex_);
    output_ = output;
    return MCI_OK;
}

uint32_t FluidSequencer::play()
{
    // Like a sequencer at the end of its piece, play after the end does nothing.
    if (fluid_player_get_status(player_) != FLUID_PLAYER_READY)
        return MCI_OK;
    fluid_player_play(player_);
    endWatcher_ = std::jthread([this](std::stop_token stop) { releaseOutputAfterEnd(stop); });
    return MCI_OK;
}

SequencerMode FluidSequencer::mode()
{
    return fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING ? SequencerMode::Playing : SequencerMode::Stopped;
}

void FluidSequencer::close()
{
    if (!player_)
        return;
    endWatcher_ = std::jthread();
    {
        std::lock_guard lock(outputMutex_);
        if (output_)
            delete_fluid_audio_driver(output_);
        output_ = nullptr;
    }
    // With the output gone no thread renders, so the player can go safely
    // and the synth is left silent for the next piece.
    delete_fluid_player(player_);
    player_ = nullptr;
    fluid_synth_system_reset(engine_.synth());
}

bool FluidSequencer::isOutputRunning()
{
    std::lock_guard lock(outputMutex_);
    return output_ != nullptr;
}

void FluidSequencer::releaseOutputAfterEnd(std::stop_token stop)
{
    std::unique_lock lock(outputMutex_);
    // Sleeps; true when close() has asked the watcher to stop meanwhile.
    const auto stoppedDuring = [&](auto duration) {
        wake_.wait_for(lock, stop, duration, [] { return false; });
        return stop.stop_requested();
    };
    while (fluid_player_get_status(player_) != FLUID_PLAYER_DONE) {
        if (stoppedDuring(kEndPollInterval))
            return;
    }
    // The player itself plays on about three seconds past the last event,
    // so the last notes have died away by now.
    delete_fluid_audio_driver(output_);
    output_ = nullptr;
}
