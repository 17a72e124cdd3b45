#include "window_size.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarolas {

Meret elsoAblak(Meret terv, Meret hely) {
    if (terv.w <= 0 || terv.h <= 0 || hely.w <= 0 || hely.h <= 0) return terv;
    if (terv.w > hely.w || terv.h > hely.h) {
        // The largest window of the same shape that fits, whole pixels rounded down.
        const std::int64_t w = std::int64_t{hely.h} * terv.w / terv.h;
        if (w <= hely.w) return {static_cast<int>(w), hely.h};
        return {hely.w, static_cast<int>(std::int64_t{hely.w} * terv.h / terv.w)};
    }
    const double k = kKepernyoResz * std::min(static_cast<double>(hely.w) / terv.w, static_cast<double>(hely.h) / terv.h);
    if (k <= 1) return terv;
    return {static_cast<int>(std::lround(terv.w * k)), static_cast<int>(std::lround(terv.h * k))};
}

}  // namespace tarolas
