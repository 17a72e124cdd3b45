// What the card pictures cost: rendering every picture from its SVG after a resize, and the
// cached look-up that every later redraw does.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "table/card_images.h"

namespace {

void needApplication() {
    // Pixmaps need a GUI application; no screen is needed to render them.
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "card_images_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// All 20 faces and both backs at one card height, as after a resize (the SVGs are parsed once,
// before timing starts, as they are in the running game).
void BM_RenderAllPictures(benchmark::State& state) {
    needApplication();
    const int height = static_cast<int>(state.range(0));
    const QSize card(qRound(height / 1.6581196), height);
    CardImages images;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 5; ++rank) images.pakli(suit, rank, QSize(8, 13), 1.0);
    images.back(CardImages::Back::Upright, QSize(8, 13), 1.0);
    images.back(CardImages::Back::Crosswise, QSize(13, 8), 1.0);
    for (auto _ : state) {
        images.clear();
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 5; ++rank) benchmark::DoNotOptimize(images.pakli(suit, rank, card, 1.0));
        benchmark::DoNotOptimize(images.back(CardImages::Back::Upright, card, 1.0));
        benchmark::DoNotOptimize(images.back(CardImages::Back::Crosswise, card.transposed(), 1.0));
    }
    state.counters["pictures"] = benchmark::Counter(22.0 * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderAllPictures)->Arg(80)->Arg(194)->Arg(400)->Unit(benchmark::kMillisecond);

// One redraw's worth of look-ups once everything is cached.
void BM_CachedRedrawLookups(benchmark::State& state) {
    needApplication();
    const QSize card(117, 194);
    CardImages images;
    for (auto _ : state) {
        for (int c : {11, 22, 33, 44, 15, 21, 32, 43, 14, 25, 34})
            benchmark::DoNotOptimize(images.face(static_cast<tarolas::Kartya>(c), card, 1.0));
        for (int i = 0; i < 10; ++i) benchmark::DoNotOptimize(images.back(CardImages::Back::Crosswise, card.transposed(), 1.0));
    }
}
BENCHMARK(BM_CachedRedrawLookups);

}  // namespace
