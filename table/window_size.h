#pragma once

// The first window's size, free of Qt so it is tested on its own.

namespace tarolas {

struct Meret {
    int w = 0, h = 0;
    bool operator==(const Meret&) const = default;
};

// The share of the available height the table's own size filled on the 800 x 600 screens it was
// laid out for; a larger screen gets a window scaled up to fill the same share.
inline constexpr double kKepernyoResz = 0.6;

// The first window for the table's own size `terv` on an available area `hely` (logical pixels):
// scaled up, same shape, to about 60 % of the height (and never over 60 % of the width) where
// there is room; `terv` itself where that is no larger; shrunk to fit, same shape, where `terv`
// does not fit.
Meret elsoAblak(Meret terv, Meret hely);

}  // namespace tarolas
