// Hit-testing the table without a window: strips, the trump card, the talon, the piles, and the
// hint texts built from them.

#include <gtest/gtest.h>

#include "table/hit_areas.h"

namespace tarolas {
namespace {

// The table of 6915 x 4920 twips: L 2305, S 384, h 1230, w ~741.8. Cards overlap (no gap).
constexpr float W1 = 6915, H1 = 4920;
const Geometria G1 = asztalGeometria(W1, H1);
// A wide, low table of 8100 x 2700 twips: L 2700, S 450, w ~407.1, so a 43-twip gap.
const Geometria G2 = asztalGeometria(8100, 2700);
// A narrow, tall table of 3000 x 6000 twips: L 1000, S 167, w ~904.6 reaches over three steps.
const Geometria G3 = asztalGeometria(3000, 6000);

const std::array<Kartya, 5> kTeli{11, 22, 33, 44, 45};
constexpr float kSor1 = 4000;  // inside G1's hand row (3590, 4820)

int slot(const Geometria& g, float H, const std::array<Kartya, 5>& kez, float x, float y) {
    return kezTalalat(g, H, kez, x, y).slot;
}

TEST(HitAreas, GapRoundsHalfToEvenAndIsNeverNegative) {
    EXPECT_EQ(kezhezag(G1), 0);
    EXPECT_EQ(kezhezag(G2), 43);
    Geometria g;
    g.laptavolsag = 400;
    g.lapszelesseg = 397.5;
    EXPECT_EQ(kezhezag(g), 2);
    g.lapszelesseg = 396.5;
    EXPECT_EQ(kezhezag(g), 4);
    g.lapszelesseg = 420;
    EXPECT_EQ(kezhezag(g), 0);
}

TEST(HitAreas, OverlappingStripsAreStrictAtEveryEdge) {
    // Row edges.
    EXPECT_EQ(slot(G1, H1, kTeli, 2400, 3590), -1);
    EXPECT_EQ(slot(G1, H1, kTeli, 2400, 3590.5f), 0);
    EXPECT_EQ(slot(G1, H1, kTeli, 2400, 4819.5f), 0);
    EXPECT_EQ(slot(G1, H1, kTeli, 2400, 4820), -1);
    // Slot 0 starts after L; L + S belongs to nobody; just right of it is slot 1.
    EXPECT_EQ(slot(G1, H1, kTeli, 2305, kSor1), -1);
    EXPECT_EQ(slot(G1, H1, kTeli, 2305.5f, kSor1), 0);
    EXPECT_EQ(slot(G1, H1, kTeli, 2688.75f, kSor1), 0);
    EXPECT_EQ(slot(G1, H1, kTeli, 2689, kSor1), -1);
    EXPECT_EQ(slot(G1, H1, kTeli, 2689.25f, kSor1), 1);
    EXPECT_EQ(slot(G1, H1, kTeli, 3457, kSor1), -1);
    EXPECT_EQ(slot(G1, H1, kTeli, 3460, kSor1), 3);
    // Slot 4 offers its whole card: L + 4S = 3841 to 3841 + w.
    EXPECT_EQ(slot(G1, H1, kTeli, 3841, kSor1), -1);
    EXPECT_EQ(slot(G1, H1, kTeli, 3841.5f, kSor1), 4);
    EXPECT_EQ(slot(G1, H1, kTeli, 4582.5f, kSor1), 4);
    EXPECT_EQ(slot(G1, H1, kTeli, 4583, kSor1), -1);
}

TEST(HitAreas, AGapBetweenCardsBelongsToNoStrip) {
    // G2: hand row (1925, 2600); slot 0 is 2700 < X < 3107, slot 1 starts after 3150.
    EXPECT_EQ(slot(G2, 2700, kTeli, 3106.5f, 2000), 0);
    EXPECT_EQ(slot(G2, 2700, kTeli, 3107, 2000), -1);
    EXPECT_EQ(slot(G2, 2700, kTeli, 3130, 2000), -1);
    EXPECT_EQ(slot(G2, 2700, kTeli, 3150, 2000), -1);
    EXPECT_EQ(slot(G2, 2700, kTeli, 3151, 2000), 1);
}

TEST(HitAreas, EmptySlotsHandTheirStripToACardOnTheLeftThatReachesIt) {
    // Slot 1 played: its strip (2689, 3073) shows slot 0's card up to L + w ~ 3046.8.
    std::array<Kartya, 5> kez{11, 0, 33, 44, 45};
    EXPECT_EQ(slot(G1, H1, kez, 3000, kSor1), 0);
    EXPECT_EQ(slot(G1, H1, kez, 3046.5f, kSor1), 0);
    EXPECT_EQ(slot(G1, H1, kez, 3047, kSor1), -1);
    EXPECT_FALSE(kezTalalat(G1, H1, kez, 3047, kSor1).ures0);

    // G3 (row 4400..5900): slots 2 and 3 played; on slot 3's strip (1501, 1668) slot 1 reaches
    // to 1167 + w ~ 2071.6. With slot 1 gone too, slot 0 reaches to ~1904.6.
    kez = {11, 22, 0, 0, 45};
    EXPECT_EQ(slot(G3, 6000, kez, 1600, 5000), 1);
    kez = {11, 0, 0, 0, 45};
    EXPECT_EQ(slot(G3, 6000, kez, 1600, 5000), 0);
    // A card that does not reach the point is passed over on the way left.
    kez = {11, 0, 0, 0, 45};
    Geometria g = G3;
    g.lapszelesseg = 550;  // slot 0 reaches 1550 only
    EXPECT_EQ(slot(g, 6000, kez, 1600, 5000), -1);
    kez = {11, 22, 0, 0, 45};  // slot 1 reaches 1717
    EXPECT_EQ(slot(g, 6000, kez, 1600, 5000), 1);
}

TEST(HitAreas, AnEmptySlotZeroStopsTheSearch) {
    const std::array<Kartya, 5> kez{0, 22, 33, 44, 45};
    const KezTalalat t = kezTalalat(G1, H1, kez, 2400, kSor1);
    EXPECT_TRUE(t.ures0);
    EXPECT_EQ(t.slot, -1);
    // An empty strip whose left neighbours are all gone names nothing, but does not stop either.
    const std::array<Kartya, 5> csak4{0, 0, 0, 0, 45};
    EXPECT_FALSE(kezTalalat(G1, H1, csak4, 3000, kSor1).ures0);
    EXPECT_EQ(slot(G1, H1, csak4, 3000, kSor1), -1);
}

TEST(HitAreas, TrumpCardOffersOnlyItsUpperHalf) {
    // H/2 - h/2 = 1845 < Y < 2460 and 307.5 < X < 307.5 + w ~ 1049.3.
    EXPECT_TRUE(aduTerulet(G1, H1, 308, 1846));
    EXPECT_FALSE(aduTerulet(G1, H1, 307.5f, 2000));
    EXPECT_FALSE(aduTerulet(G1, H1, 500, 1845));
    EXPECT_TRUE(aduTerulet(G1, H1, 500, 2459.5f));
    EXPECT_FALSE(aduTerulet(G1, H1, 500, 2460));
    EXPECT_TRUE(aduTerulet(G1, H1, 1049, 2000));
    EXPECT_FALSE(aduTerulet(G1, H1, 1049.5f, 2000));
}

TEST(HitAreas, TalonTopCardFollowsTheCount) {
    // Nine cards: 118 < X < 1348, 2514 < Y < 2514 + w ~ 3255.8.
    EXPECT_TRUE(talonTerulet(G1, H1, 9, 119, 2515));
    EXPECT_FALSE(talonTerulet(G1, H1, 9, 118, 2600));
    EXPECT_FALSE(talonTerulet(G1, H1, 9, 1348, 2600));
    EXPECT_TRUE(talonTerulet(G1, H1, 9, 1347.5f, 2600));
    EXPECT_FALSE(talonTerulet(G1, H1, 9, 500, 2514));
    EXPECT_TRUE(talonTerulet(G1, H1, 9, 500, 3255.5f));
    EXPECT_FALSE(talonTerulet(G1, H1, 9, 500, 3256));
    // One card: 102 < X < 1332, 2466 < Y < ~3207.8.
    EXPECT_TRUE(talonTerulet(G1, H1, 1, 103, 2467));
    EXPECT_FALSE(talonTerulet(G1, H1, 1, 102, 2467));
    EXPECT_FALSE(talonTerulet(G1, H1, 1, 1332, 2467));
    EXPECT_FALSE(talonTerulet(G1, H1, 1, 500, 2466));
    EXPECT_TRUE(talonTerulet(G1, H1, 1, 500, 3207.5f));
    // The lower half of the trump card between the middle and the talon is nobody's.
    EXPECT_FALSE(aduTerulet(G1, H1, 500, 2500));
    EXPECT_FALSE(talonTerulet(G1, H1, 9, 500, 2500));
}

TEST(HitAreas, PileAreasAreTheirTopCards) {
    // The computer's empty pile: 100 < X < ~841.8, 120 < Y < 1350.
    EXPECT_TRUE(vittTerulet(G1, H1, kGep, 0, 101, 121));
    EXPECT_FALSE(vittTerulet(G1, H1, kGep, 0, 100, 500));
    EXPECT_FALSE(vittTerulet(G1, H1, kGep, 0, 500, 1350));
    // Four cards in the player's pile: 124 < X < 124 + w, H - h - 128 = 3562 < Y < 4792.
    EXPECT_TRUE(vittTerulet(G1, H1, kJatekos, 4, 125, 3563));
    EXPECT_FALSE(vittTerulet(G1, H1, kJatekos, 4, 124, 4000));
    EXPECT_TRUE(vittTerulet(G1, H1, kJatekos, 4, 865.5f, 4791.5f));
    EXPECT_FALSE(vittTerulet(G1, H1, kJatekos, 4, 866, 4000));
    EXPECT_FALSE(vittTerulet(G1, H1, kJatekos, 4, 500, 3562));
    EXPECT_FALSE(vittTerulet(G1, H1, kJatekos, 4, 500, 4792));
}

GameState jatszma() {
    GameState st;
    st.kezek[kGep] = {12, 13, 14, 15, 21};
    st.kezek[kJatekos] = {11, 22, 33, 44, 45};
    st.talonszam = 9;
    st.adu = 3;
    st.adulap = 35;
    st.soron = kJatekos;
    return st;
}

TEST(HitAreas, TrumpAndTalonHintsOnlyWhileThePlayerLeadsWithTheTalonOpen) {
    GameState st = jatszma();
    st.asztal = {12};  // answering
    EXPECT_EQ(sugo(st, G1, H1, 500, 2000), "");
    EXPECT_EQ(sugo(st, G1, H1, 500, 3000), "");
    st.asztal.clear();
    st.takart = true;
    EXPECT_EQ(sugo(st, G1, H1, 500, 2000), "");
    st.takart = false;
    st.talonszam = 0;
    EXPECT_EQ(sugo(st, G1, H1, 500, 2000), "");
    EXPECT_EQ(sugo(st, G1, H1, 500, 2500), "");
    // The hand and the piles answer all the same.
    EXPECT_EQ(sugo(st, G1, H1, 2400, kSor1), "Piros ász választása ");
    EXPECT_EQ(sugo(st, G1, H1, 400, 500), "Vitt lapok értéke: 0   Bemondás: 0 ");
}

}  // namespace
}  // namespace tarolas
