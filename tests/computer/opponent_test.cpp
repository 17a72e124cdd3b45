#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "fake_platform.h"

namespace tarolas {
namespace {

using test::Kez;

// The computer with this hand; a message box (a score sheet) stops it.
struct Gep : test::FakePlatform {
    RandomSource random;
    Jatek jatek{*this, random};
    GameState& st = jatek.st;
    Gep(int adu, Kartya adulap, Kez kez) {
        std::tie(st.adu, st.adulap, st.kezek[kGep]) = std::tuple(static_cast<std::int16_t>(adu), adulap, kez);
    }
    MsgResult messageBox(const std::string& text, MsgButtons, bool) override { throw text; }
};

// One lead: a score sheet at 66, the announcement points, the card led (-1 unless it lies alone on
// the table, no marriage waits and the player is to answer), the trump card, the hand.
using Hivas = std::tuple<bool, int, int, Kartya, Kez>;
Hivas hiv(int adu, Kartya adulap, Kez kez, std::int16_t bemondas = 0, Lista vitt = {}, bool takart = false) {
    Gep g{adu, adulap, kez};
    std::tie(g.st.takart, g.st.bemondas[kGep], g.st.gepvittlapok) = std::tie(takart, bemondas, vitt);
    bool hatvanhat = false;
    try {
        g.jatek.computerhiv();
    } catch (const std::string& lap) {
        hatvanhat = lap.find("Összesen:\t66\t") != std::string::npos;
    }
    const bool atadta = g.st.asztal == Lista{g.st.tet} && g.st.soron == kJatekos && !g.st.husz && !g.st.negyven;
    return {hatvanhat, g.st.bemondas[kGep], atadta ? g.st.tet : -1, g.st.adulap, g.st.kezek[kGep]};
}

TEST(ComputerLead, ExchangesAnnouncesOneMarriageEndsAtSixtySixOrLeadsItsStrongestCard) {
    EXPECT_EQ(hiv(Makk, 23, {11, 24, 32, 25, 45}), Hivas(0, 40, 24, 25, {11, 0, 32, 23, 45}));
    EXPECT_EQ(hiv(Makk, 23, {25, 11, 32, 45, 24}), Hivas(0, 40, 23, 25, {0, 11, 32, 45, 24}));
    EXPECT_EQ(hiv(Piros, 12, {43, 33, 44, 34, 11}), Hivas(0, 20, 33, 12, {43, 0, 44, 34, 11}));
    EXPECT_EQ(hiv(Makk, 21, {13, 14, 23, 24, 31}), Hivas(0, 40, 23, 21, {13, 14, 0, 24, 31}));
    // The strongest side card, the lower slot on a tie; a trump only from a hand of trumps.
    EXPECT_EQ(hiv(Piros, 13, {11, 32, 22, 45, 0}), Hivas(0, 0, 32, 13, {11, 0, 22, 45, 0}));
    EXPECT_EQ(hiv(Piros, 0, {0, 15, 0, 12, 0}), Hivas(0, 0, 12, 0, {0, 15, 0, 0, 0}));
    EXPECT_EQ(hiv(Zold, 41, {45, 12, 22, 33, 0}, 0, {}, true), Hivas(0, 0, 12, 45, {41, 0, 22, 33, 0}));
    EXPECT_EQ(hiv(Zold, 0, {45, 12, 22, 33, 0}, 0, {}, true), Hivas(0, 0, 12, 0, {45, 0, 22, 33, 0}));
    EXPECT_EQ(hiv(Zold, 0, {21, 32, 0, 0, 0}, 40, {11, 12, 15, 35}), Hivas(0, 40, 21, 0, {0, 32, 0, 0, 0}));
    EXPECT_EQ(hiv(Zold, 0, {21, 32, 0, 0, 0}, 40, {11, 12, 14, 35}), Hivas(1, 40, -1, 0, {21, 32, 0, 0, 0}));
    EXPECT_EQ(hiv(Zold, 0, {21, 33, 34, 0, 0}, 20, {11, 12, 14, 35}), Hivas(1, 40, -1, 0, {21, 33, 34, 0, 0}));
}

// The card it answers `tet` with, -1 unless it came from its hand.
int valasz(int adu, Kartya tet, Kez kez) {
    Gep g{adu, 0, kez};
    g.st.tet = tet;
    g.jatek.computerlepes();  // with no led card on the table the answer is not evaluated
    const Kartya lap = g.st.asztal.at(0);
    std::replace(kez.begin(), kez.end(), lap, Kartya{0});
    return g.st.kezek[kGep] == kez && lap != 0 ? lap : -1;
}

TEST(ComputerReply, BeatsInSuitElseFollowsElseTrumpsElseThrowsAlwaysTheCheapestCard) {
    EXPECT_EQ(valasz(Zold, 13, {11, 12, 25, 44, 34}), 12);
    EXPECT_EQ(valasz(Zold, 13, {12, 25, 11, 44, 34}), 12);
    EXPECT_EQ(valasz(Zold, 11, {12, 33, 15, 44, 34}), 15);
    EXPECT_EQ(valasz(Piros, 25, {11, 33, 14, 45, 31}), 14);  // the lowest trump, whatever the lead is worth
    EXPECT_EQ(valasz(Piros, 22, {0, 45, 0, 35, 41}), 45);    // the lowest slot on a tie
    EXPECT_EQ(valasz(Tok, 34, {31, 11, 33, 0, 0}), 33);      // trumps led count as the suit
    EXPECT_EQ(valasz(Tok, 34, {0, 0, 0, 0, 42}), 42);
}

}  // namespace
}  // namespace tarolas
