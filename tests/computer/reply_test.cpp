#include <gtest/gtest.h>

#include "recording_platform.h"

namespace tarolas {
namespace {

using Kez = std::array<Kartya, 5>;

// The player has led; the computer is to answer. The talon is used up, so the evaluation that
// follows the answer draws nothing.
struct Valasz {
    test::RecordingPlatform platform;
    RandomSource random;
    Jatek jatek{platform, random};
    GameState& st = jatek.st;

    Valasz(int adu, Kartya tet, Kez kez) {
        platform.st = &st;
        st.talonszam = 0;
        st.adulap = 0;
        st.kezek[kJatekos] = {31, 42, 0, 0, 0};
        st.adu = static_cast<std::int16_t>(adu);
        st.tet = tet;
        st.asztal = {tet};
        st.kezek[kGep] = kez;
        st.soron = kGep;
    }
};

struct Eset {
    const char* mi;
    int adu;
    Kartya tet;
    Kez kez;
    int slot;  // where the answer comes from
};

TEST(ComputerReplyRule, PicksTheCheapestCardOfTheFirstCaseThatHolds) {
    const Eset esetek[] = {
        {"beats in suit with the cheaper of two", Zold, 13, {11, 12, 25, 44, 34}, 1},
        {"beats in suit, cheaper card in a later slot", Zold, 13, {12, 25, 11, 44, 34}, 0},
        {"cannot beat: its cheapest of the suit", Zold, 11, {12, 33, 15, 44, 34}, 2},
        {"void: trumps with the lowest trump whatever the lead is worth", Piros, 25, {11, 33, 14, 45, 31}, 2},
        {"neither suit nor trump: cheapest card, lowest slot on a tie", Piros, 22, {0, 45, 0, 35, 41}, 1},
        {"trump led: the cheapest higher trump", Tok, 34, {31, 11, 33, 0, 0}, 2},
        {"trump led, only a lower trump: it follows with it", Tok, 34, {11, 35, 21, 0, 0}, 1},
        {"trump led, no trump: throws its cheapest", Tok, 34, {11, 22, 45, 12, 0}, 2},
        {"empty slots are never chosen", Tok, 34, {0, 0, 0, 0, 42}, 4},
    };
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.mi);
        Valasz v{e.adu, e.tet, e.kez};
        v.jatek.computerlepes();

        ASSERT_TRUE(v.platform.asztal.has_value());
        EXPECT_EQ(*v.platform.asztal, (Lista{e.tet, e.kez[e.slot]}));
        Kez utana = e.kez;
        utana[e.slot] = 0;
        EXPECT_EQ(*v.platform.kez, utana);
    }
}

TEST(ComputerReplyFlow, PausesAfterTheButtonsPlaysShowsTheCardThenEvaluates) {
    Valasz v{Piros, 13, {11, 12, 25, 0, 0}};
    v.jatek.computerlepes();
    EXPECT_EQ(v.platform.log.substr(0, 4), "GPER");
    EXPECT_EQ(*v.platform.asztal, (Lista{13, 12}));
    // The evaluation took the trick: the Piros tíz beats the led Piros király.
    EXPECT_EQ(v.st.gepvittlapok, (Lista{13, 12}));
}

TEST(ComputerReplyFlow, WithoutALedCardOnTheTableItOnlyHandsTheTurnOn) {
    Valasz v{Piros, 13, {11, 12, 25, 0, 0}};
    v.st.asztal.clear();
    v.jatek.computerlepes();
    EXPECT_EQ(v.st.asztal, (Lista{12}));
    EXPECT_EQ(v.st.soron, kJatekos);
    EXPECT_TRUE(v.st.gepvittlapok.empty());
}

}  // namespace
}  // namespace tarolas
