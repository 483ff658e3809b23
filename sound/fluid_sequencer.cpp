#include "sound/fluid_sequencer.h"

#include "sound/mci_error.h"
#include "sound/piece_end.h"
#include "sound/sdl_audio.h"
#include "sound/sound_warning.h"

#include <SDL2/SDL_error.h>
#include <fluidsynth.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

namespace {

using namespace std::chrono_literals;

// FluidSynth sends no notice at the end of a piece, so the watcher looks a
// few times a second; that costs nothing measurable.
constexpr auto kEndPollInterval = 250ms;

OnceOnlyWarning &MusicWarning()
{
    static OnceOnlyWarning warning;
    return warning;
}

uint32_t ReadMidiFile(const std::string &fileName, std::vector<char> &bytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        MusicWarning().Report("no music: cannot find " + fileName);
        return MCIERR_FILE_NOT_FOUND;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        MusicWarning().Report("no music: cannot read " + fileName);
        return MCIERR_FILE_READ;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes.size() < 14 || std::string_view(bytes.data(), 4) != "MThd") {
        MusicWarning().Report("no music: not a MIDI file: " + fileName);
        return MCIERR_INVALID_FILE;
    }
    return MCI_OK;
}

} // namespace

struct FluidSequencer::Piece
{
    fluid_player_t *player = nullptr;
    // The output is shared with the end watcher, which lets it go at the end.
    std::mutex outputMutex;
    std::condition_variable_any wake;
    fluid_audio_driver_t *output = nullptr;
    std::jthread endWatcher;
};

FluidSequencer::FluidSequencer(FluidSynthEngine &engine)
    : engine_(engine)
{
}

FluidSequencer::~FluidSequencer()
{
    Close();
}

uint32_t FluidSequencer::Open(const std::string &fileName)
{
    std::vector<char> bytes;
    if (const uint32_t error = ReadMidiFile(fileName, bytes); error != MCI_OK)
        return error;
    if (retiring_.joinable())
        retiring_.join();
    if (!engine_.Load()) {
        MusicWarning().Report("no music: " + engine_.Problem());
        return MCIERR_CANNOT_LOAD_DRIVER;
    }

    fluid_player_t *player = new_fluid_player(engine_.Synth());
    if (!player || fluid_player_add_mem(player, bytes.data(), bytes.size()) != FLUID_OK) {
        if (player)
            delete_fluid_player(player);
        return MCIERR_INVALID_FILE;
    }
    const SdlAudioStart &audio = StartSdlAudio();
    fluid_audio_driver_t *output = audio.ok ? new_fluid_audio_driver(engine_.Settings(), engine_.Synth()) : nullptr;
    if (!output) {
        delete_fluid_player(player);
        MusicWarning().Report("no music: no audio output: " + (audio.ok ? std::string(SDL_GetError()) : audio.problem));
        return MCIERR_SEQ_NOMIDIPRESENT;
    }
    ++liveOutputs_;
    piece_ = std::make_unique<Piece>();
    piece_->player = player;
    piece_->output = output;
    return MCI_OK;
}

uint32_t FluidSequencer::Play()
{
    // Like a sequencer at the end of its piece, play after the end does nothing.
    if (fluid_player_get_status(piece_->player) != FLUID_PLAYER_READY)
        return MCI_OK;
    fluid_player_play(piece_->player);
    piece_->endWatcher =
        std::jthread([this, piece = piece_.get()](const std::stop_token &stop) { WatchForEnd(*piece, stop); });
    return MCI_OK;
}

SequencerMode FluidSequencer::Mode()
{
    return IsPieceStillPlaying(piece_->player) ? SequencerMode::Playing : SequencerMode::Stopped;
}

void FluidSequencer::Close()
{
    if (!piece_)
        return;
    // The piece falls silent now; letting its output go, which waits for
    // the sound server, happens off this thread.
    fluid_player_stop(piece_->player);
    fluid_synth_all_sounds_off(engine_.Synth(), -1);
    ++liveOutputs_; // until the retiring thread is done with the synth
    retiring_ = std::jthread([this, piece = std::move(piece_)]() mutable { Retire(std::move(piece)); });
}

void FluidSequencer::Release()
{
    ++liveOutputs_; // until the engine has gone
    retiring_ = std::jthread([this, previous = std::move(retiring_)]() mutable {
        if (previous.joinable())
            previous.join();
        engine_.Unload();
        --liveOutputs_;
    });
}

bool FluidSequencer::IsOutputRunning() const
{
    return liveOutputs_ > 0;
}

void FluidSequencer::WatchForEnd(Piece &piece, const std::stop_token &stop)
{
    std::unique_lock lock(piece.outputMutex);
    while (fluid_player_get_status(piece.player) != FLUID_PLAYER_DONE) {
        piece.wake.wait_for(lock, stop, kEndPollInterval, [] { return false; });
        if (stop.stop_requested())
            return;
    }
    lock.unlock();
    // The player itself plays on about three seconds past the last event,
    // so the last notes have died away by now.
    ReleaseOutput(piece);
}

void FluidSequencer::ReleaseOutput(Piece &piece)
{
    std::lock_guard lock(piece.outputMutex);
    if (!piece.output)
        return;
    delete_fluid_audio_driver(piece.output);
    piece.output = nullptr;
    --liveOutputs_;
}

void FluidSequencer::Retire(std::unique_ptr<Piece> piece)
{
    piece->endWatcher = std::jthread();
    ReleaseOutput(*piece);
    // With the output gone no thread renders, so the player can go safely
    // and the synth is left silent for the next piece. The reset alone
    // leaves sounding notes ringing, so the sounds are cut after it.
    delete_fluid_player(piece->player);
    fluid_synth_system_reset(engine_.Synth());
    fluid_synth_all_sounds_off(engine_.Synth(), -1);
    --liveOutputs_;
}
