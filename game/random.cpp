#include "random.h"

#include <chrono>

namespace tarolas {

namespace {
std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

void RandomSource::reseedFromClock() {
    // The clock may read the same twice in a row; counting the reseeds keeps two such seeds apart,
    // and the mixing makes neighbouring readings give unrelated numbers.
    const auto most = std::chrono::system_clock::now().time_since_epoch();
    std::uint64_t x = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(most).count());
    x ^= ++reseeds_ * 0xD1B54A32D192ED03ull;
    state_ = splitmix64(x);
}

float RandomSource::next() {
    // 24 random bits fill a float's mantissa exactly, so the result is uniform and below 1.
    return static_cast<float>(splitmix64(state_) >> 40) * (1.0f / 16777216.0f);
}

}  // namespace tarolas
