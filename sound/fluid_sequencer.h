#pragma once

#include "sound/fluid_synth_engine.h"
#include "sound/sequencer_device.h"

#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

// The sequencer on FluidSynth. Each piece gets its own MIDI player and its
// own audio output on the engine's synth. The output is opened with the
// piece, so a missing sound device fails the open, and it is let go as soon
// as the piece has ended, so a finished piece costs no CPU while the
// device still reports "stopped".
class FluidSequencer final : public SequencerDevice {
public:
    explicit FluidSequencer(FluidSynthEngine &engine);
    ~FluidSequencer() override;
    FluidSequencer(const FluidSequencer &) = delete;
    FluidSequencer &operator=(const FluidSequencer &) = delete;

    uint32_t open(const std::string &fileName) override;
    uint32_t play() override;
    SequencerMode mode() override;
    void close() override;

    // Whether the audio output of the current piece is still running.
    bool isOutputRunning();

private:
    void releaseOutputAfterEnd(std::stop_token stop);

    FluidSynthEngine &engine_;
    fluid_player_t *player_ = nullptr;
    // Shared with the end watcher, which may let it go once the piece is over.
    std::mutex outputMutex_;
    std::condition_variable_any wake_;
    fluid_audio_driver_t *output_ = nullptr;
    std::jthread endWatcher_;
};
