#include "game/scoring.h"

#include "rules_fixture.h"

namespace tarolas {
namespace {

struct Sor {
    int p0, p1;
    bool tarolas0, tarolas1, takart;
    int utolsouto;
    int gyoztes, egyseg;
    const char* indok;
};

// Every row of the rule table in its order, each grade of rules 6 and 7, and the cases where an
// earlier row must win over a later one.
TEST(ScoringRules, TheFirstRuleThatAppliesDecides) {
    const Sor sorok[] = {
        // 1: the player's failed all-tricks, even at 66, even when the computer only announced
        {30, 80, false, true, false, 1, 0, 6, "Bukott Tarolás"},
        {20, 70, false, true, true, 1, 0, 6, "Bukott Tarolás"},
        // 2: the computer's failed all-tricks
        {80, 4, true, false, false, 0, 1, 6, "Bukott Tarolás"},
        // 3: closed, nobody at 66
        {50, 60, false, false, true, 1, 0, 1, "Takartál, de nem érted el a 66-ot"},
        {65, 20, false, false, true, 0, 0, 1, "Takartál, de nem érted el a 66-ot"},
        // 4: last trick decides, whoever has more points
        {64, 56, false, false, false, 1, 1, 1, "Utolsó ütés"},
        {40, 56, false, false, false, 0, 0, 1, "Utolsó ütés"},
        // 5: a draw
        {60, 60, false, false, false, 0, 2, 1, "Döntetlen (60-60 pont)"},
        // 6a-6d: the computer has more points, graded by the player's
        {70, 50, false, false, false, 1, 0, 1, "Összegyűlt a 66 pont"},
        {87, 33, false, false, false, 1, 0, 1, "Összegyűlt a 66 pont"},
        {66, 32, false, false, false, 1, 0, 2, "Az ellenfél 'macsban' maradt"},
        {66, 1, false, false, true, 1, 0, 2, "Az ellenfél 'macsban' maradt"},
        {66, 0, false, false, false, 0, 0, 3, "Csendes Tarolás"},
        {66, 0, true, false, false, 0, 0, 6, "Tarolás"},
        // 7a-7d: the player has more points, graded by the computer's
        {50, 66, false, false, false, 0, 1, 1, "Összegyűlt a 66 pont"},
        {65, 70, false, false, false, 0, 1, 1, "Összegyűlt a 66 pont"},  // more points, not first to 66
        {20, 70, false, false, true, 1, 1, 2, "Az ellenfél 'macsban' maradt"},
        {0, 66, false, false, false, 1, 1, 3, "Csendes Tarolás"},
        {0, 66, false, true, false, 1, 1, 6, "Tarolás"},
        {0, 86, false, true, true, 1, 1, 6, "Tarolás"},
        // Equal points of 66 or more: the side that ended the deal wins one unit.
        {70, 70, false, false, false, 0, 0, 1, "Összegyűlt a 66 pont"},
        {70, 70, false, false, false, 1, 1, 1, "Összegyűlt a 66 pont"},
        {66, 66, false, false, true, 1, 1, 1, "Összegyűlt a 66 pont"},
    };
    for (const Sor& s : sorok) {
        const JatszmaEredmeny e = jatszmaEredmeny(s.p0, s.p1, {s.tarolas0, s.tarolas1}, s.takart, s.utolsouto);
        const std::string eset = std::to_string(s.p0) + ":" + std::to_string(s.p1);
        EXPECT_EQ(e.gyoztes, s.gyoztes) << eset;
        EXPECT_EQ(e.egyseg, s.egyseg) << eset;
        EXPECT_EQ(e.indok, s.indok) << eset;
    }
}

TEST(ScoringText, TheScoreSheetIsLaidOutLineByLine) {
    const std::string vart =
        "Döntetlen az állás!\r"
        "\r"
        "Számítógép:\t\tJátékos:\r"
        "==============\t==============\r"
        "Vitt lapokból:\t40\tVitt lapokból:\t60\r"
        "Bemondásból:\t20\tBemondásból:\t0\r"
        "----------------------------\t----------------------------\r"
        "Összesen:\t60\tÖsszesen:\t60\r"
        "\r"
        "Döntetlen (60-60 pont)\r"
        "Értéke: 1 pont\r"
        "\r"
        "A játék jelenlegi állása:\r"
        "Számítógép:\t3 pont\tJátékos:\t\t6 pont\r"
        "\r"
        "A folytatásához kattints az OK-ra.";
    EXPECT_EQ(eredmenylap(jatszmaEredmeny(60, 60, {}, false, 0), {40, 60}, {20, 0}, {3, 6}), vart);
}

TEST(ScoringText, TheMatchOverQuestionNamesTheComputerFirst) {
    EXPECT_EQ(jatekVegeKerdes({7, 3}), "A számítógép megnyerte a játékot!\rAkarsz még egyet játszani?");
    EXPECT_EQ(jatekVegeKerdes({8, 7}), "A számítógép megnyerte a játékot!\rAkarsz még egyet játszani?");
    EXPECT_EQ(jatekVegeKerdes({2, 9}), "Megnyerted a játékot!\rAkarsz még egyet játszani?");
}

struct Scoring : test::Allas {
    // A deal in which the player took `jatekos` and the computer `gep`; the rest is still out.
    void jatszma(Lista gep, Lista jatekos, std::array<std::int16_t, 2> egyseg) {
        st = GameState{};
        st.adu = Piros;
        st.adulap = 0;
        st.gepvittlapok = std::move(gep);
        st.jatekosvittlapok = std::move(jatekos);
        st.egyseg = egyseg;
        rendez();
    }
};

TEST_F(Scoring, ADrawGivesBothSidesTheUnitAndTheSheetShowsTheNewScore) {
    // 60 points each: Piros and Makk for the computer, Tök and Zöld for the player.
    jatszma({11, 12, 13, 14, 15, 21, 22, 23, 24, 25}, {31, 32, 33, 34, 35, 41, 42, 43, 44, 45}, {2, 5});
    jatek.vege(1);
    EXPECT_EQ(st.egyseg[kGep], 3);
    EXPECT_EQ(st.egyseg[kJatekos], 6);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(platform.messageIcons[0]);
    EXPECT_EQ(platform.messages[0],
              eredmenylap(jatszmaEredmeny(60, 60, {}, false, 1), {60, 60}, {0, 0}, {3, 6}));
    // Below 7 units (6 too) the next deal follows, with the score kept.
    EXPECT_EQ(st.talonszam, 9);
    EXPECT_EQ(st.soron, kJatekos);
    EXPECT_TRUE(st.gepvittlapok.empty());
}

TEST_F(Scoring, SevenUnitsEndTheMatchAndYesStartsANewOne) {
    jatszma({11, 12, 13, 14, 15, 21, 22, 23, 31}, {32, 33, 34, 35, 41, 42}, {6, 6});  // 66 : 40, one unit
    platform.answers = {MsgResult::Yes};
    jatek.vege(0);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[0].find("Számítógép:\t7 pont\tJátékos:\t\t6 pont\r"), std::string::npos);
    EXPECT_EQ(platform.messages[1], "A számítógép megnyerte a játékot!\rAkarsz még egyet játszani?");
    EXPECT_FALSE(platform.messageIcons[1]);
    EXPECT_EQ(st.egyseg[kGep], 0);
    EXPECT_EQ(st.egyseg[kJatekos], 0);
    EXPECT_EQ(st.talonszam, 9);
    EXPECT_EQ(st.soron, kJatekos);
}

TEST_F(Scoring, NoLeavesTheGameIdleWithEveryCardBackInTheDeck) {
    jatszma({}, {11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 33, 34}, {0, 5});  // 20 : 67, two units
    st.bemondas = {20, 0};
    st.takart = true;
    st.tet = 23;
    st.husz = true;
    platform.status[1] = "Az adu színe: PIROS";
    platform.answers = {MsgResult::No};
    jatek.vege(1);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1], "Megnyerted a játékot!\rAkarsz még egyet játszani?");
    EXPECT_EQ(st.soron, 0);
    EXPECT_EQ(st.kezben(kGep) + st.kezben(kJatekos), 0);
    EXPECT_TRUE(st.asztal.empty() && st.gepvittlapok.empty() && st.jatekosvittlapok.empty());
    EXPECT_EQ(st.tet, 0);
    EXPECT_EQ(st.talonszam, 20);
    EXPECT_EQ(st.egyseg, (std::array<std::int16_t, 2>{0, 0}));
    EXPECT_EQ(st.bemondas, (std::array<std::int16_t, 2>{0, 0}));
    EXPECT_EQ(st.adulap, 0);
    EXPECT_FALSE(st.takart || st.husz || st.negyven || st.tarolas[0] || st.tarolas[1]);
    EXPECT_EQ(platform.status[1], "");
    EXPECT_EQ(platform.log.back(), 'R');
    EXPECT_TRUE(st.mindenLapMegvan());
}

TEST_F(Scoring, EqualPointsAtSixtySixGoToTheSideThatEndedTheDeal) {
    // 60 from cards each and a 20 each: 80 : 80.
    for (int vegzo : {kGep, kJatekos}) {
        jatszma({11, 12, 13, 14, 15, 21, 22, 23, 24, 25}, {31, 32, 33, 34, 35, 41, 42, 43, 44, 45}, {0, 0});
        st.bemondas = {20, 20};
        jatek.vege(vegzo);
        EXPECT_EQ(st.egyseg[vegzo], 1);
        EXPECT_EQ(st.egyseg[1 - vegzo], 0);
        EXPECT_NE(platform.messages[0].find("\rÖsszegyűlt a 66 pont\rÉrtéke: 1 pont\r"), std::string::npos);
    }
}

}  // namespace
}  // namespace tarolas
