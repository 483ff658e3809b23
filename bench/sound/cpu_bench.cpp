// CPU the music costs, in percent of one core: while a piece plays, after it
// has ended (the device still open), and, for comparison, an audio output
// kept running with nothing to play, as it would be if it were kept.

#include "bench_support.h"
#include "midi_fixture.h"
#include "write_file.h"

#include "sound/fluid_sequencer.h"
#include "sound/mci_command_layer.h"
#include "sound/sdl_audio.h"
#include "sound/soundfont_search.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fluidsynth.h>

#include <chrono>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

using namespace std::chrono_literals;

constexpr auto kMeasureFor = 4s;

FluidSynthEngine &LoadedEngine()
{
    UseDummyAudioOutput();
    static FluidSynthEngine engine(StandardSoundFonts());
    engine.Load();
    return engine;
}

double CpuPercentOver(std::chrono::seconds period)
{
    const double before = ProcessCpuSeconds();
    std::this_thread::sleep_for(period);
    return (ProcessCpuSeconds() - before) / double(period.count()) * 100;
}

// Opens and starts the piece through the command strings the player sends.
void OpenAndPlay(MciCommandLayer &layer, const std::string &piece)
{
    char reply[512];
    layer.Send(("open \"" + piece + "\" type sequencer alias Midi").c_str(), reply, sizeof reply);
    layer.Send("play Midi", reply, sizeof reply);
}

void Close(MciCommandLayer &layer)
{
    char reply[512];
    layer.Send("close Midi", reply, sizeof reply);
}

void BM_CpuWhilePlaying(benchmark::State &state)
{
    FluidSynthEngine &engine = LoadedEngine();
    FluidSequencer device(engine);
    MciCommandLayer layer(device);
    QTemporaryDir directory;
    const std::string piece = directory.filePath(u"piece.mid"_s).toStdString();
    WriteFile(piece, MidiMelody(60, 250)); // three or four notes sounding at once, for 11 s
    for (auto _ : state) {
        OpenAndPlay(layer, piece);
        std::this_thread::sleep_for(500ms);
        state.counters["cpu_percent"] = CpuPercentOver(kMeasureFor);
        Close(layer);
    }
}
BENCHMARK(BM_CpuWhilePlaying)->Iterations(1)->Unit(benchmark::kSecond);

void BM_CpuAfterTheEnd(benchmark::State &state)
{
    FluidSynthEngine &engine = LoadedEngine();
    FluidSequencer device(engine);
    MciCommandLayer layer(device);
    QTemporaryDir directory;
    const std::string piece = directory.filePath(u"short.mid"_s).toStdString();
    WriteFile(piece, MidiMelody(2, 100));
    for (auto _ : state) {
        OpenAndPlay(layer, piece);
        while (device.IsOutputRunning())
            std::this_thread::sleep_for(50ms);
        state.counters["cpu_percent"] = CpuPercentOver(kMeasureFor);
        Close(layer);
    }
}
BENCHMARK(BM_CpuAfterTheEnd)->Iterations(1)->Unit(benchmark::kSecond);

void BM_CpuOfAnIdleOutput(benchmark::State &state)
{
    FluidSynthEngine &engine = LoadedEngine();
    StartSdlAudio();
    for (auto _ : state) {
        fluid_audio_driver_t *output = new_fluid_audio_driver(engine.Settings(), engine.Synth());
        state.counters["cpu_percent"] = CpuPercentOver(kMeasureFor);
        delete_fluid_audio_driver(output);
    }
}
BENCHMARK(BM_CpuOfAnIdleOutput)->Iterations(1)->Unit(benchmark::kSecond);

void BM_AudioOutputOpenAndClose(benchmark::State &state)
{
    FluidSynthEngine &engine = LoadedEngine();
    StartSdlAudio();
    for (auto _ : state)
        delete_fluid_audio_driver(new_fluid_audio_driver(engine.Settings(), engine.Synth()));
}
BENCHMARK(BM_AudioOutputOpenAndClose)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
