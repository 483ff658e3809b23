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

namespace {

using namespace std::chrono_literals;

constexpr auto kMeasureFor = 4s;

FluidSynthEngine &loadedEngine()
{
    useDummyAudioOutput();
    static FluidSynthEngine engine(standardSoundFonts());
    engine.load();
    return engine;
}

double cpuPercentOver(std::chrono::seconds period)
{
    const double before = processCpuSeconds();
    std::this_thread::sleep_for(period);
    return (processCpuSeconds() - before) / double(period.count()) * 100;
}

// Opens and starts the piece through the command strings the player sends.
void OpenAndPlay(MciCommandLayer &layer, const std::string &piece)
{
    char reply[512];
    layer.send(("open \"" + piece + "\" type sequencer alias Midi").c_str(), reply, sizeof reply);
    layer.send("play Midi", reply, sizeof reply);
}

void Close(MciCommandLayer &layer)
{
    char reply[512];
    layer.send("close Midi", reply, sizeof reply);
}

void BM_CpuWhilePlaying(benchmark::State &state)
{
    FluidSynthEngine &engine = loadedEngine();
    FluidSequencer device(engine);
    MciCommandLayer layer(device);
    QTemporaryDir directory;
    const std::string piece = directory.filePath(QStringLiteral("piece.mid")).toStdString();
    writeFile(piece, midiMelody(60, 250));  // three or four notes sounding at once, for 11 s
    for (auto _ : state) {
        OpenAndPlay(layer, piece);
        std::this_thread::sleep_for(500ms);
        state.counters["cpu_percent"] = cpuPercentOver(kMeasureFor);
        Close(layer);
    }
}
BENCHMARK(BM_CpuWhilePlaying)->Iterations(1)->Unit(benchmark::kSecond);

void BM_CpuAfterTheEnd(benchmark::State &state)
{
    FluidSynthEngine &engine = loadedEngine();
    FluidSequencer device(engine);
    MciCommandLayer layer(device);
    QTemporaryDir directory;
    const std::string piece = directory.filePath(QStringLiteral("short.mid")).toStdString();
    writeFile(piece, midiMelody(2, 100));
    for (auto _ : state) {
        OpenAndPlay(layer, piece);
        while (device.isOutputRunning())
            std::this_thread::sleep_for(50ms);
        state.counters["cpu_percent"] = cpuPercentOver(kMeasureFor);
        Close(layer);
    }
}
BENCHMARK(BM_CpuAfterTheEnd)->Iterations(1)->Unit(benchmark::kSecond);

void BM_CpuOfAnIdleOutput(benchmark::State &state)
{
    FluidSynthEngine &engine = loadedEngine();
    startSdlAudio();
    for (auto _ : state) {
        fluid_audio_driver_t *output = new_fluid_audio_driver(engine.settings(), engine.synth());
        state.counters["cpu_percent"] = cpuPercentOver(kMeasureFor);
        delete_fluid_audio_driver(output);
    }
}
BENCHMARK(BM_CpuOfAnIdleOutput)->Iterations(1)->Unit(benchmark::kSecond);

void BM_AudioOutputOpenAndClose(benchmark::State &state)
{
    FluidSynthEngine &engine = loadedEngine();
    startSdlAudio();
    for (auto _ : state)
        delete_fluid_audio_driver(new_fluid_audio_driver(engine.settings(), engine.synth()));
}
BENCHMARK(BM_AudioOutputOpenAndClose)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
