// How fast poems come from the shipped phrase files.
// Targets: >= 5 million draw-and-check attempts a second on one core; p99 of
// one accepted poem < 50 us on every setting; feasibility decided in < 1 ms.
#include "poem/composer.h"
#include "poem/feasibility.h"
#include "poem/phrase_loader.h"
#include "poem/poem_card.h"
#include "poem/random.h"
#include "settings/shared_settings.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// Counts attempts (each one clears the card) and keeps nothing.
class CountingCard final : public PoemCard
{
public:
    void ClearPoem() override { ++attempts; }
    void ShowCardPicture() override { }
    void ShowPoem(const QString &, const QString &, const QString &, const QString &, const QString &) override { }
    void ShowComposeFailure(const QString &) override { std::abort(); }

    int64_t attempts = 0;
};

void LoadShippedData()
{
    static const bool loaded = [] {
        if (LoadPhraseFiles(QString::fromUtf8(GIEICHO_SOURCE_DIR "/data"), phraseGroups))
            std::abort();
        return true;
    }();
    (void)loaded;
}

void UseSetting(const benchmark::State &state)
{
    LoadShippedData();
    SetSettingDefaults();
    kigoType = static_cast<int16_t>(state.range(0));
    enkaMode = state.range(1) != 0;
    Randomize(2026);
}

void BM_DrawAndCheckAttempts(benchmark::State &state)
{
    UseSetting(state);
    CountingCard card;
    SetPoemCard(&card);
    for (auto _ : state)
        ComposePoem();
    state.SetItemsProcessed(card.attempts);
    state.counters["attempts/poem"] = static_cast<double>(card.attempts) / state.iterations();
}

void BM_AcceptedPoem(benchmark::State &state)
{
    UseSetting(state);
    CountingCard card;
    SetPoemCard(&card);
    std::vector<double> micros;
    micros.reserve(1 << 20);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ComposePoem();
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}

// The quick test asked before every poem.
void BM_DecideFeasibility(benchmark::State &state)
{
    UseSetting(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(CanSatisfy(phraseGroups, kigoType, enkaMode));
}

// The full assessment with the acceptance rate, as the phrase tool shows it.
void BM_AssessAcceptanceRate(benchmark::State &state)
{
    UseSetting(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(AssessSetting(phraseGroups, kigoType, enkaMode));
}

void EverySetting(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"season", "night"});
    for (int night : {0, 1})
        for (int season = 0; season <= 4; ++season)
            b->Args({season, night});
}

BENCHMARK(BM_DrawAndCheckAttempts)->Apply(EverySetting);
BENCHMARK(BM_AcceptedPoem)->Apply(EverySetting);
BENCHMARK(BM_DecideFeasibility)->Apply(EverySetting);
BENCHMARK(BM_AssessAcceptanceRate)->Apply(EverySetting);

} // namespace
