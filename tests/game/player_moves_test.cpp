#include "rules_fixture.h"

namespace tarolas {
namespace {

using Kez = std::array<Kartya, 5>;

struct PlayerMoves : test::Allas {
    // Start of a deal: Tök trump, Tök király under the talon, the player to lead.
    PlayerMoves() {
        st.adu = Tok;
        st.adulap = 33;
        st.kezek[kGep] = {21, 22, 41, 42, 14};
        st.kezek[kJatekos] = {11, 12, 23, 35, 44};
        st.soron = kJatekos;
        st.tarolashato = true;
        rendez();
        torol();
    }
    GameState elotte;
    void valtozatlan() {
        EXPECT_EQ(st.kezek, elotte.kezek);
        EXPECT_EQ(st.adulap, elotte.adulap);
        EXPECT_EQ(st.asztal, elotte.asztal);
        EXPECT_EQ(st.takart, elotte.takart);
        EXPECT_EQ(st.tarolashato, elotte.tarolashato);
        EXPECT_EQ(st.soron, elotte.soron);
    }
};

TEST_F(PlayerMoves, ALeadIsShownThenTheComputerAnswers) {
    bool elso = true, megjelent = false, gepSoron = false;
    platform.figyel = [&](char c) {
        if (megjelent && !gepSoron) gepSoron = st.soron == kGep;  // first call after the card showed
        if (c == 'E' && elso) {
            elso = false;
            megjelent = st.asztal == Lista{23} && st.tet == 23 && st.kezek[kJatekos][2] == 0 && !st.tarolashato &&
                        st.soron == kJatekos && platform.log == "RE";
        }
    };
    jatek.kijatszas(2);
    EXPECT_TRUE(megjelent);
    EXPECT_TRUE(gepSoron);
    // The computer answered and the trick went to a pile.
    const Lista& vitt = st.jatekosvittlapok.empty() ? st.gepvittlapok : st.jatekosvittlapok;
    ASSERT_GE(vitt.size(), 2u);
    EXPECT_EQ(vitt[0], 23);
    EXPECT_TRUE(st.mindenLapMegvan());
}

TEST_F(PlayerMoves, AnAnswerCompletesTheTrick) {
    // The computer led Makk tíz. Piros tíz loses it: the trick goes to the computer.
    st.kezek[kGep][1] = 0;
    st.tet = 22;
    st.asztal = {22};
    rendez();
    const GameState vezetes = st;
    jatek.kijatszas(1);
    ASSERT_GE(st.gepvittlapok.size(), 2u);
    EXPECT_EQ(Lista(st.gepvittlapok.begin(), st.gepvittlapok.begin() + 2), (Lista{22, 12}));
    EXPECT_TRUE(st.jatekosvittlapok.empty());

    // The Tök alsó trumps it: the player's trick, and the player leads next.
    st = vezetes;
    jatek.kijatszas(3);
    EXPECT_EQ(st.jatekosvittlapok, (Lista{22, 35}));
    EXPECT_EQ(st.soron, kJatekos);
    EXPECT_TRUE(st.asztal.empty());
    EXPECT_EQ(st.tet, 22);
    EXPECT_EQ(st.kezben(kJatekos), 5);
    EXPECT_TRUE(st.mindenLapMegvan());
}

TEST_F(PlayerMoves, ARefusedOrEmptySlotChangesNothing) {
    st.takart = true;
    st.kezek[kGep][1] = 0;
    st.tet = 22;
    st.asztal = {22};
    st.tarolashato = false;
    rendez();
    elotte = st;
    torol();
    jatek.kijatszas(0);  // Piros ász while holding Makk alsó
    valtozatlan();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Van a tétnek megfelelő színű lapod, azt kell raknod."}));
    EXPECT_EQ(platform.redraws, 0);

    st.kezek[kJatekos][0] = 0;
    elotte = st;
    torol();
    jatek.kijatszas(0);
    valtozatlan();
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(PlayerMoves, TheTrumpAlsoExchangesForTheTrumpCard) {
    st.kezek[kJatekos][3] = 35;
    jatek.adulapcsere();
    EXPECT_EQ(st.kezek[kJatekos], (Kez{11, 12, 23, 33, 44}));
    EXPECT_EQ(st.adulap, 35);
    EXPECT_FALSE(st.tarolashato);
    EXPECT_EQ(st.soron, kJatekos);
    EXPECT_TRUE(st.asztal.empty());
    EXPECT_EQ(platform.log, "R");
    EXPECT_TRUE(st.mindenLapMegvan());
}

TEST_F(PlayerMoves, WithoutTheTrumpAlsoTheExchangeIsExplained) {
    st.kezek[kJatekos][3] = 0;
    st.kezek[kGep][4] = 35;
    rendez();
    elotte = st;
    torol();
    jatek.adulapcsere();
    valtozatlan();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Csak adu alsóra tudod a talon alján levő lapot kicserélni."}));
    EXPECT_EQ(platform.messageIcons, (std::vector<bool>{true}));
    EXPECT_EQ(platform.log, "M");
}

TEST_F(PlayerMoves, ClosingTheTalonStopsExchangeAndClosing) {
    jatek.talontakaras();
    EXPECT_TRUE(st.takart);
    EXPECT_FALSE(st.tarolashato);
    EXPECT_EQ(platform.log, "R");

    // Neither exchange nor closing once the talon is closed, while answering, or with it empty.
    auto semmi = [&] {
        elotte = st;
        torol();
        jatek.adulapcsere();
        jatek.talontakaras();
        valtozatlan();
        EXPECT_TRUE(platform.log.empty());
    };
    semmi();
    st.takart = false;
    st.kezek[kGep][1] = 0;
    st.tet = 22;
    st.asztal = {22};
    semmi();
    st.asztal.clear();
    st.talonszam = 0;
    semmi();
}

}  // namespace
}  // namespace tarolas
