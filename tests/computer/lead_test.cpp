#include <gtest/gtest.h>

#include "recording_platform.h"

namespace tarolas {
namespace {

using Kez = std::array<Kartya, 5>;
using Helyek = std::array<std::int16_t, 2>;

struct ComputerLead : ::testing::Test {
    test::RecordingPlatform platform;
    RandomSource random;
    Jatek jatek{platform, random};
    GameState& st = jatek.st;

    ComputerLead() {
        platform.st = &st;
        st.talonszam = 5;
    }

    // The computer has just won a trick and is to lead from this hand.
    void vezet(int adu, Kartya adulap, Kez kez) {
        st.adu = static_cast<std::int16_t>(adu);
        st.adulap = adulap;
        st.kezek[kGep] = kez;
        st.asztal.clear();
        st.soron = kGep;
        platform.log.clear();
        platform.shown.clear();
        jatek.computerhiv();
    }
};

TEST_F(ComputerLead, ExchangesTheTrumpAlsoThenAnnouncesFortyAndLeadsTheLowerMarriageSlot) {
    // Makk trump, Makk király under the talon; the alsó in slot 3 brings it into the hand.
    vezet(Makk, 23, {11, 24, 32, 25, 45});
    EXPECT_EQ(st.adulap, 25);
    EXPECT_EQ(platform.shown, (std::vector<Helyek>{{1, 3}}));
    EXPECT_EQ(st.bemondas[kGep], 40);
    EXPECT_EQ(st.tet, 24);
    EXPECT_EQ(st.asztal, (Lista{24}));
    EXPECT_EQ(st.kezek[kGep], (Kez{11, 0, 32, 23, 45}));
    EXPECT_FALSE(st.negyven);
    EXPECT_FALSE(st.husz);
    EXPECT_EQ(st.soron, kJatekos);
    // pause; exchange shown; marriage shown and held for three pauses; the lead shown
    EXPECT_EQ(platform.log, "PRPFPPPRER");

    // The alsó in slot 0 takes the király there, which is then the lower marriage card.
    st.bemondas = {0, 0};
    vezet(Makk, 23, {25, 11, 32, 45, 24});
    EXPECT_EQ(platform.shown, (std::vector<Helyek>{{0, 4}}));
    EXPECT_EQ(st.tet, 23);
    EXPECT_EQ(st.kezek[kGep], (Kez{0, 11, 32, 45, 24}));
}

TEST_F(ComputerLead, AnnouncesOneMarriageALeadFortyFirstThenTwentiesInSuitOrder) {
    // Piros trump; Zöld marriage in slots 0 and 2, Tök marriage in slots 1 and 3: Tök comes first.
    vezet(Piros, 12, {43, 33, 44, 34, 11});
    EXPECT_EQ(platform.shown, (std::vector<Helyek>{{1, 3}}));
    EXPECT_EQ(st.bemondas[kGep], 20);
    EXPECT_EQ(st.tet, 33);
    EXPECT_FALSE(st.husz);
    // The Zöld marriage waits for the next lead.
    st.kezek[kGep][1] = 22;
    vezet(Piros, 12, st.kezek[kGep]);
    EXPECT_EQ(platform.shown, (std::vector<Helyek>{{0, 2}}));
    EXPECT_EQ(st.bemondas[kGep], 40);
    EXPECT_EQ(st.tet, 43);

    // Makk trump with the Makk and the Piros marriage: 40 only, and a Makk card is led.
    st.bemondas = {0, 0};
    vezet(Makk, 21, {13, 14, 23, 24, 31});
    EXPECT_EQ(platform.shown, (std::vector<Helyek>{{2, 3}}));
    EXPECT_EQ(st.bemondas[kGep], 40);
    EXPECT_EQ(st.tet, 23);
    EXPECT_FALSE(st.negyven);
    st.kezek[kGep][2] = 35;
    vezet(Makk, 21, st.kezek[kGep]);
    EXPECT_EQ(platform.shown, (std::vector<Helyek>{{0, 1}}));
    EXPECT_EQ(st.bemondas[kGep], 60);
    EXPECT_EQ(st.tet, 13);
}

TEST_F(ComputerLead, EndsTheDealAtSixtySixInsteadOfLeading) {
    // 40 announced earlier and 25 captured: not yet, it leads.
    st.bemondas[kGep] = 40;
    st.gepvittlapok = {11, 12, 15, 35};
    vezet(Zold, 42, {21, 32, 0, 0, 0});
    EXPECT_EQ(st.asztal, (Lista{21}));
    EXPECT_TRUE(platform.messages.empty());

    // 26 captured: the deal is scored with the computer's 66 and no card is led.
    st.gepvittlapok = {11, 12, 14, 35};
    vezet(Zold, 42, {21, 32, 0, 0, 0});
    EXPECT_TRUE(st.asztal.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Összesen:\t66\t"), std::string::npos) << platform.messages[0];
}

TEST_F(ComputerLead, TheMarriageItAnnouncesCountsTowardsSixtySix) {
    st.bemondas[kGep] = 20;
    st.gepvittlapok = {11, 12, 14, 35};
    vezet(Zold, 42, {21, 33, 34, 0, 0});
    EXPECT_EQ(platform.shown, (std::vector<Helyek>{{1, 2}}));
    EXPECT_TRUE(st.asztal.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Összesen:\t66\t"), std::string::npos) << platform.messages[0];
}

TEST_F(ComputerLead, LeadsItsStrongestSideCardAndATrumpOnlyWithNothingElse) {
    // Piros trump: the Tök tíz in slot 1 goes before the Makk tíz in slot 2 and the Piros ász.
    vezet(Piros, 13, {11, 32, 22, 45, 0});
    EXPECT_EQ(st.tet, 32);
    EXPECT_EQ(st.kezek[kGep], (Kez{11, 0, 22, 45, 0}));

    // Two alsós: the lower slot, never the empty slot 0.
    vezet(Piros, 13, {0, 45, 35, 0, 0});
    EXPECT_EQ(st.tet, 45);
    EXPECT_EQ(st.kezek[kGep], (Kez{0, 0, 35, 0, 0}));

    // Trumps only (the talon used up): its strongest trump.
    vezet(Piros, 0, {0, 15, 0, 12, 0});
    EXPECT_EQ(st.tet, 12);
    EXPECT_EQ(st.kezek[kGep], (Kez{0, 15, 0, 0, 0}));
    EXPECT_EQ(platform.log, "PER");
}

TEST_F(ComputerLead, ExchangesAfterThePlayerClosedTheTalonButNotOnceTheTrumpCardIsGone) {
    st.takart = true;
    vezet(Zold, 41, {45, 12, 22, 33, 0});
    EXPECT_EQ(st.adulap, 45);
    EXPECT_EQ(st.tet, 12);
    EXPECT_EQ(st.kezek[kGep], (Kez{41, 0, 22, 33, 0}));

    vezet(Zold, 0, {45, 12, 22, 33, 0});
    EXPECT_EQ(st.adulap, 0);
    EXPECT_EQ(st.kezek[kGep], (Kez{45, 0, 22, 33, 0}));
    EXPECT_EQ(platform.log, "PER");
}

}  // namespace
}  // namespace tarolas
