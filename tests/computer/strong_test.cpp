// The strong opponent plays fair: it decides the same way whatever the cards it cannot see are.

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "simulation/scripted_player.h"

namespace tarolas {
namespace {

TEST(StrongOpponent, SameVisibleTableSameChoiceWhateverTheHiddenCards) {
    test::Dontesek g;
    int lepes = 0;
    test::lejatszik(g, 5, [&] { return lepes++ < 300; });
    std::mt19937 rng{5};
    ASSERT_GT(g.helyzetek.size(), 40u);

    const eros::Beallitas b{99, 4, 2};
    int kulonbozo = 0;
    for (const GameState& st : g.helyzetek) {
        const GameState masik = test::atkever(st, kGep, rng);
        kulonbozo += masik.kezek[kJatekos] != st.kezek[kJatekos];
        if (st.asztal.empty()) {
            EXPECT_TRUE(eros::hivas(st, b) == eros::hivas(masik, b)) << megnevezo(st.kezek[kGep][0]);
        } else {
            EXPECT_EQ(eros::valasz(st, b), eros::valasz(masik, b)) << megnevezo(st.tet);
        }
    }
    EXPECT_GT(kulonbozo, 20);
}

// What the player's answers with the talon closed tell the computer about its hand.
TEST(StrongOpponent, StrictAnswersShowWhatThePlayerLacks) {
    const std::pair<test::Kez, Lista> sorok[] = {
        {{25, 33, 0, 0, 0}, {21, 22}},                                  // followed without beating
        {{21, 33, 0, 0, 0}, {}},                                        // beat
        {{15, 33, 0, 0, 0}, {21, 22, 23, 24, 25}},                      // trumped
        {{31, 33, 0, 0, 0}, {21, 22, 23, 24, 25, 11, 12, 13, 14, 15}},  // neither
    };
    for (const auto& [kez, vart] : sorok) {
        GameState st;
        std::tie(st.adu, st.takart, st.tet, st.soron) = std::tuple(Piros, true, 23, kJatekos);
        st.kezek = {{{32, 34, 0, 0, 0}, kez}};
        st.asztal = {23};
        test::Proba p{st};
        p.jatek.kijatszas(0);
        const Lista& nincs = p.jatek.st.jatekosnakNincs;
        EXPECT_EQ(std::set<Kartya>(nincs.begin(), nincs.end()), std::set<Kartya>(vart.begin(), vart.end())) << kez[0];
    }
}

}  // namespace
}  // namespace tarolas
