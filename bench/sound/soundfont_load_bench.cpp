// How long the soundfont takes to load on first need, and what it costs in
// memory, for each General MIDI soundfont Debian offers. Run one soundfont
// per process (--benchmark_filter) for a clean memory figure.

#include "bench_support.h"

#include "sound/fluid_synth_engine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

namespace {

const char *const kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"};

void BM_SoundFontLoad(benchmark::State &state)
{
    const char *soundFont = kSoundFonts[state.range(0)];
    if (!std::filesystem::exists(soundFont)) {
        state.SkipWithError("soundfont not installed");
        return;
    }
    state.SetLabel(std::filesystem::path(soundFont).filename().string());
    double megabytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto engine = std::make_unique<FluidSynthEngine>(std::vector<std::string>{soundFont});
        const double before = ResidentMegabytes();
        state.ResumeTiming();

        benchmark::DoNotOptimize(engine->Load());

        state.PauseTiming();
        // The first load shows the cost; later ones reuse freed memory.
        megabytes = std::max(megabytes, ResidentMegabytes() - before);
        engine.reset();
        state.ResumeTiming();
    }
    state.counters["resident_MB"] = megabytes;
}
BENCHMARK(BM_SoundFontLoad)->DenseRange(0, 1)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
