#pragma once

// Table geometry in twips (15 twips to a logical pixel), free of Qt so it is tested on its own.

#include <cstdint>

namespace tarolas {

inline constexpr int kTwipPerPixel = 15;

// What every redraw stores and the pointer handlers hit-test against.
struct Geometria {
    std::int32_t kezkezdet = 0;    // x of hand slot 0
    std::int32_t laptavolsag = 0;  // step between hand slots
    float lapmagassag = 0;         // card height
    double lapszelesseg = 0;       // card width
};

}  // namespace tarolas
