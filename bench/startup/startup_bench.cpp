// The program's start beside a bare Qt 6 window, on a private Xvfb with a
// session bus and no window manager, the two started by turns:
//  - first window: the time from exec to the first MapNotify on the root
//    window, median of nine runs each (target: at most 1.15 times the bare
//    window's);
//  - memory: resident memory on the card after the first poem with the music
//    switched off, against the bare window's once it is shown (target: at
//    most 30 MB above it); with it the CPU the card takes while idle and
//    during a reveal with the music off (targets: 0, under 1 % of a core).
// The program runs in data/. --program=PATH measures another build of it;
// --under="heaptrack -o FILE" runs it under a profiler for the memory
// measurement, which then keeps the card's allocations as they are after
// the first poem by ending it abruptly.
#include "card_drive.h"
#include "child_process.h"
#include "private_display.h"
#include "root_watch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <signal.h>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kFirstWindowRuns = 9;
constexpr int kMemoryRuns = 3;
constexpr auto kIdleMeasure = 5s;

std::string gProgram = GIEICHO_PROGRAM; // set by --program
std::vector<std::string> gProfiler; // set by --under

struct Session
{
    PrivateDisplay display;
    RootWatch watch{display.Name()};
};

Session &TheSession()
{
    static Session session;
    return session;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

ChildProcess::Start StartOf(const char *program, bool profiled = false)
{
    std::vector<std::string> command = profiled ? gProfiler : std::vector<std::string>();
    command.emplace_back(program);
    return {command, TheSession().display.Environment(), GIEICHO_DATA_FOLDER, false};
}

// Exec to the first window mapped on the root; the program ends then.
double FirstWindowMilliseconds(const char *program)
{
    RootWatch &watch = TheSession().watch;
    watch.Forget();
    const Clock::time_point start = Clock::now();
    ChildProcess child(StartOf(program));
    const auto mapped = watch.NextMap(start + 30s);
    if (!mapped)
        throw std::runtime_error(std::string(program) + " showed no window");
    child.Stop();
    watch.WaitForUnmap(mapped->window, Clock::now() + 5s);
    return Milliseconds(mapped->at - start);
}

// Waits until the program has used no CPU for half a second.
void WaitUntilIdle(ChildProcess &child)
{
    const auto deadline = Clock::now() + 20s;
    auto used = child.CpuTime();
    auto quietSince = Clock::now();
    while (Clock::now() < deadline && Clock::now() - quietSince < 500ms) {
        std::this_thread::sleep_for(50ms);
        const auto now = child.CpuTime();
        if (now != used)
            quietSince = Clock::now();
        used = now;
    }
}

double CpuPercent(std::chrono::nanoseconds used, Clock::duration over)
{
    return 100.0 * double(used.count()) / double(std::chrono::duration_cast<std::chrono::nanoseconds>(over).count());
}

void BM_FirstWindow(benchmark::State &state)
{
    std::vector<double> bare;
    std::vector<double> program;
    for (auto _ : state) {
        // Once each first, so both start from warm caches.
        FirstWindowMilliseconds(BARE_QT_WINDOW);
        FirstWindowMilliseconds(gProgram.c_str());
        for (int run = 0; run < kFirstWindowRuns; ++run) {
            bare.push_back(FirstWindowMilliseconds(BARE_QT_WINDOW));
            program.push_back(FirstWindowMilliseconds(gProgram.c_str()));
        }
        state.SetIterationTime(Median(program) / 1000);
    }
    const double bareMedian = Median(bare);
    const double programMedian = Median(program);
    state.counters["bare_ms"] = bareMedian;
    state.counters["splash_ms"] = programMedian;
    state.counters["ratio"] = programMedian / bareMedian;
    std::printf("first window: bare Qt window %.1f ms, splash %.1f ms (medians of %d), ratio %.2f (target <= 1.15)\n",
                bareMedian, programMedian, kFirstWindowRuns, programMedian / bareMedian);
}
BENCHMARK(BM_FirstWindow)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

double BareWindowMegabytes()
{
    RootWatch &watch = TheSession().watch;
    watch.Forget();
    ChildProcess child(StartOf(BARE_QT_WINDOW));
    const auto mapped = watch.NextMap(Clock::now() + 30s);
    if (!mapped)
        throw std::runtime_error("the bare window did not show");
    WaitUntilIdle(child);
    const double megabytes = child.ResidentMegabytes();
    child.Stop();
    watch.WaitForUnmap(mapped->window, Clock::now() + 5s);
    return megabytes;
}

struct CardFigures
{
    double megabytes = 0;
    double idleCpuPercent = 0;
    double revealCpuPercent = 0;
};

CardFigures CardAfterFirstPoem(bool profiled)
{
    Session &session = TheSession();
    session.watch.Forget();
    CardDrive drive(session.watch, session.display.Environment());
    ChildProcess child(StartOf(gProgram.c_str(), profiled));
    const xcb_window_t card = drive.ToFirstPoem();
    if (!card)
        throw std::runtime_error("the program did not reach its first poem");
    if (!drive.SwitchMusicOff(card))
        throw std::runtime_error("the card's menu did not switch the music off");
    WaitUntilIdle(child);

    CardFigures figures;
    figures.megabytes = child.ResidentMegabytes();
    if (profiled) {
        // The profiler keeps what is still allocated when the program ends.
        if (const uint32_t pid = session.watch.ProcessOf(card))
            kill(pid_t(pid), SIGKILL);
        return figures;
    }
    const auto idleFrom = Clock::now();
    const auto idleUsed = child.CpuTime();
    std::this_thread::sleep_for(kIdleMeasure);
    figures.idleCpuPercent = CpuPercent(child.CpuTime() - idleUsed, Clock::now() - idleFrom);

    const auto revealFrom = Clock::now();
    const auto revealUsed = child.CpuTime();
    if (!drive.NextPoem(card))
        throw std::runtime_error("the second poem was not revealed");
    figures.revealCpuPercent = CpuPercent(child.CpuTime() - revealUsed, Clock::now() - revealFrom);

    session.watch.AskToClose(card);
    session.watch.WaitForUnmap(card, Clock::now() + 5s);
    return figures;
}

void BM_CardMemory(benchmark::State &state)
{
    std::vector<double> bare;
    std::vector<double> card;
    std::vector<double> idle;
    std::vector<double> reveal;
    for (auto _ : state) {
        const int runs = gProfiler.empty() ? kMemoryRuns : 1;
        for (int run = 0; run < runs; ++run) {
            bare.push_back(BareWindowMegabytes());
            const CardFigures figures = CardAfterFirstPoem(!gProfiler.empty());
            card.push_back(figures.megabytes);
            idle.push_back(figures.idleCpuPercent);
            reveal.push_back(figures.revealCpuPercent);
        }
    }
    const double bareMedian = Median(bare);
    const double cardMedian = Median(card);
    state.counters["bare_MB"] = bareMedian;
    state.counters["card_MB"] = cardMedian;
    state.counters["above_MB"] = cardMedian - bareMedian;
    state.counters["idle_cpu_pct"] = Median(idle);
    state.counters["reveal_cpu_pct"] = Median(reveal);
    std::printf("memory: bare Qt window %.1f MB, card after the first poem %.1f MB, %.1f MB above (target <= 30);"
                " card idle %.2f %%, reveal %.2f %% of a core (targets 0 and < 1)\n",
                bareMedian, cardMedian, cardMedian - bareMedian, Median(idle), Median(reveal));
}
BENCHMARK(BM_CardMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument.rfind("--program=", 0) == 0) {
            gProgram = std::filesystem::absolute(argument.substr(10)).string();
        } else if (argument.rfind("--under=", 0) == 0) {
            std::istringstream words(argument.substr(8));
            for (std::string word; words >> word;)
                gProfiler.push_back(word);
        } else {
            std::fprintf(stderr, "startup_bench: unknown argument %s\n", argv[index]);
            return 2;
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
