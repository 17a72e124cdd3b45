// Hit-testing the table without a window, at the exact edges in twips: every comparison is
// strict, so a point on an edge belongs to neither side.

#include <gtest/gtest.h>

#include "table/hit_areas.h"

namespace tarolas {
namespace {

// 6915 x 4920 twips: L 2305, S 384, w ~741.8, hand row (3590, 4820); the cards overlap.
const Geometria G1 = asztalGeometria(6915, 4920);

TEST(HitAreas, HandStrips) {
    // 8100 x 2700: L 2700, S 450, w ~407.1, a 43-twip gap; 3000 x 6000: L 1000, S 167, w ~904.6.
    const Geometria G2 = asztalGeometria(8100, 2700), G3 = asztalGeometria(3000, 6000);
    const std::array<Kartya, 5> teli{11, 22, 33, 44, 45};
    const struct { const Geometria* g; float H; std::array<Kartya, 5> kez; float x, y; int slot; } esetek[] = {
        {&G1, 4920, teli, 2400, 3590, -1},  // the top of the row
        {&G1, 4920, teli, 2305, 4000, -1},  // X = L
        {&G1, 4920, teli, 2305.5f, 4000, 0},
        {&G1, 4920, teli, 2689, 4000, -1},  // X = L + S plays nothing, just right of it slot 1
        {&G1, 4920, teli, 2689.25f, 4000, 1},
        {&G1, 4920, teli, 3841.5f, 4000, 4},  // slot 4 offers its whole card: L + 4S to L + 4S + w
        {&G1, 4920, teli, 4582.5f, 4000, 4},
        {&G1, 4920, teli, 4583, 4000, -1},
        {&G2, 2700, teli, 3106.5f, 2000, 0},  // the gap after slot 0 is nobody's
        {&G2, 2700, teli, 3107, 2000, -1},
        // A played slot's strip goes to the nearest card on its left that reaches the point.
        {&G1, 4920, {11, 0, 33, 44, 45}, 3046.5f, 4000, 0},
        {&G1, 4920, {11, 0, 33, 44, 45}, 3047, 4000, -1},
        {&G3, 6000, {11, 22, 0, 0, 45}, 1600, 5000, 1},  // on slot 3's strip
        {&G3, 6000, {11, 0, 0, 0, 45}, 1600, 5000, 0},
        {&G1, 4920, {0, 22, 33, 44, 45}, 2400, 4000, -1},  // an empty slot 0 ends the search
    };
    for (const auto& e : esetek) {
        const KezTalalat t = kezTalalat(*e.g, e.H, e.kez, e.x, e.y);
        EXPECT_EQ(t.slot, e.slot) << e.x << "," << e.y << " slots 0-1: " << e.kez[0] << " " << e.kez[1];
        EXPECT_EQ(t.ures0, e.kez[0] == 0) << e.x << "," << e.y;
    }
}

TEST(HitAreas, TrumpTalonAndPiles) {
    // A point just inside the top left or the bottom right corner, and its neighbours outside.
    const auto adu = [](float x, float y) { return aduTerulet(G1, 4920, x, y); };
    const auto talon9 = [](float x, float y) { return talonTerulet(G1, 4920, 9, x, y); };
    const auto talon1 = [](float x, float y) { return talonTerulet(G1, 4920, 1, x, y); };
    const auto gepe = [](float x, float y) { return vittTerulet(G1, 4920, kGep, 0, x, y); };
    const auto jatekose = [](float x, float y) { return vittTerulet(G1, 4920, kJatekos, 4, x, y); };
    const struct { bool (*terulet)(float, float); float x, y, dx, dy; } esetek[] = {
        {adu, 308, 1846, -0.5f, -1},  // the upper half only: 307.5 < X < 1049.3, 1845 < Y < 2460
        {adu, 1049, 2459.5f, 0.5f, 0.5f},
        {talon9, 119, 2515, -1, -1},  // 118 < X < 1348, 2514 < Y < 3255.8
        {talon9, 1347.5f, 3255.5f, 0.5f, 0.5f},
        {talon1, 103, 2467, -1, -1},  // 102 < X < 1332, 2466 < Y < 3207.8
        {talon1, 1331.5f, 3207.5f, 0.5f, 0.5f},
        {gepe, 101, 121, -1, -1},  // empty: 100 < X < 841.8, 120 < Y < 1350
        {gepe, 841.5f, 1349.5f, 0.5f, 0.5f},
        {jatekose, 125, 3563, -1, -1},  // four cards: 124 < X < 865.8, 3562 < Y < 4792
        {jatekose, 865.5f, 4791.5f, 0.5f, 0.5f},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(testing::Message() << "area " << &e - esetek << " at " << e.x << "," << e.y);
        EXPECT_TRUE(e.terulet(e.x, e.y));
        EXPECT_FALSE(e.terulet(e.x + e.dx, e.y));
        EXPECT_FALSE(e.terulet(e.x, e.y + e.dy));
    }
}

}  // namespace
}  // namespace tarolas
