#include "rules_fixture.h"

namespace tarolas {
namespace {

struct Trick : test::Allas {
    // A trick of `tet` led by `vezeto` and answered with `valasz`. Each side holds four side cards,
    // the trump card is the lowest free trump, the talon holds `talonban` cards and the other
    // unseen cards lie in the computer's pile.
    void trukk(int adu, int vezeto, Kartya tet, Kartya valasz, int talonban = 5) {
        st = GameState{};
        st.adu = static_cast<std::int16_t>(adu);
        st.tet = tet;
        st.asztal = {tet, valasz};
        st.soron = static_cast<std::int16_t>(1 - vezeto);
        for (int r = 5; st.adulap == 0; --r)
            if (kartya(adu, r) != tet && kartya(adu, r) != valasz) st.adulap = kartya(adu, r);
        int n = 0;
        for (int s = 1; s <= 4; ++s)
            for (int r = 1; r <= 5 && n < 8; ++r)
                if (s != adu && kartya(s, r) != tet && kartya(s, r) != valasz) st.kezek[n % 2][n / 2] = kartya(s, r), ++n;
        rendez(talonban);
    }
};

TEST_F(Trick, TheHigherCardOfTheLedSuitOrATrumpWinsOtherwiseTheLeader) {
    struct Eset {
        int adu;
        Kartya tet, valasz;
        bool valaszoloNyer;
    } const esetek[] = {
        {Piros, 22, 21, true}, {Piros, 22, 23, false},  // tíz below ász, above király
        {Makk, 11, 25, true},  {Makk, 11, 31, false},   // the lowest trump wins; another suit never
        {Makk, 24, 21, true},  {Makk, 23, 24, false},   // trump led, higher and lower trump
    };
    for (const Eset& e : esetek)
        for (int vezeto : {kGep, kJatekos}) {
            trukk(e.adu, vezeto, e.tet, e.valasz);
            const int nyertes = e.valaszoloNyer ? 1 - vezeto : vezeto;
            const std::array<std::size_t, 2> elotte{st.gepvittlapok.size(), st.jatekosvittlapok.size()};
            std::array<Lista, 2> vitt;  // as the first pause finds the piles, before the computer leads
            platform.figyel = [&](char c) {
                if (c == 'P' && vitt[0].empty()) vitt = {st.gepvittlapok, st.jatekosvittlapok};
            };
            jatek.ertekeles();
            platform.figyel = nullptr;
            EXPECT_EQ(Lista(vitt[nyertes].begin() + static_cast<long>(elotte[nyertes]), vitt[nyertes].end()),
                      (Lista{e.tet, e.valasz}))
                << e.tet << " / " << e.valasz << ", leader " << vezeto;
            EXPECT_EQ(vitt[1 - nyertes].size(), elotte[1 - nyertes]);
        }
}

TEST_F(Trick, CapturesPausesHandsTheLeadOnThenDrawsWinnerFirst) {
    trukk(Makk, kJatekos, 11, 12);  // the player's Piros ász takes the tíz
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
    EXPECT_EQ(std::string({naplo[0].c, naplo[1].c, naplo[2].c, naplo[3].c}), "PRPR");
    // First pause: the trick is captured and off the table; the answering side still named.
    EXPECT_EQ(naplo[0].asztal, 0u);
    EXPECT_EQ(naplo[0].vitt, 2u);
    EXPECT_EQ(naplo[0].soron, kGep);
    EXPECT_EQ(naplo[1].soron, kJatekos);
    EXPECT_EQ(naplo[2].kez1, 4);  // cards are drawn only after the second pause
    EXPECT_EQ(naplo[3].kez0 + naplo[3].kez1, 10);
    const auto n = st.kiadottlapok.size();
    EXPECT_EQ(st.kezek[kJatekos][4], st.kiadottlapok[n - 2]);
    EXPECT_EQ(st.kezek[kGep][4], st.kiadottlapok[n - 1]);
    EXPECT_EQ(st.talonszam, 3);
    EXPECT_TRUE(st.mindenLapMegvan());
}

TEST_F(Trick, WithOneCardLeftTheWinnerTakesItAndTheLoserTheTrumpCardThenNothingMore) {
    trukk(Tok, kJatekos, 21, 24, 1);
    const Kartya adulap = st.adulap;
    jatek.ertekeles();
    EXPECT_EQ(st.kezek[kJatekos][4], st.kiadottlapok[19]);
    EXPECT_EQ(st.kezek[kGep][4], adulap);
    EXPECT_EQ(st.talonszam, 0);
    EXPECT_EQ(st.adulap, 0);
    EXPECT_TRUE(st.mindenLapMegvan());

    // The player leads again, the computer throws a side card: nothing is drawn.
    const Kartya tet = st.kezek[kJatekos][0];
    int k = 0;
    while (szinje(st.kezek[kGep][k]) == szinje(tet)) ++k;
    st.asztal = {tet, st.kezek[kGep][k]};
    st.tet = tet;
    st.kezek[kJatekos][0] = st.kezek[kGep][k] = 0;
    st.soron = kGep;
    jatek.ertekeles();
    EXPECT_EQ(st.kiadottlapok.size(), 20u);
    EXPECT_EQ(st.kezben(kGep) + st.kezben(kJatekos), 8);
}

TEST_F(Trick, AClosedTalonDrawsNothingAndAnEmptyHandEndsTheDeal) {
    trukk(Tok, kJatekos, 21, 24);
    st.takart = true;
    const Lista kiadott = st.kiadottlapok;
    jatek.ertekeles();
    EXPECT_EQ(st.kiadottlapok, kiadott);
    EXPECT_EQ(st.kezben(kJatekos), 4);
    EXPECT_TRUE(platform.messages.empty());

    // The last trick: the player wins it with its hand empty.
    trukk(Tok, kJatekos, 21, 24);
    st.takart = true;
    st.kezek = {};
    st.gepvittlapok.clear();
    st.jatekosvittlapok = {11, 12, 13, 14, 15, 31, 32, 41};  // 62 points, 76 with this trick
    rendez();
    jatek.ertekeles();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_TRUE(platform.messages[0].starts_with("Te nyerted a játszmát!\r"));
    EXPECT_NE(platform.messages[0].find("Összesen:\t0\tÖsszesen:\t76\r"), std::string::npos);
    EXPECT_EQ(platform.log.substr(0, 4), "PRPM");  // scored right after the second pause
    EXPECT_EQ(st.egyseg[kJatekos], 3);
    EXPECT_EQ(st.talonszam, 9);  // and the next deal dealt
}

TEST_F(Trick, WhenTheComputerWinsItLeadsAtOnce) {
    trukk(Tok, kJatekos, 21, 35);  // the Tök alsó trumps the player's Makk ász
    jatek.ertekeles();
    EXPECT_EQ(st.gepvittlapok.back(), 35);
    EXPECT_EQ(st.asztal.size(), 1u);
    EXPECT_EQ(st.soron, kJatekos);
}

}  // namespace
}  // namespace tarolas
