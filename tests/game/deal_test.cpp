#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "fake_platform.h"

namespace tarolas {
namespace {

struct Deal : ::testing::Test {
    test::FakePlatform platform;
    RandomSource random;
    Jatek jatek{platform, random};
    GameState& st = jatek.st;
};

TEST_F(Deal, LoadLeavesTheGameIdle) {
    jatek.Form_Load();
    EXPECT_EQ(st.soron, 0);
    EXPECT_EQ(st.talonszam, 20);
    EXPECT_EQ(st.kezben(kGep) + st.kezben(kJatekos), 0);
    EXPECT_FALSE(st.tarolashato);
    EXPECT_TRUE(st.mindenLapMegvan());
}

TEST_F(Deal, ANewDealGivesFiveCardsEachAndTheTrumpCard) {
    jatek.Form_Load();
    jatek.ujjatek_Click();
    std::set<Kartya> lapok;
    for (const auto& kez : st.kezek)
        for (Kartya c : kez) lapok.insert(c);
    lapok.insert(st.adulap);
    EXPECT_EQ(lapok.size(), 11u);
    EXPECT_TRUE(std::all_of(lapok.begin(), lapok.end(), ervenyes));
    EXPECT_EQ(st.kiadottlapok.size(), 11u);
    EXPECT_EQ(st.kiadottlapok[10], st.adulap);
    EXPECT_EQ(st.talonszam, 9);
    EXPECT_EQ(st.soron, kJatekos);
    EXPECT_EQ(st.adu, szinje(st.adulap));
    EXPECT_TRUE(st.tarolashato);
    EXPECT_TRUE(st.mindenLapMegvan());
    EXPECT_GE(platform.redraws, 1);

    static const char* nevek[] = {"", "Az adu színe: PIROS", "Az adu színe: MAKK", "Az adu színe: TÖK",
                                  "Az adu színe: ZÖLD"};
    EXPECT_EQ(platform.status[1], nevek[st.adu]);
}

TEST_F(Deal, TheDealerTakesCardsOneAtATimeComputerFirst) {
    jatek.ujjatszma();
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(st.kezek[kGep][slot], st.kiadottlapok[2 * slot]);
        EXPECT_EQ(st.kezek[kJatekos][slot], st.kiadottlapok[2 * slot + 1]);
    }
    // The generator lets the window breathe after every attempt.
    EXPECT_GE(platform.events, 11);
}

TEST_F(Deal, TheTrumpCardIsTheLastCardOutOfTheDeck) {
    jatek.ujjatszma();
    const Kartya adulap = st.adulap;
    for (int i = 0; i < 9; ++i) jatek.lapgeneralo();
    EXPECT_EQ(st.talonszam, 0);
    EXPECT_EQ(st.kiadottlapok.size(), 20u);
    EXPECT_EQ(std::set<Kartya>(st.kiadottlapok.begin(), st.kiadottlapok.end()).size(), 20u);
    EXPECT_EQ(jatek.lapgeneralo(), adulap);
    EXPECT_EQ(st.adulap, 0);
    EXPECT_EQ(jatek.lapgeneralo(), 0);
    EXPECT_EQ(st.talonszam, 0);
}

TEST_F(Deal, ANewMatchClearsTheScoreButTheNextDealKeepsIt) {
    st.egyseg = {4, 5};
    jatek.ujjatszma();
    EXPECT_EQ(st.egyseg[0], 4);
    EXPECT_EQ(st.egyseg[1], 5);
    jatek.ujjatek_Click();
    EXPECT_EQ(st.egyseg[0], 0);
    EXPECT_EQ(st.egyseg[1], 0);
}

TEST(Generator, RoundsHalfToEvenAndRejectsUsedCards) {
    test::FakePlatform platform;
    test::ScriptedRandom random;
    Jatek jatek{platform, random};
    // r*3+1 = 2.5 rounds to 2 (Makk); r*4+1 = 1.5 rounds to 2 (tíz); then the same card again is
    // refused and the next attempt gives 0.0 -> Piros, 0.99 -> 4.96 -> alsó.
    random.numbers = {0.5f, 0.125f, 0.5f, 0.125f, 0.0f, 0.99f};
    EXPECT_EQ(jatek.lapgeneralo(), 22);
    EXPECT_EQ(jatek.lapgeneralo(), 15);
    EXPECT_EQ(random.reseeds, 6);  // a reseed before every number
    EXPECT_EQ(platform.events, 3);
    EXPECT_EQ(jatek.st.talonszam, 18);
}

// With the real clock-seeded source, single attempts come up with the uneven frequencies that the
// rounding gives. Five standard deviations over 200,000 attempts: a correct source always passes.
TEST(Generator, SingleAttemptFrequenciesFollowTheRounding) {
    RandomSource random;
    constexpr int n = 200000;
    std::array<int, 6> szinek{}, rangok{};
    for (int i = 0; i < n; ++i) {
        random.reseedFromClock();
        ++szinek.at(static_cast<std::size_t>(std::nearbyint(random.next() * 3.0f + 1.0f)));
        random.reseedFromClock();
        ++rangok.at(static_cast<std::size_t>(std::nearbyint(random.next() * 4.0f + 1.0f)));
    }
    auto kozel = [&](int count, double p) {
        const double sd = std::sqrt(n * p * (1 - p));
        return std::abs(count - n * p) < 5 * sd;
    };
    const double sz[] = {0, 1 / 6.0, 1 / 3.0, 1 / 3.0, 1 / 6.0};
    const double rg[] = {0, 1 / 8.0, 1 / 4.0, 1 / 4.0, 1 / 4.0, 1 / 8.0};
    EXPECT_EQ(szinek[0] + szinek[5], 0);
    EXPECT_EQ(rangok[0], 0);
    for (int s = 1; s <= 4; ++s) EXPECT_TRUE(kozel(szinek[s], sz[s])) << "suit " << s << ": " << szinek[s];
    for (int r = 1; r <= 5; ++r) EXPECT_TRUE(kozel(rangok[r], rg[r])) << "rank " << r << ": " << rangok[r];
}

}  // namespace
}  // namespace tarolas
