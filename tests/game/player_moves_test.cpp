#include "rules_fixture.h"

namespace tarolas {
namespace {

using Kez = std::array<Kartya, 5>;

struct PlayerMoves : test::Allas {
    // Tök trump, Tök király under the talon, the player to lead.
    PlayerMoves() {
        st.adu = Tok;
        st.adulap = 33;
        st.kezek[kGep] = {21, 22, 41, 42, 14};
        st.kezek[kJatekos] = {11, 12, 23, 35, 44};
        st.soron = kJatekos;
        st.tarolashato = true;
        rendez();
    }
    // The computer has led its Makk tíz.
    void gepVezet(bool takart = false) {
        st.kezek[kGep][1] = 0;
        st.tet = 22;
        st.asztal = {22};
        st.takart = takart;
        st.tarolashato = false;
        rendez();
    }
    // A move that must not change the position.
    void semmi(const std::function<void()>& lepes) {
        const GameState elotte = st;
        lepes();
        EXPECT_EQ(st.kezek, elotte.kezek);
        EXPECT_EQ(st.adulap, elotte.adulap);
        EXPECT_EQ(st.asztal, elotte.asztal);
        EXPECT_EQ(st.takart, elotte.takart);
        EXPECT_EQ(st.tarolashato, elotte.tarolashato);
    }
};

TEST_F(PlayerMoves, ALeadIsShownThenTheComputerAnswers) {
    bool megjelent = false, gepSoron = false;
    platform.figyel = [&](char c) {
        if (megjelent && !gepSoron) gepSoron = st.soron == kGep;  // at the computer's first call
        if (c == 'E' && platform.log == "RE")
            megjelent = st.asztal == Lista{23} && st.tet == 23 && st.kezek[kJatekos][2] == 0 && !st.tarolashato &&
                        st.soron == kJatekos;
    };
    jatek.kijatszas(2);
    EXPECT_TRUE(megjelent);
    EXPECT_TRUE(gepSoron);
    const Lista& vitt = st.jatekosvittlapok.empty() ? st.gepvittlapok : st.jatekosvittlapok;
    ASSERT_GE(vitt.size(), 2u);
    EXPECT_EQ(vitt[0], 23);  // the computer answered and the trick was taken
    EXPECT_TRUE(st.mindenLapMegvan());
}

TEST_F(PlayerMoves, AnAnswerCompletesTheTrick) {
    gepVezet();
    const GameState vezetes = st;
    jatek.kijatszas(1);  // Piros tíz: the computer's trick
    ASSERT_GE(st.gepvittlapok.size(), 2u);
    EXPECT_EQ(Lista(st.gepvittlapok.begin(), st.gepvittlapok.begin() + 2), (Lista{22, 12}));

    st = vezetes;
    jatek.kijatszas(3);  // the Tök alsó trumps it: the player's trick and lead
    EXPECT_EQ(st.jatekosvittlapok, (Lista{22, 35}));
    EXPECT_EQ(st.soron, kJatekos);
    EXPECT_TRUE(st.asztal.empty());
    EXPECT_EQ(st.kezben(kJatekos), 5);
    EXPECT_TRUE(st.mindenLapMegvan());
}

TEST_F(PlayerMoves, ARefusedCardOrAnEmptySlotChangesNothing) {
    gepVezet(true);
    semmi([&] { jatek.kijatszas(0); });  // Piros ász while holding Makk
    EXPECT_EQ(platform.log, "M");
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Van a tétnek megfelelő színű lapod, azt kell raknod."});
    st.kezek[kJatekos][0] = 0;
    rendez();
    semmi([&] { jatek.kijatszas(0); });
    EXPECT_EQ(platform.log, "");
}

TEST_F(PlayerMoves, TheTrumpAlsoExchangesForTheTrumpCardOrTheMoveIsExplained) {
    jatek.adulapcsere();
    EXPECT_EQ(st.kezek[kJatekos], (Kez{11, 12, 23, 33, 44}));
    EXPECT_EQ(st.adulap, 35);
    EXPECT_FALSE(st.tarolashato);
    EXPECT_EQ(st.soron, kJatekos);
    EXPECT_EQ(platform.log, "R");
    EXPECT_TRUE(st.mindenLapMegvan());

    st.kezek[kJatekos][3] = 0;
    st.kezek[kGep][4] = 33;
    st.tarolashato = true;
    rendez();
    semmi([&] { jatek.adulapcsere(); });
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Csak adu alsóra tudod a talon alján levő lapot kicserélni."});
    EXPECT_EQ(platform.messageIcons, std::vector<bool>{true});
}

TEST_F(PlayerMoves, ClosingTheTalonEndsExchangeAndClosing) {
    jatek.talontakaras();
    EXPECT_TRUE(st.takart);
    EXPECT_FALSE(st.tarolashato);
    EXPECT_EQ(platform.log, "R");

    // Neither move after closing, while answering, or with the talon used up.
    auto egyikSem = [&] {
        rendez();
        semmi([&] { jatek.adulapcsere(), jatek.talontakaras(); });
        EXPECT_EQ(platform.log, "");
    };
    egyikSem();
    gepVezet();
    egyikSem();
    st.asztal.clear();
    st.talonszam = 0;
    semmi([&] { jatek.adulapcsere(), jatek.talontakaras(); });
}

}  // namespace
}  // namespace tarolas
