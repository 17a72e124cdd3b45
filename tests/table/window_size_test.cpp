// The first window's size on screens from small to 4K.

#include <gtest/gtest.h>

#include "table/window_size.h"

namespace tarolas::test {
namespace {

TEST(FirstWindow, ScaledToTheScreenSameShapeNeverBelowItsOwnSize) {
    const Meret terv{461, 369};
    const struct { Meret hely, ablak; } esetek[] = {
        {{320, 240}, {299, 240}},     // too small: shrunk to fit, as before
        {{400, 600}, {400, 320}},     // too narrow
        {{461, 369}, {461, 369}},     // just the table's own size
        {{800, 576}, {461, 369}},     // 800 x 600 less a panel: 60 % is less than that
        {{1280, 1024}, {768, 614}},   // 60 % of the height
        {{1920, 1080}, {810, 648}},   // 1080p, and 4K at scale 2
        {{1080, 1920}, {648, 519}},   // upright: 60 % of the width
    };
    for (const auto& e : esetek) EXPECT_EQ(elsoAblak(terv, e.hely), e.ablak) << e.hely.w << "x" << e.hely.h;
}

}  // namespace
}  // namespace tarolas::test
