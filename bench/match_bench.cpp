// Whole deals against the computer, headless: dealing, the player's scripted moves, the computer's
// leads and replies, trick evaluation and scoring, with a window system that does nothing.
#include <benchmark/benchmark.h>

#include <random>

#include "fake_platform.h"
#include "simulation/scripted_player.h"

namespace {

using namespace tarolas;

// Answers every box at once and keeps nothing, so a long run does not grow.
struct CsendesAblak : test::FakePlatform {
    long leosztasok = 0;
    MsgResult messageBox(const std::string& text, MsgButtons b, bool) override {
        if (b == MsgButtons::YesNo) return MsgResult::Yes;  // matches go on for ever
        if (text.find("\rÉrtéke: ") != std::string::npos) ++leosztasok;
        return MsgResult::Ok;
    }
};

// Plays whole deals, one per iteration, with the scripted player against the computer.
void egeszLeosztasok(benchmark::State& state, RandomSource& lapok) {
    CsendesAblak ablak;
    std::mt19937 jatekos{2};
    Jatek jatek{ablak, lapok};
    jatek.Form_Load();
    jatek.ujjatek_Click();
    for (auto _ : state) {
        const long cel = ablak.leosztasok + 1;
        while (ablak.leosztasok < cel) test::egyetLep(jatek, jatekos);
    }
    state.counters["deals/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_WholeDeals(benchmark::State& state) {
    test::SeededRandom lapok{1};
    egeszLeosztasok(state, lapok);
}
BENCHMARK(BM_WholeDeals);

// The same with the clock-seeded card source the game uses.
void BM_WholeDealsClockSeeded(benchmark::State& state) {
    RandomSource lapok;
    egeszLeosztasok(state, lapok);
}
BENCHMARK(BM_WholeDealsClockSeeded);

}  // namespace
