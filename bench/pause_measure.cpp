// CPU cost of the game's pause: runs 20 pauses (varakozas) of the main window and prints the wall
// time and the process's CPU time over them. The pause waits in an event loop, so the CPU share
// should stay near zero.
#include <sys/resource.h>

#include <QApplication>
#include <chrono>
#include <cstdio>

#include "table/form1.h"

namespace {
double cpuSeconds() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return s(r.ru_utime) + s(r.ru_stime);
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form1 ablak;
    ablak.show();
    QApplication::processEvents();

    constexpr int kSzunetek = 20;
    const double cpu0 = cpuSeconds();
    const auto fal0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kSzunetek; ++i) ablak.varakozas();
    const double fal = std::chrono::duration<double>(std::chrono::steady_clock::now() - fal0).count();
    const double cpu = cpuSeconds() - cpu0;

    std::printf("pauses: %d\nwall time: %.3f s (%.1f ms per pause)\nCPU time: %.4f s\nCPU share: %.2f %%\n", kSzunetek,
                fal, 1000 * fal / kSzunetek, cpu, 100 * cpu / fal);
    return 0;
}
