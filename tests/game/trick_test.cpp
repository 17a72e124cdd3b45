#include "rules_fixture.h"

namespace tarolas {
namespace {

struct Trick : test::Allas {
    // A trick of `tet` led by `vezeto` and answered with `valasz`; both sides hold four more
    // cards, the trump card is the first free card of the trump suit, and the talon holds
    // `talonban` cards (the rest of the unseen cards were captured by the computer earlier).
    void trukk(int adu, int vezeto, Kartya tet, Kartya valasz, int talonban = 5) {
        st = GameState{};
        st.adu = static_cast<std::int16_t>(adu);
        st.tet = tet;
        st.asztal = {tet, valasz};
        st.soron = static_cast<std::int16_t>(1 - vezeto);
        auto szabad = [&](Kartya c) {
            if (c == tet || c == valasz || c == st.adulap) return false;
            for (const auto& kez : st.kezek)
                for (Kartya k : kez)
                    if (k == c) return false;
            return true;
        };
        for (int r = 5; r >= 1 && st.adulap == 0; --r)
            if (szabad(kartya(adu, r))) st.adulap = kartya(adu, r);
        int slot = 0, oldal = 0;
        for (int s = 1; s <= 4 && slot < 4; ++s)
            for (int r = 1; r <= 5 && slot < 4; ++r)
                if (szabad(kartya(s, r)) && s != adu) {
                    st.kezek[oldal][slot] = kartya(s, r);
                    if (oldal == 1) ++slot;
                    oldal = 1 - oldal;
                }
        rendez(talonban);
        torol();
    }
};

TEST_F(Trick, TheHigherCardOfTheLedSuitOrATrumpWinsOtherwiseTheLeader) {
    struct Eset {
        int adu;
        Kartya tet, valasz;
        bool valaszoloNyer;
    };
    const Eset esetek[] = {
        {Piros, 22, 21, true},   // Makk ász beats Makk tíz
        {Piros, 22, 23, false},  // the király does not, although its code is larger
        {Makk, 11, 25, true},    // the lowest trump beats a side ász
        {Makk, 11, 31, false},   // another suit never wins
        {Makk, 11, 45, false},
        {Makk, 24, 21, true},  // a led trump is beaten by a higher trump
        {Makk, 23, 24, false},
    };
    for (const Eset& e : esetek)
        for (int vezeto : {kGep, kJatekos}) {
            trukk(e.adu, vezeto, e.tet, e.valasz);
            const int vart = e.valaszoloNyer ? 1 - vezeto : vezeto;
            const std::array<std::size_t, 2> elotte{st.gepvittlapok.size(), st.jatekosvittlapok.size()};
            std::array<Lista, 2> vitt;  // as the first pause finds the piles
            bool megvan = false;
            platform.figyel = [&](char c) {
                if (c != 'P' || megvan) return;
                megvan = true;
                vitt = {st.gepvittlapok, st.jatekosvittlapok};
            };
            jatek.ertekeles();
            platform.figyel = nullptr;
            EXPECT_EQ(Lista(vitt[vart].begin() + static_cast<long>(elotte[vart]), vitt[vart].end()),
                      (Lista{e.tet, e.valasz}))
                << e.tet << " / " << e.valasz << ", leader " << vezeto;
            EXPECT_EQ(vitt[1 - vart].size(), elotte[1 - vart]);
        }
}

TEST_F(Trick, CapturesPausesHandsTheLeadOnThenDraws) {
    // The player leads Piros ász, the computer answers with the tíz.
    trukk(Makk, kJatekos, 11, 12);
    struct Pillanat {
        char c;
        int soron;
        std::size_t asztal, vitt;
        int kez0, kez1;
    };
    std::vector<Pillanat> naplo;
    platform.figyel = [&](char c) {
        if (c == 'P' || c == 'R')
            naplo.push_back({c, st.soron, st.asztal.size(), st.jatekosvittlapok.size(), st.kezben(0), st.kezben(1)});
    };
    jatek.ertekeles();
    ASSERT_EQ(naplo.size(), 4u);
    const std::string betuk{naplo[0].c, naplo[1].c, naplo[2].c, naplo[3].c};
    EXPECT_EQ(betuk, "PRPR");
    // First pause: trick captured and off the table, turn not yet handed on.
    EXPECT_EQ(naplo[0].asztal, 0u);
    EXPECT_EQ(naplo[0].vitt, 2u);
    EXPECT_EQ(naplo[0].soron, kGep);
    // Then the winner is to lead, and only the last redraw shows the drawn cards.
    EXPECT_EQ(naplo[1].soron, kJatekos);
    EXPECT_EQ(naplo[2].kez1, 4);
    EXPECT_EQ(naplo[3].kez0, 5);
    EXPECT_EQ(naplo[3].kez1, 5);
    // The winner draws first.
    const auto n = st.kiadottlapok.size();
    EXPECT_EQ(st.kezek[kJatekos][4], st.kiadottlapok[n - 2]);
    EXPECT_EQ(st.kezek[kGep][4], st.kiadottlapok[n - 1]);
    EXPECT_EQ(st.talonszam, 3);
    EXPECT_EQ(st.soron, kJatekos);
    EXPECT_TRUE(st.mindenLapMegvan());
}

TEST_F(Trick, WithOneCardLeftTheWinnerTakesItAndTheLoserTheTrumpCard) {
    trukk(Tok, kJatekos, 21, 24, 1);  // the player leads Makk ász and wins
    const Kartya adulap = st.adulap;
    jatek.ertekeles();
    EXPECT_EQ(st.kezek[kJatekos][4], st.kiadottlapok[19]);
    EXPECT_EQ(st.kezek[kGep][4], adulap);
    EXPECT_EQ(st.talonszam, 0);
    EXPECT_EQ(st.adulap, 0);
    EXPECT_TRUE(st.mindenLapMegvan());

    // From now on nothing is drawn. The player leads again and the computer throws a side card.
    const Kartya tet = st.kezek[kJatekos][0];
    int k = 0;
    while (szinje(st.kezek[kGep][k]) == szinje(tet) || szinje(st.kezek[kGep][k]) == st.adu) ++k;
    const Kartya valasz = st.kezek[kGep][k];
    st.kezek[kJatekos][0] = st.kezek[kGep][k] = 0;
    st.tet = tet;
    st.asztal = {tet, valasz};
    st.soron = kGep;
    const auto kiadott = st.kiadottlapok;
    jatek.ertekeles();
    EXPECT_EQ(st.kiadottlapok, kiadott);
    EXPECT_EQ(st.kezben(kGep), 4);
    EXPECT_EQ(st.kezben(kJatekos), 4);
}

TEST_F(Trick, AClosedTalonDrawsNothingAndAnEmptyHandEndsTheDeal) {
    trukk(Tok, kJatekos, 21, 24);
    st.takart = true;
    const auto kiadott = st.kiadottlapok;
    jatek.ertekeles();
    EXPECT_EQ(st.kiadottlapok, kiadott);
    EXPECT_EQ(st.kezben(kJatekos), 4);
    EXPECT_TRUE(platform.messages.empty());

    // The last trick of a closed talon: the player wins it with a hand now empty.
    trukk(Tok, kJatekos, 21, 24);
    st.takart = true;
    st.kezek = {};
    st.gepvittlapok.clear();
    st.jatekosvittlapok = {11, 12, 13, 14, 15, 31, 32, 41};  // 62 points, 76 with this trick
    rendez();
    torol();
    jatek.ertekeles();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages[0].substr(0, platform.messages[0].find('\r')), "Te nyerted a játszmát!");
    EXPECT_NE(platform.messages[0].find("Összesen:\t0\tÖsszesen:\t76\r"), std::string::npos);
    EXPECT_EQ(platform.log.substr(0, 4), "PRPM");  // scored right after the second pause
    EXPECT_EQ(st.egyseg[kJatekos], 3);
    EXPECT_EQ(st.talonszam, 9);  // and the next deal dealt
}

TEST_F(Trick, TheTenthTrickWithTheTalonUsedUpEndsTheDealForTheLastTrick) {
    // Neither side reaches 66: the winner of the last trick takes the deal.
    trukk(Tok, kGep, 22, 21);  // the computer leads Makk tíz, the player takes it: 21 points
    st.kezek = {};
    st.adulap = 0;
    st.jatekosvittlapok = {11, 12, 13, 14, 15, 23, 24};  // 58 with the trick
    st.gepvittlapok.clear();
    rendez(0, &st.gepvittlapok);                           // the other 62
    torol();
    jatek.ertekeles();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_NE(platform.messages[0].find("\rUtolsó ütés\r"), std::string::npos);
    EXPECT_EQ(st.egyseg[kJatekos], 1);
    EXPECT_EQ(st.egyseg[kGep], 0);
}

TEST_F(Trick, WhenTheComputerWinsItLeadsAtOnce) {
    trukk(Tok, kJatekos, 21, 35, 5);  // the player leads Makk ász, the Tök alsó trumps it
    jatek.ertekeles();
    EXPECT_EQ(st.gepvittlapok.back(), 35);
    EXPECT_EQ(st.asztal.size(), 1u);
    EXPECT_EQ(st.tet, st.asztal[0]);
    EXPECT_EQ(st.soron, kJatekos);
}

}  // namespace
}  // namespace tarolas
