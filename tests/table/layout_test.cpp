#include <gtest/gtest.h>

#include "game/jatek.h"
#include "table/layout.h"

namespace tarolas {
namespace {

using Kep = FestettLap::Kep;

// The table of 6915 x 4920 twips the numbers below are worked out for.
constexpr float kW = 6915, kH = 4920;

GameState asztalAllas() {
    GameState st;
    st.adu = Piros;
    st.adulap = 12;
    st.talonszam = 9;
    st.kezek = {{{11, 23, 34, 33, 45}, {13, 14, 22, 41, 35}}};
    return st;
}

const FestettLap* elso(const std::vector<FestettLap>& lapok, Kep kep, Kartya c = 0) {
    for (const auto& l : lapok)
        if (l.kep == kep && l.kartya == c) return &l;
    return nullptr;
}

TEST(TableLayout, WorkedExampleToTheTwip) {
    const Geometria g = asztalGeometria(kW, kH);
    EXPECT_EQ(g.kezkezdet, 2305);
    EXPECT_EQ(g.laptavolsag, 384);
    EXPECT_EQ(g.lapmagassag, 1230.0f);
    EXPECT_NEAR(g.lapszelesseg, 741.8, 0.05);

    GameState st = asztalAllas();
    st.asztal = {24};
    st.gepvittlapok = {21};
    st.jatekosvittlapok = {31};
    auto lapok = festettLapok(st, g, kW, kH);

    const FestettLap* adu = elso(lapok, Kep::Arc, 12);
    ASSERT_NE(adu, nullptr);
    EXPECT_EQ(adu->x, 307.5f);
    EXPECT_EQ(adu->y, 1845.0f);
    EXPECT_EQ(elso(lapok, Kep::Hatlap)->y, 100.0f);  // the computer's slot 0
    EXPECT_EQ(elso(lapok, Kep::Arc, 13)->y, 3590.0f);
    EXPECT_EQ(elso(lapok, Kep::Arc, 13)->x, 2305.0f);
    EXPECT_EQ(elso(lapok, Kep::Arc, 35)->x, 2305.0f + 4 * 384);
    EXPECT_NEAR(elso(lapok, Kep::Arc, 24)->x, 3086.6, 0.05);
    EXPECT_EQ(elso(lapok, Kep::Arc, 24)->y, 1845.0f);
    // The piles come last: the computer's card, then the player's.
    EXPECT_EQ(lapok[lapok.size() - 2], (FestettLap{Kep::Hatlap, 0, 106, 118, adu->w, 1230}));
    EXPECT_EQ(lapok.back(), (FestettLap{Kep::Hatlap, 0, 106, 3568, adu->w, 1230}));

    st.asztal = {24, 42};
    lapok = festettLapok(st, g, kW, kH);
    EXPECT_NEAR(elso(lapok, Kep::Arc, 24)->x, 2901.1, 0.06);
    EXPECT_NEAR(elso(lapok, Kep::Arc, 42)->x, 3272.0, 0.06);

    const TalonFelirat felirat = talonFelirat(st, g, kH);
    EXPECT_EQ(felirat.left, 100.0f);
    EXPECT_EQ(felirat.top, 1518.0f);
    EXPECT_EQ(felirat.width, 1248.0f);
    EXPECT_EQ(felirat.caption, "9 kártya");
}

TEST(TableLayout, WholeTwipsRoundHalfToEven) {
    // 135 / 18 = 7.5 and 405 / 18 = 22.5: both go to the even neighbour.
    EXPECT_EQ(asztalGeometria(135, 1000).laptavolsag, 8);
    EXPECT_EQ(asztalGeometria(405, 1000).laptavolsag, 22);
    EXPECT_EQ(asztalGeometria(405, 1000).kezkezdet, 135);
}

TEST(TableLayout, PaintingOrderAndFaces) {
    const Geometria g = asztalGeometria(kW, kH);
    GameState st = asztalAllas();
    st.talonszam = 2;
    st.kezek = {{{11, 0, 34, 33, 45}, {13, 14, 0, 41, 35}}};
    st.asztal = {24, 22};
    st.gepvittlapok = {21, 25};
    st.jatekosvittlapok = {31, 32};

    auto sorrend = [](const std::vector<FestettLap>& lapok) {
        std::vector<std::pair<Kep, Kartya>> s;
        for (const auto& l : lapok) s.emplace_back(l.kep, l.kartya);
        return s;
    };
    using S = std::vector<std::pair<Kep, Kartya>>;
    const auto B = Kep::Hatlap, A = Kep::Arc, K = Kep::Keresztlap;
    // Empty slots leave gaps; slot by slot the player's card follows the computer's.
    EXPECT_EQ(sorrend(festettLapok(st, g, kW, kH)),
              (S{{A, 12}, {K, 0}, {K, 0}, {B, 0}, {A, 13}, {A, 14}, {B, 0}, {B, 0}, {A, 41}, {B, 0}, {A, 35},
                 {A, 24}, {A, 22}, {B, 0}, {B, 0}, {B, 0}, {B, 0}}));
    EXPECT_EQ(elso(festettLapok(st, g, kW, kH), A, 41)->x, static_cast<float>(2305 + 3 * 384));

    // Closed: the turned-down trump card lies on the talon.
    st.takart = true;
    auto lapok = festettLapok(st, g, kW, kH);
    EXPECT_EQ(sorrend(lapok)[0], std::make_pair(K, Kartya{0}));
    EXPECT_EQ(lapok[2], (FestettLap{B, 0, 307.5f, 1845, lapok[3].w, 1230}));
    EXPECT_EQ(elso(lapok, A, 12), nullptr);

    // No trump card any more: neither face nor cover, whatever `takart` says.
    st.adulap = 0;
    st.talonszam = 0;
    EXPECT_EQ(sorrend(festettLapok(st, g, kW, kH))[0], std::make_pair(B, Kartya{0}));
    EXPECT_EQ(festettLapok(st, g, kW, kH).size(), 14u);
}

TEST(TableLayout, ShownMarriageTurnsTwoCardsAndTightensThePiles) {
    const Geometria g = asztalGeometria(kW, kH);
    GameState st = asztalAllas();
    st.kezek[kGep] = {11, 23, 0, 33, 34};
    st.gepvittlapok = {21, 25};
    st.jatekosvittlapok = {31, 32, 15};
    const std::array<std::int16_t, 2> felfordit{3, 4};
    const auto lapok = festettLapok(st, g, kW, kH, &felfordit);

    std::vector<float> gepHatlapX, felso;
    for (const auto& l : lapok) {
        if (l.y == 100 && l.kep == Kep::Hatlap) gepHatlapX.push_back(l.x);
        if (l.y == 100 && l.kep == Kep::Arc) felso.push_back(static_cast<float>(l.kartya));
    }
    EXPECT_EQ(gepHatlapX, (std::vector<float>{2305, 2305 + 384}));  // slot 2 stays empty
    EXPECT_EQ(felso, (std::vector<float>{33, 34}));
    EXPECT_EQ(elso(lapok, Kep::Arc, 34)->x, static_cast<float>(2305 + 4 * 384));

    const auto n = lapok.size();
    EXPECT_EQ(lapok[n - 5].x, 102.0f);  // computer's pile, card 1
    EXPECT_EQ(lapok[n - 4].x, 104.0f);
    EXPECT_EQ(lapok[n - 4].y, 116.0f);
    EXPECT_EQ(lapok[n - 1].x, 106.0f);  // player's pile, card 3
    EXPECT_EQ(lapok[n - 1].y, 4920.0f - 1230 - 120 - 6);
    // The ordinary redraw widens them again.
    EXPECT_EQ(festettLapok(st, g, kW, kH).back().x, 118.0f);
}

TEST(TableLayout, TalonCounter) {
    const Geometria g = asztalGeometria(kW, kH);
    GameState st;  // before the first deal
    EXPECT_EQ(talonFelirat(st, g, kH).caption, "20 kártya");
    EXPECT_EQ(talonFelirat(st, g, kH).width, 1270.0f);
    st.talonszam = 0;
    EXPECT_EQ(talonFelirat(st, g, kH).caption, "0 kártya");
    EXPECT_EQ(talonFelirat(st, g, kH).width, g.lapmagassag);
}

TEST(TableLayout, ButtonRow) {
    const float h = 1230, H = 4920, top = H - h - 160 - 255;

    // Start of a deal holding the trump marriage: "Tarolás" and "40".
    GameState st;
    st.soron = kJatekos;
    st.tarolashato = true;
    st.adu = Piros;
    st.kezek[kJatekos] = {13, 22, 14, 45, 35};
    const auto lathato = offeredButtons(st);
    ASSERT_EQ(lathato, (std::array<bool, 4>{true, true, false, false}));
    auto hely = gombsor(lathato, 6000, H, h);
    EXPECT_EQ(hely[0], (GombHely{2385, top}));
    EXPECT_EQ(hely[1], (GombHely{3240, top}));
    EXPECT_EQ(hely[2], (GombHely{3615, top}));  // hidden ones wait where they would stand
    EXPECT_EQ(hely[3], (GombHely{3615, top}));

    hely = gombsor({false, false, false, true}, 6000, H, h);
    for (const auto& g : hely) EXPECT_EQ(g, (GombHely{2752.5f, top}));

    hely = gombsor({false, false, true, true}, 6000, H, h);
    EXPECT_EQ(hely[2].left, 3000 - 435.0f);
    EXPECT_EQ(hely[3].left, 3000 - 435.0f + 375);

    // Taller buttons keep their bottom edge 60 twips above the player's cards.
    hely = gombsor({true, true, true, true}, 6000, H, h, kGombSzelesseg, {255, 300, 255, 255});
    EXPECT_EQ(hely[1].top + 300, H - h - 160);
    EXPECT_EQ(hely[0].left, 3000 - 1050.0f);
}

}  // namespace
}  // namespace tarolas
