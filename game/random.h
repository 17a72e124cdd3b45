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

    // Where the numbers stand, so a saved match draws on as it would have.
    struct Allapot {
        std::uint64_t allapot = 0;
        std::uint64_t ujravetesek = 0;
        bool operator==(const Allapot&) const = default;
    };
    virtual Allapot allapot() const { return {state_, reseeds_}; }
    virtual void beallit(const Allapot& a) {
        state_ = a.allapot;
        reseeds_ = a.ujravetesek;
    }

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
    std::uint64_t reseeds_ = 0;
};

}  // namespace tarolas
