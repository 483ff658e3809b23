// From PlayMidi to the first audio sample of the piece, with the soundfont
// already loaded: close, open (with its audio output), play, and the render
// thread reaching the first note.

#include "bench_support.h"
#include "midi_fixture.h"
#include "write_file.h"

#include "sound/fluid_sequencer.h"
#include "sound/mci.h"
#include "sound/midi_player.h"
#include "sound/soundfont_search.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

// The player on a real sequencer over the silent audio driver, in a
// temporary working directory that holds "bench.mid" (its program change
// and first note at time 0).
class PlayerOnSynth
{
public:
    PlayerOnSynth()
    {
        UseDummyAudioOutput();
        if (!Engine().Load())
            return;
        auto owned = std::make_unique<FluidSequencer>(Engine());
        device_ = owned.get();
        UseSequencerDevice(std::move(owned));
        QDir::setCurrent(directory_.path());
        WriteFile("bench.mid", MidiMelody(8, 500));
    }
    ~PlayerOnSynth()
    {
        StopMidi();
        QDir::setCurrent(previous_);
    }
    static FluidSynthEngine &Engine()
    {
        static FluidSynthEngine engine(StandardSoundFonts());
        return engine;
    }
    // Null when the soundfont could not be loaded.
    FluidSequencer *Device() const { return device_; }

private:
    QTemporaryDir directory_;
    const QString previous_ = QDir::currentPath();
    FluidSequencer *device_ = nullptr;
};

void BM_PlayMidiToFirstSample(benchmark::State &state)
{
    PlayerOnSynth player;
    FluidSequencer *device = player.Device();
    if (!device) {
        state.SkipWithError(PlayerOnSynth::Engine().Problem().c_str());
        return;
    }

    double longest = 0;
    for (auto _ : state) {
        // Start, as a poem does, with nothing open and the last output gone.
        StopMidi();
        while (device->IsOutputRunning())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));

        const auto start = Clock::now();
        PlayMidi(u"bench.mid"_s);
        while (fluid_synth_get_active_voice_count(PlayerOnSynth::Engine().Synth()) == 0)
            std::this_thread::yield();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        longest = std::max(longest, seconds);
    }
    state.counters["longest_ms"] = longest * 1000;
}
BENCHMARK(BM_PlayMidiToFirstSample)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

// Switching the music off while a piece plays: the call the window thread waits for.
void BM_StopMidiWhilePlaying(benchmark::State &state)
{
    PlayerOnSynth player;
    FluidSequencer *device = player.Device();
    if (!device) {
        state.SkipWithError(PlayerOnSynth::Engine().Problem().c_str());
        return;
    }

    for (auto _ : state) {
        state.PauseTiming();
        while (device->IsOutputRunning())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        PlayMidi(u"bench.mid"_s);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        state.ResumeTiming();

        StopMidi();
    }
}
BENCHMARK(BM_StopMidiWhilePlaying)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
