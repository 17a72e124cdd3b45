// A full table redraw with the card pictures already rendered, alone and with the table's repaint
// that puts its cards on screen. Also the first redraw at a new card size, for comparison.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QMenuBar>
#include <QTimer>

#include "access/accessibility.h"
#include "mid_deal.h"
#include "table/form1.h"
#include "table/table_widget.h"

namespace {

// The window sized so that its client area (table and status bar) is W x H logical pixels, and
// left alone long enough for the cards of the new size to be rendered.
void meretez(Form1& w, int W, int H) {
    w.resize(W, H + w.menuBar()->sizeHint().height());
    QEventLoop hurok;
    QTimer::singleShot(300, &hurok, &QEventLoop::quit);
    hurok.exec();
}

// A window on screen at the benchmark's size with a deal half-way through.
void asztal(Form1& w, const benchmark::State& state) {
    akadalymentesseg(w);  // as in the game: a redraw also renews what screen readers read
    w.show();
    meretez(w, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    kozepe(w);
}

// With `festve` each redraw is followed by the table's repaint that puts its cards on screen.
void BM_RedrawWarm(benchmark::State& state, bool festve) {
    Form1 w;
    asztal(w, state);
    w.ujrarajzol();
    meretez(w, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (festve) w.Picture3->repaint();
    const int renders = w.pakli.renderCount();
    for (auto _ : state) {
        w.ujrarajzol();
        if (festve) w.Picture3->repaint();
    }
    if (w.pakli.renderCount() != renders) state.SkipWithError("a warm redraw rendered a card picture");
    state.counters["table_px"] = w.Picture3->width() * w.Picture3->height();
}
BENCHMARK_CAPTURE(BM_RedrawWarm, alone, false)->Args({461, 348})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RedrawWarm, painted, true)->Args({461, 348})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

void BM_RedrawCold(benchmark::State& state) {
    Form1 w;
    asztal(w, state);
    for (auto _ : state) {
        w.pakli.clear();
        w.ujrarajzol();
    }
}
BENCHMARK(BM_RedrawCold)->Args({461, 348})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
