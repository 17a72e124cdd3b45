// Hints in the status bar as the mouse moves over the table (540 x 360 pixels, as in the
// release tests), with real mouse-move events.

#include <gtest/gtest.h>

#include "table_harness.h"

namespace tarolas::test {
namespace {

class Hover : public ::testing::Test {
protected:
    void SetUp() override {
        elokeszit(f, 540, 360);
        Allas a;
        a.gep = {12, 13, 14, 15, 21};
        a.jatekos = {11, 22, 45, 24, 25};
        a.adulap = 31;
        beallit(f, a);
    }
    QString at(int x, int y) {
        mozgat(f, x, y);
        return f.statusText(2);
    }

    Form1 f;
};

TEST_F(Hover, NamesWhatAReleaseWouldDo) {
    EXPECT_EQ(at(241, 300), QStringLiteral("Zöld alsó választása "));
    EXPECT_EQ(at(181, 300), QStringLiteral("Piros ász választása "));
    EXPECT_EQ(at(50, 160), QStringLiteral("Talon alján levő lap cseréje adu alsóra "));
    EXPECT_EQ(at(50, 190), QStringLiteral("A talon letakarása "));
    EXPECT_EQ(at(400, 100), QString());  // bare table
    EXPECT_EQ(at(210, 300), QString());  // the edge between two strips
    EXPECT_EQ(f.statusText(1), QString());
}

TEST_F(Hover, PilesShowTheirPointsAndAnnouncements) {
    Allas a;
    a.gep = {12, 13, 14, 15, 21};
    a.jatekos = {11, 22, 45, 24, 25};
    a.adulap = 31;
    a.jatekosvitt = {32, 33, 34, 35};
    beallit(f, a);
    f.jatek().st.bemondas = {20, 40};
    EXPECT_EQ(at(30, 50), QStringLiteral("Vitt lapok értéke: 0   Bemondás: 20 "));
    EXPECT_EQ(at(30, 300), QStringLiteral("Vitt lapok értéke: 19   Bemondás: 40 "));
}

TEST_F(Hover, UncoveredPartOfACardAfterItsNeighbourWasPlayed) {
    Allas a;
    a.gep = {12, 13, 14, 15, 21};
    a.jatekos = {11, 0, 45, 24, 25};
    a.jatekosvitt = {22, 32};
    a.adulap = 31;
    beallit(f, a);
    EXPECT_EQ(at(234, 300), QStringLiteral("Piros ász választása "));
    EXPECT_EQ(at(235, 300), QString());
    // After a resize the new geometry and height hold: 540 x 180 leaves gaps between cards.
    a.jatekos = {11, 22, 45, 24, 25};
    a.jatekosvitt.clear();
    beallit(f, a);
    asztalMeret(f, 540, 180);
    EXPECT_EQ(at(207, 150), QStringLiteral("Piros ász választása "));
    EXPECT_EQ(at(208, 150), QString());
}

TEST_F(Hover, QuietWhileAButtonIsHeldOrDuringTheComputersTurn) {
    EXPECT_EQ(at(241, 300), QStringLiteral("Zöld alsó választása "));
    QTest::mousePress(f.Picture3, Qt::LeftButton, Qt::NoModifier, QPoint(400, 100));
    EXPECT_EQ(at(50, 190), QStringLiteral("Zöld alsó választása "));
    QTest::mouseRelease(f.Picture3, Qt::LeftButton, Qt::NoModifier, QPoint(400, 100));
    EXPECT_EQ(at(50, 190), QStringLiteral("A talon letakarása "));

    f.jatek().st.soron = kGep;
    EXPECT_EQ(at(400, 100), QStringLiteral("A talon letakarása "));
    EXPECT_EQ(at(181, 300), QStringLiteral("A talon letakarása "));
}

}  // namespace
}  // namespace tarolas::test
