// How long the strong opponent takes to decide, and the player's hint to come, one thread, at the
// settings the game uses, over tables from every phase of a deal: talon open early and late, talon
// closed, talon used up.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <ctime>

#include "fake_platform.h"
#include "simulation/scripted_player.h"

namespace {

using namespace tarolas;

enum Szakasz { Korai, Keso, Takart, Elfogyott, Mind };

bool illik(const GameState& st, Szakasz sz) {
    switch (sz) {
    case Korai: return !st.takart && st.talonszam >= 5;
    case Keso: return !st.takart && st.talonszam > 0 && st.talonszam < 5;
    case Takart: return st.takart;
    case Elfogyott: return st.talonszam == 0;
    default: return true;
    }
}

const std::vector<GameState>& helyzetek() {
    static const std::vector<GameState> h = [] {
        test::Dontesek g;
        test::lejatszik(g, 3, [&] { return g.helyzetek.size() < 400; });
        return g.helyzetek;
    }();
    return h;
}

// Every table of the phase once per iteration; median and worst single decision as counters.
void BM_StrongDecision(benchmark::State& state) {
    const auto sz = static_cast<Szakasz>(state.range(0));
    std::vector<const GameState*> tablak;
    for (const GameState& st : helyzetek())
        if (illik(st, sz)) tablak.push_back(&st);
    eros::Beallitas b;
    std::vector<double> idok;
    for (auto _ : state) {
        for (const GameState* st : tablak) {
            const auto t0 = std::chrono::steady_clock::now();
            if (st->asztal.empty()) benchmark::DoNotOptimize(eros::hivas(*st, b));
            else benchmark::DoNotOptimize(eros::valasz(*st, b));
            idok.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        }
    }
    std::sort(idok.begin(), idok.end());
    state.counters["tables"] = static_cast<double>(tablak.size());
    state.counters["median_ms"] = idok[idok.size() / 2];
    state.counters["worst_ms"] = idok.back();
}
BENCHMARK(BM_StrongDecision)->DenseRange(Korai, Mind)->Unit(benchmark::kMillisecond);

// The thread's own processor time: on a shared machine the wall clock also counts the waits.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The same for the hint, over tables at the player's move; the processor time per hint beside it.
void BM_Hint(benchmark::State& state) {
    static const std::vector<GameState> lepesek = test::jatekosLepesei(3, 400);
    const auto sz = static_cast<Szakasz>(state.range(0));
    test::Proba p{GameState{}};
    std::vector<double> idok, cpu;
    int tablak = 0;
    for (auto _ : state) {
        for (const GameState& st : lepesek) {
            if (!illik(st, sz)) continue;
            ++tablak;
            p.jatek.st = st;
            const auto t0 = std::chrono::steady_clock::now();
            const double c0 = cpuMs();
            benchmark::DoNotOptimize(p.jatek.tipp());
            cpu.push_back(cpuMs() - c0);
            idok.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        }
    }
    std::sort(idok.begin(), idok.end());
    std::sort(cpu.begin(), cpu.end());
    state.counters["tables"] = static_cast<double>(tablak) / static_cast<double>(state.iterations());
    state.counters["median_ms"] = idok[idok.size() / 2];
    state.counters["worst_ms"] = idok.back();
    state.counters["median_cpu_ms"] = cpu[cpu.size() / 2];
    state.counters["worst_cpu_ms"] = cpu.back();
}
BENCHMARK(BM_Hint)->DenseRange(Korai, Mind)->Unit(benchmark::kMillisecond);

}  // namespace
