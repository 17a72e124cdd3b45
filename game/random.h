#pragma once

#include <cstdint>

namespace tarolas {

// Uniform floats in [0, 1), reseeded from the clock. Usable as it is; tests derive from it to
// script the numbers.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock();
    virtual float next();

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
    std::uint64_t reseeds_ = 0;
};

}  // namespace tarolas
