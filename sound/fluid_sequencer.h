#pragma once

#include "sound/fluid_synth_engine.h"
#include "sound/sequencer_device.h"

#include <atomic>
#include <memory>
#include <stop_token>
#include <thread>

// The sequencer on FluidSynth. Each piece gets its own MIDI player and its
// own audio output on the engine's synth. The output is opened with the
// piece, so a missing sound device fails the open, and it is let go as soon
// as the piece has ended, so a finished piece costs no CPU while the device
// still reports "stopped".
//
// Letting an output go waits for the sound server to drain it (tens of
// milliseconds on hardware, a second or more on some servers), so close
// silences the synth at once and leaves the rest to a background thread;
// the next open waits for it, as the synth renders for one output at a time.
class FluidSequencer final : public SequencerDevice
{
public:
    explicit FluidSequencer(FluidSynthEngine &engine);
    ~FluidSequencer() override;
    FluidSequencer(const FluidSequencer &) = delete;
    FluidSequencer &operator=(const FluidSequencer &) = delete;

    uint32_t Open(const std::string &fileName) override;
    uint32_t Play() override;
    SequencerMode Mode() override;
    void Close() override;
    // The synth and its soundfont go once the last output has been let go.
    void Release() override;

    // Whether any audio output of this device still exists or is being let
    // go; once false, nothing but the caller touches the synth.
    bool IsOutputRunning() const;

private:
    struct Piece;

    void WatchForEnd(Piece &piece, const std::stop_token &stop);
    void ReleaseOutput(Piece &piece);
    void Retire(std::unique_ptr<Piece> piece);

    FluidSynthEngine &engine_;
    std::atomic<int> liveOutputs_{0};
    std::unique_ptr<Piece> piece_;
    std::jthread retiring_;
};
