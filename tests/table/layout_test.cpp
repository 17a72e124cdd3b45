#include <gtest/gtest.h>

#include <tuple>

#include "game/cards.h"
#include "table/layout.h"

namespace tarolas {
namespace {

constexpr auto A = FestettLap::Kep::Arc, B = FestettLap::Kep::Hatlap;

// The table of 6915 x 4920 twips the numbers below are worked out for.
constexpr float kW = 6915, kH = 4920;
const Geometria g = asztalGeometria(kW, kH);
const auto w = static_cast<float>(g.lapszelesseg);

GameState allas(std::int16_t talonszam, Lista asztal, Lista gepvitt, Lista jatekosvitt) {
    GameState st;
    std::tie(st.adu, st.adulap, st.talonszam) = std::tuple(Piros, 12, talonszam);
    st.kezek = {{{11, 23, 34, 33, 45}, {13, 14, 22, 41, 35}}};
    std::tie(st.asztal, st.gepvittlapok, st.jatekosvittlapok) = std::tie(asztal, gepvitt, jatekosvitt);
    return st;
}

// The painted pictures in order: "A13" a face, "B" an upright back, "K" a crosswise one.
std::string sorrend(const std::vector<FestettLap>& lapok) {
    std::string s;
    for (const auto& l : lapok) s += (l.kep == A ? "A" + std::to_string(l.kartya) : l.kep == B ? "B" : "K") + " ";
    return s;
}

TEST(TableLayout, WorkedExampleToTheTwip) {
    EXPECT_EQ(std::tie(g.kezkezdet, g.laptavolsag, g.lapmagassag), std::make_tuple(2305, 384, 1230.0f));
    EXPECT_NEAR(g.lapszelesseg, 741.8, 0.05);
    EXPECT_EQ(asztalGeometria(405, 1000).laptavolsag, 22);  // 22.5 rounds to even

    const GameState st = allas(9, {24}, {21}, {31});
    const auto lapok = festettLapok(st, g, kW, kH);
    ASSERT_EQ(lapok.size(), 23u);  // trump, 9 talon, 10 in hand, 1 trick, 2 piles
    EXPECT_EQ(lapok[0], (FestettLap{A, 12, 307.5f, 1845, w, 1230}));
    EXPECT_EQ(lapok[10], (FestettLap{B, 0, 2305, 100, w, 1230}));
    EXPECT_EQ(lapok[19], (FestettLap{A, 35, 2305 + 4 * 384, 3590, w, 1230}));
    EXPECT_NEAR(lapok[20].x, 3086.6, 0.05);  // the trick card
    EXPECT_EQ(lapok[20].y, 1845.0f);
    EXPECT_EQ(lapok[21], (FestettLap{B, 0, 106, 118, w, 1230}));
    EXPECT_EQ(lapok[22], (FestettLap{B, 0, 106, 3568, w, 1230}));
    const TalonFelirat f = talonFelirat(st, g, kH);
    EXPECT_EQ(std::tie(f.left, f.top, f.width, f.caption), std::make_tuple(100.0f, 1518.0f, 1248.0f, "9 kártya"));
}

TEST(TableLayout, PaintingOrderFacesAndGaps) {
    GameState st = allas(2, {24, 22}, {21, 25}, {31, 32, 15});
    st.kezek = {{{11, 0, 34, 33, 45}, {13, 14, 0, 41, 35}}};
    // Empty slots leave gaps; slot by slot the player's card follows the computer's.
    auto lapok = festettLapok(st, g, kW, kH);
    EXPECT_EQ(sorrend(lapok), "A12 K K B A13 A14 B B A41 B A35 A24 A22 B B B B B ");
    EXPECT_EQ(lapok[8].x, 2305.0f + 3 * 384);
    EXPECT_NEAR(lapok[11].x, 2901.1, 0.06);  // a trick of two
    EXPECT_NEAR(lapok[12].x, 3272.0, 0.06);
    EXPECT_EQ(lapok.back().x, 118.0f);
    // Showing a marriage turns the two slots face up and stacks the piles 2 twips apart.
    const std::array<std::int16_t, 2> felfordit{3, 4};
    lapok = festettLapok(st, g, kW, kH, &felfordit);
    EXPECT_EQ(sorrend(lapok), "A12 K K B A13 A14 B A33 A41 A45 A35 A24 A22 B B B B B ");
    EXPECT_EQ(lapok[9], (FestettLap{A, 45, 2305 + 4 * 384, 100, w, 1230}));
    EXPECT_EQ(lapok[14], (FestettLap{B, 0, 104, 116, w, 1230}));
    EXPECT_EQ(lapok.back(), (FestettLap{B, 0, 106, 4920 - 1230 - 120 - 6, w, 1230}));
    // Closed: the turned-down trump card lies on the talon; without a trump card, no cover.
    st.takart = true;
    lapok = festettLapok(st, g, kW, kH);
    EXPECT_EQ(sorrend(lapok), "K K B B A13 A14 B B A41 B A35 A24 A22 B B B B B ");
    EXPECT_EQ(lapok[2], (FestettLap{B, 0, 307.5f, 1845, w, 1230}));
    st.adulap = 0;
    EXPECT_EQ(sorrend(festettLapok(st, g, kW, kH)), "K K B A13 A14 B B A41 B A35 A24 A22 B B B B B ");
}

TEST(TableLayout, ButtonRowIsCentredAndHiddenButtonsWaitInIt) {
    const float top = kH - 1230 - 160 - 255;
    // "Tarolás" and "40" at the start of a deal; then "Kész" alone.
    EXPECT_EQ(gombsor({true, true, false, false}, 6000, kH, 1230),
              (std::array<GombHely, 4>{{{2385, top}, {3240, top}, {3615, top}, {3615, top}}}));
    for (const GombHely& hely : gombsor({false, false, false, true}, 6000, kH, 1230))
        EXPECT_EQ(hely, (GombHely{2752.5f, top}));
}

}  // namespace
}  // namespace tarolas
