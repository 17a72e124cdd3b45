#include "rules_fixture.h"

namespace tarolas {
namespace {

using Gombok = std::array<bool, 4>;
using Valtasok = std::vector<std::pair<int, bool>>;
constexpr Gombok kSemmi{};

struct Buttons : test::Allas {
    // The player to lead, trump Piros, holding the Piros marriage; nothing announced yet.
    Buttons() {
        st.adu = Piros;
        st.soron = kJatekos;
        st.tarolashato = true;
        st.kezek[kJatekos] = {13, 14, 21, 35, 45};
    }
};

TEST_F(Buttons, OfferedOnlyToTheLeadingPlayerByMarriagesAndPoints) {
    EXPECT_EQ(offeredButtons(st), (Gombok{true, true, false, false}));
    st.asztal = {41};  // a card on the table
    EXPECT_EQ(offeredButtons(st), kSemmi);
    st.asztal.clear();
    st.soron = kGep;
    EXPECT_EQ(offeredButtons(st), kSemmi);
    st.soron = kJatekos;
    st.tarolashato = false;
    EXPECT_EQ(offeredButtons(st), (Gombok{false, true, false, false}));

    st.kezek[kJatekos] = {23, 33, 24, 34, 41};  // two side marriages: one "20"
    EXPECT_EQ(offeredButtons(st), (Gombok{false, false, true, false}));
    st.kezek[kJatekos] = {23, 13, 24, 14, 0};
    EXPECT_EQ(offeredButtons(st), (Gombok{false, true, true, false}));
    st.negyven = true;  // an announcement waiting for its lead
    EXPECT_EQ(offeredButtons(st), kSemmi);
    st.negyven = false;
    st.husz = true;
    EXPECT_EQ(offeredButtons(st), kSemmi);
    st.husz = false;
    st.kezek[kJatekos] = {23, 14, 0, 0, 0};  // király and felső of different suits
    EXPECT_EQ(offeredButtons(st), kSemmi);

    st.bemondas[kJatekos] = 20;
    st.jatekosvittlapok = {11, 12, 31, 32, 13};  // 46
    EXPECT_EQ(offeredButtons(st), (Gombok{false, false, false, true}));
    st.jatekosvittlapok = {11, 12, 31, 32, 14};  // 45
    EXPECT_EQ(offeredButtons(st), kSemmi);
}

struct Announce : Buttons {
    Announce() {
        st.kezek[kJatekos] = {13, 14, 23, 24, 45};  // Piros (trump) and Makk marriages
        rendez();
    }
};

TEST_F(Announce, AMarriageHidesButtonsShowsItsMessageThenCountsTowardsDone) {
    struct Eset {
        int gomb;
        Lista vitt;
        Valtasok valtasok;
        const char* uzenet;
        int pont;
    } const esetek[] = {
        {2, {11, 12, 31, 32, 15, 25}, {{2, false}, {0, false}, {1, false}, {3, true}},  // 46 + 20
         "Bemondtad a Huszat!\rA bemondásban szereplő felsőt vagy királyt kell hívnod.", 20},
        {2, {11, 12, 34, 35, 15, 25}, {{2, false}, {0, false}, {1, false}, {3, false}},  // 30 + 20
         "Bemondtad a Huszat!\rA bemondásban szereplő felsőt vagy királyt kell hívnod.", 20},
        {1, {31, 32}, {{1, false}, {0, false}, {2, false}, {3, false}},
         "Bemondtad a Negyvenet!\rA bemondásban szereplő felsőt vagy királyt kell hívnod.", 40},
    };
    for (const Eset& e : esetek) {
        st.bemondas = {0, 0};
        st.husz = st.negyven = false;
        st.tarolashato = true;
        st.jatekosvittlapok = e.vitt;
        rendez();
        bool nyitva = true;
        int pont = -1;
        platform.figyel = [&](char c) {
            if (c == 'M') nyitva = st.tarolashato, pont = st.bemondas[kJatekos];
        };
        jatek.Command1_Click(e.gomb);
        EXPECT_EQ(platform.log, "BBBMBGF");
        EXPECT_EQ(platform.gombvaltas, e.valtasok);
        EXPECT_EQ(platform.messages, std::vector<std::string>{e.uzenet});
        EXPECT_EQ(platform.messageIcons, std::vector<bool>{false});
        EXPECT_FALSE(nyitva);  // closed before the message, points added after it
        EXPECT_EQ(pont, 0);
        EXPECT_EQ(st.bemondas[kJatekos], e.pont);
        EXPECT_EQ(st.husz, e.gomb == 2);
        EXPECT_EQ(st.negyven, e.gomb == 1);
    }
}

TEST_F(Announce, AllTricksOnlyRecordsTheAnnouncement) {
    bool bemondva = true;
    platform.figyel = [&](char c) {
        if (c == 'M') bemondva = st.tarolas[kJatekos];
    };
    jatek.Command1_Click(0);
    EXPECT_EQ(platform.log, "BBMGF");
    EXPECT_EQ(platform.gombvaltas, (Valtasok{{0, false}, {0, false}}));
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Bemondtad a Tarolás-t!\rA nyeréshez folyamatosan kell "
                                                          "ütnöd,\ramíg el nem éred a 66 pontot."});
    EXPECT_FALSE(bemondva);
    EXPECT_TRUE(st.tarolas[kJatekos]);
    EXPECT_EQ(st.bemondas, (std::array<std::int16_t, 2>{0, 0}));
    EXPECT_FALSE(st.husz || st.negyven || st.tarolashato);
}

TEST_F(Announce, DoneScoresTheDealForThePlayerAndDealsAgain) {
    st.bemondas[kJatekos] = 40;
    st.jatekosvittlapok = {11, 12, 31, 32};  // 82 against 0
    rendez();
    jatek.Command1_Click(3);
    EXPECT_EQ(platform.gombvaltas.front(), (std::pair<int, bool>{3, false}));
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_TRUE(platform.messages[0].starts_with("Te nyerted a játszmát!\r\r"));
    EXPECT_EQ(st.egyseg[kJatekos], 3);
    EXPECT_TRUE(platform.log.ends_with("GF"));
    EXPECT_EQ(st.talonszam, 9);
}

}  // namespace
}  // namespace tarolas
