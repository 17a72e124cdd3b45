// The keyboard's selection and the points its keys stand for, headless.

#include <gtest/gtest.h>

#include "table/hit_areas.h"
#include "table/keyboard.h"

namespace tarolas::test {
namespace {

TEST(Keyboard, SelectionSkipsEmptySlotsAndStopsAtTheEnds) {
    const std::array<Kartya, 5> kez{0, 22, 0, 45, 25}, ures{};
    const struct { int slot; Lepes lepes; int uj; } esetek[] = {
        {1, Lepes::Jobbra, 3}, {3, Lepes::Jobbra, 4}, {4, Lepes::Jobbra, 4}, {3, Lepes::Balra, 1},
        {1, Lepes::Balra, 1},  {4, Lepes::Elso, 1},   {1, Lepes::Utolso, 4},
        {2, Lepes::Jobbra, 4},  // slot 2 has just been played: the selection stood on slot 3
    };
    for (const auto& e : esetek) EXPECT_EQ(kivalasztas(kez, e.slot, e.lepes), e.uj) << e.slot;
    EXPECT_EQ(megtartott(kez, 2), 3);
    EXPECT_EQ(megtartott(std::array<Kartya, 5>{11, 0, 0, 0, 0}, 3), 0);
    EXPECT_EQ(kivalasztas(ures, 0, Lepes::Elso), -1);
}

// A key must play exactly the card it marks, and hit the trump card and the talon, on tables
// whose cards overlap, stand apart, or are barely wider than the steps between them.
TEST(Keyboard, EveryKeyPointLiesOnWhatItNames) {
    const std::array<Kartya, 5> kez{11, 22, 33, 44, 25};
    for (const auto& [W, H] : {std::pair{8100.0f, 5400.0f}, {6915.0f, 4920.0f}, {20000.0f, 3000.0f}, {3000.0f, 9000.0f}}) {
        const Geometria g = asztalGeometria(W, H);
        for (int j = 0; j < 5; ++j) {
            const Pont p = lapPontja(g, H, j);
            EXPECT_EQ(kezTalalat(g, H, kez, p.x, p.y).slot, j) << W << "x" << H << " slot " << j;
            const Teglalap r = jelolo(g, H, kez, j);
            EXPECT_TRUE(p.x > r.x && p.x < r.x + r.w && p.y > r.y && p.y < r.y + r.h);
        }
        const Pont a = aduPontja(g, H);
        EXPECT_TRUE(aduTerulet(g, H, a.x, a.y));
        for (int t : {1, 9}) {
            const Pont p = talonPontja(g, H, t);
            EXPECT_TRUE(talonTerulet(g, H, t, p.x, p.y)) << t;
        }
    }
}

}  // namespace
}  // namespace tarolas::test
