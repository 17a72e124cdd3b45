#include <gtest/gtest.h>

#include "fake_platform.h"

namespace tarolas {
namespace {

TEST(Cards, NamesJoinSuitAndRank) {
    EXPECT_EQ(megnevezo(24), "Makk felső");
    EXPECT_EQ(megnevezo(41), "Zöld ász");
    EXPECT_EQ(megnevezo(35), "Tök alsó");
    EXPECT_EQ(megnevezo(12), "Piros tíz");
    EXPECT_EQ(megnevezo(0), "");
    EXPECT_EQ(megnevezo(16), "Piros ");  // no rank part outside 1..5
}

TEST(Cards, CapturedPilesCountTheirPoints) {
    test::FakePlatform platform;
    RandomSource random;
    Jatek jatek{platform, random};
    EXPECT_EQ(jatek.lapertekszamolo(0), 0);
    jatek.st.jatekosvittlapok = {11, 15};
    EXPECT_EQ(jatek.lapertekszamolo(1), 13);
    for (int s = 1; s <= 4; ++s)
        for (int r = 1; r <= 5; ++r) jatek.st.gepvittlapok.push_back(kartya(s, r));
    EXPECT_EQ(jatek.lapertekszamolo(0), 120);
    EXPECT_EQ(jatek.lapertekszamolo(2), 0);
    jatek.st.bemondas[1] = 20;
    EXPECT_EQ(jatek.pontjai(1), 33);
}

TEST(Cards, TheSmallerRankDigitIsStronger) {
    EXPECT_TRUE(erosebb(12, 13));
    EXPECT_FALSE(erosebb(13, 12));
    for (int r = 2; r <= 5; ++r) EXPECT_TRUE(erosebb(11, kartya(Piros, r)));
    EXPECT_FALSE(erosebb(21, 12));  // another suit never counts as stronger here
}

}  // namespace
}  // namespace tarolas
