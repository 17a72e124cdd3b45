// One whole deal: the eleven cards handed out with the real clock-seeded generator.
#include <benchmark/benchmark.h>

#include "fake_platform.h"

namespace {

void BM_Deal(benchmark::State& state) {
    tarolas::test::FakePlatform platform;
    tarolas::RandomSource random;
    tarolas::Jatek jatek{platform, random};
    jatek.Form_Load();
    for (auto _ : state) {
        jatek.ujjatszma();
        benchmark::DoNotOptimize(jatek.st.adulap);
    }
}
BENCHMARK(BM_Deal);

// Drawing the talon to its end: the last cards cost the most retries.
void BM_DealAndDrawTheTalon(benchmark::State& state) {
    tarolas::test::FakePlatform platform;
    tarolas::RandomSource random;
    tarolas::Jatek jatek{platform, random};
    for (auto _ : state) {
        jatek.ujjatszma();
        for (int i = 0; i < 10; ++i) benchmark::DoNotOptimize(jatek.lapgeneralo());
    }
}
BENCHMARK(BM_DealAndDrawTheTalon);

}  // namespace
