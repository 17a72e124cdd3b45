#include "rules_fixture.h"

namespace tarolas {
namespace {

using Kez = std::array<Kartya, 5>;

struct Legality : test::Allas {
    // The player answers `tet` from `kez`; strict rules when the talon is closed or used up.
    void valaszol(int adu, Kartya tet, Kez kez, bool takart, std::int16_t talonszam) {
        st.adu = static_cast<std::int16_t>(adu);
        st.tet = tet;
        st.asztal = {tet};
        st.kezek[kJatekos] = kez;
        st.takart = takart;
        st.talonszam = talonszam;
        st.soron = kJatekos;
    }
    // Plays slot i: the card, or 0 with the hand untouched; `uzenet` is the refusal shown, if any.
    void jatszik(int i, bool szabad, const char* uzenet = nullptr) {
        const Kez elotte = st.kezek[kJatekos];
        platform.messages.clear();
        platform.messageIcons.clear();
        EXPECT_EQ(jatek.laptetel(i), szabad ? elotte[i] : 0) << "slot " << i;
        if (!szabad) {
            EXPECT_EQ(st.kezek[kJatekos], elotte);
        }
        if (uzenet == nullptr) {
            EXPECT_TRUE(platform.messages.empty());
        } else {
            EXPECT_EQ(platform.messages, std::vector<std::string>{uzenet});
            EXPECT_EQ(platform.messageIcons, std::vector<bool>{true});
        }
    }
};

constexpr const char* kFelul = "Felül kell ütnöd! Van nagyobb értékű lapod is.";
constexpr const char* kSzin = "Van a tétnek megfelelő színű lapod, azt kell raknod.";
constexpr const char* kAdu = "Ha nincs a tétnek megfelelő színű lapod,\radut kell raknod.";

TEST_F(Legality, StrictRulesFollowBeatTrumpOrAnything) {
    // Talon used up, led Makk király: the alsó must not, the Piros trump must not, the ász may.
    valaszol(Piros, 23, {21, 25, 11, 0, 0}, false, 0);
    jatszik(1, false, kFelul);
    jatszik(2, false, kSzin);
    jatszik(0, true);
    // Nothing higher in the suit: a lower card of it will do.
    valaszol(Piros, 21, {22, 25, 11, 0, 0}, false, 0);
    jatszik(2, false, kSzin);
    jatszik(1, true);
    // Talon closed, no Piros: a trump is due.
    valaszol(Makk, 13, {0, 24, 35, 41, 0}, true, 5);
    jatszik(2, false, kAdu);
    jatszik(1, true);
    // Neither the suit nor a trump: anything.
    valaszol(Makk, 13, {0, 34, 35, 41, 0}, true, 5);
    jatszik(2, true);
    // A led trump is followed and beaten like any suit.
    valaszol(Makk, 24, {11, 25, 21, 0, 0}, true, 3);
    jatszik(0, false, kSzin);
    jatszik(1, false, kFelul);
    jatszik(2, true);
}

TEST_F(Legality, WhileTheTalonIsOpenOrWhenLeadingEveryCardIsFree) {
    valaszol(Piros, 23, {21, 25, 41, 0, 0}, false, 5);
    jatszik(2, true);  // another suit although Makk is held
    st.asztal.clear();
    st.takart = true;  // leading after closing
    jatszik(1, true);
}

TEST_F(Legality, AfterAnAnnouncementOnlyAMarriageCardMayBeLedSilently) {
    // Piros trump; Makk marriage, Piros marriage, a Zöld király without its felső.
    const Kez kez{23, 24, 13, 14, 43};
    st.adu = Piros;
    st.soron = kJatekos;
    st.kezek[kJatekos] = kez;
    st.husz = true;
    for (int i : {2, 3, 4}) jatszik(i, false);  // the trump marriage, a lone király
    st.kezek[kJatekos][4] = 31;                 // an ász
    jatszik(4, false);
    EXPECT_TRUE(st.husz);
    jatszik(1, true);
    EXPECT_FALSE(st.husz);

    st.kezek[kJatekos] = kez;
    st.negyven = true;
    jatszik(0, false);  // a side marriage does not answer a 40
    jatszik(2, true);
    EXPECT_FALSE(st.negyven);
}

}  // namespace
}  // namespace tarolas
