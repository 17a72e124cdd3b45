// Saving the match after a move, as the window does it (a whole new file through QSaveFile, into the
// data folder's file system), and reading it back at the start. The file's size is a counter.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include "fake_platform.h"
#include "simulation/scripted_player.h"
#include "store/store.h"

namespace {

using namespace tarolas;

// A match in the middle of its second deal, with cards shown and given away on both sides.
Mentes kozepen() {
    test::FakePlatform ablak;
    test::SeededRandom lapok{5};
    Jatek jatek{ablak, lapok};
    std::mt19937 rng{5};
    jatek.Form_Load();
    jatek.ujjatek_Click();
    while (jatek.st.egyseg == std::array<std::int16_t, 2>{} || jatek.st.kezben(kJatekos) > 3) test::egyetLep(jatek, rng);
    return {jatek.pillanatkep(), {}};
}

// Times each save, also its worst, and puts its file's size beside it; `utana` runs outside the timing.
template <class Mentes_, class Utana>
void mentesIdo(benchmark::State& state, Mentes_ ment, Utana utana) {
    QTemporaryDir d(QDir::homePath() + QStringLiteral("/.tarolas-bench-XXXXXX"));
    Tarolo t(d.path());
    const Mentes m = kozepen();
    double legrosszabb = 0;
    for (auto _ : state) {
        const auto kezd = std::chrono::steady_clock::now();
        ment(t, m);
        const double mp = std::chrono::duration<double>(std::chrono::steady_clock::now() - kezd).count();
        legrosszabb = std::max(legrosszabb, mp);
        state.SetIterationTime(mp);
        utana(t);
    }
    state.counters["worst_us"] = legrosszabb * 1e6;
    state.counters["bytes"] = static_cast<double>(QFile(d.filePath("match.json")).size());
}

// Saved next to $HOME, where the game's folder is, so the disk is the player's: the whole write,
// flushed to the disk, as the saving thread does it.
void BM_MeccsMentes(benchmark::State& state) {
    mentesIdo(
        state, [&state](Tarolo& t, const Mentes& m) { if (!t.meccsMentes(m)) state.SkipWithError("could not save"); },
        [](Tarolo&) {});
}
BENCHMARK(BM_MeccsMentes)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(1000)->Repetitions(5);

// The window's share of a save: the text made and handed to the saving thread, which is then
// waited for outside the timing.
void BM_MentesAblakban(benchmark::State& state) {
    mentesIdo(state, [](Tarolo& t, const Mentes& m) { t.meccsMentesHatterben(m); }, [](Tarolo& t) { t.bevar(); });
}
BENCHMARK(BM_MentesAblakban)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(1000)->Repetitions(5);

void BM_MeccsBetoltes(benchmark::State& state) {
    const QByteArray szoveg = meccsSzoveg(kozepen());
    for (auto _ : state) benchmark::DoNotOptimize(meccsbol(szoveg));
}
BENCHMARK(BM_MeccsBetoltes)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
