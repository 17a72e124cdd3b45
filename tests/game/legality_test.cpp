#include "rules_fixture.h"

namespace tarolas {
namespace {

using Kez = std::array<Kartya, 5>;

struct Legality : test::Allas {
    // The computer has led `tet`; the player answers from `kez`.
    void valaszol(int adu, Kartya tet, Kez kez, bool takart, std::int16_t talonszam) {
        st.adu = static_cast<std::int16_t>(adu);
        st.tet = tet;
        st.asztal = {tet};
        st.kezek[kJatekos] = kez;
        st.takart = takart;
        st.talonszam = talonszam;
        st.soron = kJatekos;
    }
    // Plays slot i and expects a refusal with exactly this message, hand untouched.
    void elutasit(int i, const std::string& uzenet) {
        const Kez elotte = st.kezek[kJatekos];
        torol();
        EXPECT_EQ(jatek.laptetel(i), 0) << "slot " << i;
        EXPECT_EQ(st.kezek[kJatekos], elotte);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], uzenet);
        EXPECT_TRUE(platform.messageIcons[0]);
    }
    void elfogad(int i) {
        const Kartya lap = st.kezek[kJatekos][i];
        torol();
        EXPECT_EQ(jatek.laptetel(i), lap) << "slot " << i;
        EXPECT_EQ(st.kezek[kJatekos][i], 0);
        EXPECT_TRUE(platform.messages.empty());
    }
};

TEST_F(Legality, WithTheTalonUsedUpTheAnswerMustFollowAndBeat) {
    // Led Makk király; the player holds Makk ász and alsó and a Piros trump.
    valaszol(Piros, 23, {21, 25, 11, 0, 0}, false, 0);
    elutasit(1, "Felül kell ütnöd! Van nagyobb értékű lapod is.");
    elutasit(2, "Van a tétnek megfelelő színű lapod, azt kell raknod.");
    elfogad(0);

    // Nothing higher in the suit: any card of the suit will do, but still not another suit.
    valaszol(Piros, 21, {22, 25, 11, 0, 0}, false, 0);
    elutasit(2, "Van a tétnek megfelelő színű lapod, azt kell raknod.");
    elfogad(1);
}

TEST_F(Legality, WithTheTalonClosedAPlayerWithoutTheSuitMustTrump) {
    valaszol(Makk, 13, {0, 24, 35, 41, 0}, true, 5);
    elutasit(2, "Ha nincs a tétnek megfelelő színű lapod,\radut kell raknod.");
    elutasit(3, "Ha nincs a tétnek megfelelő színű lapod,\radut kell raknod.");
    elfogad(1);

    // Neither the suit nor a trump: anything goes.
    valaszol(Makk, 13, {0, 34, 35, 41, 0}, true, 5);
    elfogad(2);
}

TEST_F(Legality, ALedTrumpIsFollowedAndBeatenLikeAnySuit) {
    valaszol(Makk, 24, {11, 25, 21, 0, 0}, true, 3);
    elutasit(0, "Van a tétnek megfelelő színű lapod, azt kell raknod.");
    elutasit(1, "Felül kell ütnöd! Van nagyobb értékű lapod is.");
    elfogad(2);
}

TEST_F(Legality, WhileTheTalonIsOpenOrWhenLeadingEveryCardIsFree) {
    // Answering with the talon open: a low card of another suit although the suit is held.
    valaszol(Piros, 23, {21, 25, 41, 0, 0}, false, 5);
    elfogad(2);

    // Leading after closing the talon, no announcement pending.
    st.asztal.clear();
    st.kezek[kJatekos] = {21, 25, 41, 0, 0};
    st.takart = true;
    elfogad(1);
    st.talonszam = 0;
    st.takart = false;
    elfogad(2);
}

TEST_F(Legality, AfterAnAnnouncementOnlyAMarriageCardMayBeLedAndRefusalsAreSilent) {
    // Piros trump; Makk marriage, Piros marriage, a Zöld király without its felső.
    const Kez kez{23, 24, 13, 14, 43};
    st.adu = Piros;
    st.kezek[kJatekos] = kez;
    st.soron = kJatekos;

    st.husz = true;
    for (int i : {2, 3, 4}) {  // trump marriage for a 20, a lone király
        torol();
        EXPECT_EQ(jatek.laptetel(i), 0);
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_TRUE(st.husz);
    }
    st.kezek[kJatekos][4] = 31;  // an ász
    EXPECT_EQ(jatek.laptetel(4), 0);
    EXPECT_EQ(st.kezek[kJatekos][4], 31);
    EXPECT_EQ(jatek.laptetel(1), 24);
    EXPECT_FALSE(st.husz);

    st.kezek[kJatekos] = kez;
    st.negyven = true;
    torol();
    EXPECT_EQ(jatek.laptetel(0), 0);  // a side marriage does not answer a 40
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(jatek.laptetel(2), 13);
    EXPECT_FALSE(st.negyven);
}

}  // namespace
}  // namespace tarolas
