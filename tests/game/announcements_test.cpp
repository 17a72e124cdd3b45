#include "rules_fixture.h"

namespace tarolas {
namespace {

using Gombok = std::array<bool, 4>;
constexpr Gombok kSemmi{false, false, false, false};

struct Buttons : test::Allas {
    // The player to lead from this hand, trump Piros, nothing announced yet.
    Buttons() {
        st.adu = Piros;
        st.soron = kJatekos;
        st.tarolashato = true;
        st.kezek[kJatekos] = {13, 14, 21, 35, 45};
    }
};

TEST_F(Buttons, NothingIsOfferedUnlessThePlayerIsToLead) {
    st.jatekosvittlapok = {11, 12, 21, 22, 31, 32};  // 63 points
    st.bemondas[kJatekos] = 20;
    st.asztal = {41};
    EXPECT_EQ(offeredButtons(st), kSemmi);
    st.asztal.clear();
    st.soron = kGep;
    EXPECT_EQ(offeredButtons(st), kSemmi);
}

TEST_F(Buttons, AllTricksWhileOpenFortyAndTwentyByMarriages) {
    EXPECT_EQ(offeredButtons(st), (Gombok{true, true, false, false}));  // the trump marriage
    st.tarolashato = false;
    EXPECT_EQ(offeredButtons(st), (Gombok{false, true, false, false}));

    // Two side marriages offer one "20"; the trump marriage adds "40".
    st.kezek[kJatekos] = {23, 33, 24, 34, 41};
    EXPECT_EQ(offeredButtons(st), (Gombok{false, false, true, false}));
    st.kezek[kJatekos] = {23, 13, 24, 14, 0};
    EXPECT_EQ(offeredButtons(st), (Gombok{false, true, true, false}));

    // A király and a felső of different suits make no marriage.
    st.kezek[kJatekos] = {23, 14, 0, 0, 0};
    EXPECT_EQ(offeredButtons(st), kSemmi);

    // While an announcement waits for its lead, no other marriage is offered.
    st.kezek[kJatekos] = {23, 13, 24, 14, 0};
    st.negyven = true;
    EXPECT_EQ(offeredButtons(st), kSemmi);
    st.negyven = false;
    st.husz = true;
    EXPECT_EQ(offeredButtons(st), kSemmi);
}

TEST_F(Buttons, DoneAtSixtySixCountingAnnouncements) {
    st.tarolashato = false;
    st.kezek[kJatekos] = {21, 22, 0, 0, 0};
    st.bemondas[kJatekos] = 20;
    st.jatekosvittlapok = {11, 12, 31, 32, 13};  // 46
    EXPECT_EQ(offeredButtons(st), (Gombok{false, false, false, true}));
    st.jatekosvittlapok = {11, 12, 31, 32, 14};  // 45
    EXPECT_EQ(offeredButtons(st), kSemmi);
}

using Valtasok = std::vector<std::pair<int, bool>>;

struct Announce : Buttons {
    Announce() {
        st.kezek[kJatekos] = {13, 14, 23, 24, 45};  // Piros (trump) and Makk marriages
        rendez();
        torol();
    }
};

TEST_F(Announce, TwentyHidesTheButtonsShowsTheMessageThenCountsTowardsDone) {
    st.jatekosvittlapok = {11, 12, 31, 32, 15, 25};  // 46: with the 20 it makes 66
    rendez();
    bool nyitva = true;
    int pont = -1;
    platform.figyel = [&](char c) {
        if (c == 'M') nyitva = st.tarolashato, pont = st.bemondas[kJatekos];
    };
    jatek.Command1_Click(2);
    EXPECT_EQ(platform.log, "BBBMBGF");
    EXPECT_EQ(platform.gombvaltas, (Valtasok{{2, false}, {0, false}, {1, false}, {3, true}}));
    EXPECT_FALSE(nyitva);  // closed before the message
    EXPECT_EQ(pont, 0);    // points added after it
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Bemondtad a Huszat!\rA bemondásban szereplő felsőt vagy királyt kell hívnod.");
    EXPECT_FALSE(platform.messageIcons[0]);
    EXPECT_EQ(st.bemondas[kJatekos], 20);
    EXPECT_TRUE(st.husz);
    EXPECT_FALSE(st.negyven);

    // 30 points from cards: 50 in all, "Kész" stays hidden.
    st = GameState{};
    st.adu = Piros;
    st.soron = kJatekos;
    st.kezek[kJatekos] = {13, 14, 23, 24, 45};
    st.jatekosvittlapok = {11, 12, 34, 35, 15, 25};  // 30
    torol();
    jatek.Command1_Click(2);
    EXPECT_EQ(platform.gombvaltas.back(), (std::pair<int, bool>{3, false}));
}

TEST_F(Announce, FortyHidesTheTwentyAndAddsForty) {
    st.jatekosvittlapok = {31, 32};
    rendez();
    torol();
    jatek.Command1_Click(1);
    EXPECT_EQ(platform.log, "BBBMBGF");
    EXPECT_EQ(platform.gombvaltas, (Valtasok{{1, false}, {0, false}, {2, false}, {3, false}}));
    EXPECT_EQ(platform.messages, (std::vector<std::string>{
                                     "Bemondtad a Negyvenet!\rA bemondásban szereplő felsőt vagy királyt kell hívnod."}));
    EXPECT_EQ(st.bemondas[kJatekos], 40);
    EXPECT_TRUE(st.negyven);
    EXPECT_FALSE(st.tarolashato);
}

TEST_F(Announce, AllTricksOnlyRecordsTheAnnouncement) {
    bool bemondva = true;
    platform.figyel = [&](char c) {
        if (c == 'M') bemondva = st.tarolas[kJatekos];
    };
    jatek.Command1_Click(0);
    EXPECT_EQ(platform.log, "BBMGF");
    EXPECT_EQ(platform.gombvaltas, (Valtasok{{0, false}, {0, false}}));
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Bemondtad a Tarolás-t!\rA nyeréshez folyamatosan kell ütnöd,"
                                                           "\ramíg el nem éred a 66 pontot."}));
    EXPECT_FALSE(bemondva);
    EXPECT_TRUE(st.tarolas[kJatekos]);
    EXPECT_FALSE(st.tarolas[kGep]);
    EXPECT_EQ(st.bemondas, (std::array<std::int16_t, 2>{0, 0}));
    EXPECT_FALSE(st.husz || st.negyven || st.tarolashato);
}

TEST_F(Announce, DoneScoresTheDealForThePlayerAndDealsAgain) {
    st.tarolashato = false;
    st.bemondas[kJatekos] = 40;
    st.jatekosvittlapok = {11, 12, 31, 32};  // 42 + 40 = 82 against 0
    rendez();
    torol();
    jatek.Command1_Click(3);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_TRUE(platform.messages[0].starts_with("Te nyerted a játszmát!\r\r"));
    EXPECT_EQ(st.egyseg[kJatekos], 3);
    EXPECT_EQ(platform.gombvaltas.front(), (std::pair<int, bool>{3, false}));
    EXPECT_EQ(platform.log.substr(platform.log.size() - 2), "GF");
    EXPECT_EQ(st.talonszam, 9);
}

}  // namespace
}  // namespace tarolas
