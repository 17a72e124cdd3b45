#include <map>

#include "game/scoring.h"
#include "rules_fixture.h"

namespace tarolas {

struct Legality : test::Allas {
    // Each slot of a position: + played, 0 refused silently, f/s/a refused with that message.
    void lapok(std::int16_t adu, Kartya tet, test::Kez kez, bool takart, std::int16_t talonszam, int bemondva,
               std::string_view slotok) {
        const std::map<char, std::vector<std::string>> uzenetek{
            {'+', {}}, {'0', {}}, {'f', {"Felül kell ütnöd! Van nagyobb értékű lapod is."}},
            {'s', {"Van a tétnek megfelelő színű lapod, azt kell raknod."}},
            {'a', {"Ha nincs a tétnek megfelelő színű lapod,\radut kell raknod."}}};
        for (int i = 0; i < static_cast<int>(slotok.size()); ++i) {
            SCOPED_TRACE(::testing::Message() << "tet " << tet << ", slot " << i);
            st = {.kezek = {test::Kez{}, kez}, .talonszam = talonszam, .adu = adu, .tet = tet, .takart = takart,
                  .husz = bemondva == 20, .negyven = bemondva == 40};
            if (tet != 0) st.asztal = {tet};
            platform = test::FakePlatform{};
            const bool szabad = slotok[i] == '+';
            EXPECT_EQ(jatek.laptetel(i), szabad ? kez[i] : 0);
            EXPECT_EQ(st.kezek[kJatekos][i], szabad ? 0 : kez[i]);
            EXPECT_EQ(platform.messages, uzenetek.at(slotok[i]));
            EXPECT_EQ(platform.messageIcons, std::vector<bool>(platform.messages.size(), true));
        }
    }
};

TEST_F(Legality, StrictRulesWhenAnsweringAClosedOrUsedUpTalonAndMarriageLeads) {
    lapok(Piros, 23, {21, 25, 11}, false, 0, 0, "+fs");  // talon used up: beat, follow
    lapok(Piros, 21, {22, 25, 11}, false, 0, 0, "++s");  // nothing beats: any of the suit
    lapok(Makk, 13, {24, 35, 41}, true, 5, 0, "+aa");    // closed, no Piros: trump
    lapok(Makk, 13, {34, 35, 41}, true, 5, 0, "+++");    // neither: anything
    lapok(Piros, 23, {21, 25, 41}, false, 5, 0, "+++");  // talon open: free
    lapok(Piros, 0, {21, 25, 41}, true, 5, 0, "+++");    // leading: free
    lapok(Piros, 0, {23, 24, 13, 14, 34}, false, 5, 20, "++000");  // a 20: a side marriage's király or felső
    lapok(Piros, 0, {13, 14, 11, 23, 24}, false, 5, 40, "++000");  // a 40: the trump marriage's
}

// Every rule in its order, each grade of rules 6 and 7, and cases where an earlier rule must win.
TEST(ScoringRules, TheFirstRuleThatAppliesDecides) {
    auto sor = [](int p0, int p1, std::array<bool, 2> t, bool zart, int vegzo, int gyoztes, int egyseg, auto indok) {
        const JatszmaEredmeny e = jatszmaEredmeny(p0, p1, t, zart, vegzo);
        EXPECT_EQ(std::tie(e.gyoztes, e.egyseg, e.indok), std::tie(gyoztes, egyseg, indok)) << p0 << ":" << p1;
    };
    sor(30, 80, {false, true}, false, 1, 0, 6, "Bukott Tarolás");  // even at 66
    sor(80, 4, {true, false}, false, 0, 1, 6, "Bukott Tarolás");
    sor(50, 60, {}, true, 1, 0, 1, "Takartál, de nem érted el a 66-ot");
    sor(64, 56, {}, false, 1, 1, 1, "Utolsó ütés");  // whoever has more points
    sor(60, 60, {}, false, 0, 2, 1, "Döntetlen (60-60 pont)");
    sor(87, 33, {}, false, 1, 0, 1, "Összegyűlt a 66 pont");
    sor(66, 32, {}, false, 1, 0, 2, "Az ellenfél 'macsban' maradt");
    sor(66, 0, {}, false, 0, 0, 3, "Csendes Tarolás");
    sor(66, 0, {true, false}, false, 0, 0, 6, "Tarolás");
    sor(0, 86, {false, true}, true, 1, 1, 6, "Tarolás");
    sor(70, 70, {}, false, 0, 0, 1, "Összegyűlt a 66 pont");  // equal at 66: who ended the deal
    EXPECT_EQ(jatekVegeKerdes({6, 7}), "Megnyerted a játékot!\rAkarsz még egyet játszani?");
}

using Scoring = test::Allas;

TEST_F(Scoring, ADrawFromSixAllEndsTheMatchAndNoLeavesTheTableEmpty) {
    st = {.adulap = 35, .tet = 23, .gepvittlapok = {11, 12, 13, 14, 15, 22},
          .jatekosvittlapok = {21, 31, 41, 32, 42, 33, 34}, .bemondas = {20, 0}, .husz = true, .egyseg = {6, 6}};
    platform.status[1] = "Az adu színe: PIROS";
    jatek.vege(kJatekos);
    EXPECT_EQ(platform.messages.at(0), "Döntetlen az állás!\r\r"
                                       "Számítógép:\t\tJátékos:\r"
                                       "==============\t==============\r"
                                       "Vitt lapokból:\t40\tVitt lapokból:\t60\r"
                                       "Bemondásból:\t20\tBemondásból:\t0\r"
                                       "----------------------------\t----------------------------\r"
                                       "Összesen:\t60\tÖsszesen:\t60\r\r"
                                       "Döntetlen (60-60 pont)\r"
                                       "Értéke: 1 pont\r\r"
                                       "A játék jelenlegi állása:\r"
                                       "Számítógép:\t7 pont\tJátékos:\t\t7 pont\r\r"
                                       "A folytatásához kattints az OK-ra.");
    EXPECT_EQ(platform.messages.at(1), "A számítógép megnyerte a játékot!\rAkarsz még egyet játszani?");
    EXPECT_EQ(st.soron, 0);
    EXPECT_TRUE(st.mindenLapMegvan());  // every card back in the deck
    EXPECT_EQ(platform.status[1], "");
}

using Gombok = std::array<bool, 4>;  // Tarolás, 40, 20, Kész

// Piros trump, both marriages held, `vitt` taken: a button hides, tells, and leaves `ajanlott` on offer.
struct Buttons : test::Allas {
    void gomb(int index, Lista vitt, const std::string& uzenet, std::int16_t pont, Gombok lathato, Gombok ajanlott) {
        SCOPED_TRACE(::testing::Message() << "button " << index << ", " << vitt.size() << " cards taken");
        st = {.kezek = {test::Kez{}, {13, 14, 23, 24}}, .adu = Piros, .jatekosvittlapok = vitt, .soron = kJatekos,
              .tarolashato = true};
        platform.buttons = {true, true, true, true};
        jatek.Command1_Click(index);
        EXPECT_EQ(platform.buttons, lathato);
        EXPECT_EQ(offeredButtons(st), ajanlott);
        EXPECT_EQ(platform.messages.empty() ? "" : platform.messages.back(), uzenet);
        EXPECT_EQ(st.bemondas[kJatekos], pont);
        EXPECT_EQ(st.tarolas[kJatekos], index == 0);
    }
};

TEST_F(Buttons, EachHidesWhatItEndsAndKeszScoresEqualPointsForThePlayerAtOnce) {
    const std::string hivd = "\rA bemondásban szereplő felsőt vagy királyt kell hívnod.";
    gomb(2, {11, 12, 31, 32, 15, 25}, "Bemondtad a Huszat!" + hivd, 20, {0, 0, 0, 1}, {0, 0, 0, 1});  // 46 + 20
    gomb(2, {11, 12, 31, 32, 14}, "Bemondtad a Huszat!" + hivd, 20, {}, {});                          // 45 + 20
    gomb(1, {}, "Bemondtad a Negyvenet!" + hivd, 40, {}, {});
    gomb(0, {}, "Bemondtad a Tarolás-t!\rA nyeréshez folyamatosan kell ütnöd,\r"
         "amíg el nem éred a 66 pontot.", 0, {0, 1, 1, 1}, {0, 1, 1, 0});
    st = {.gepvittlapok = {11, 21, 12, 22, 13, 23}, .jatekosvittlapok = {31, 41, 32, 42, 33, 43}, .bemondas = {20, 20}};
    jatek.Command1_Click(3);
    EXPECT_EQ(st.egyseg, (std::array<std::int16_t, 2>{0, 1}));  // 72 each
    EXPECT_EQ(st.talonszam, 9);  // the next deal
}

}  // namespace tarolas
