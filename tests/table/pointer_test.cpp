// Releasing the mouse button over the table, with real mouse events on a window whose table is
// 540 x 360 pixels (8100 x 5400 twips): L 2700, S 450, h 1350, w ~814.2, so every strip edge
// falls on a whole pixel.

#include <gtest/gtest.h>

#include "table_harness.h"

namespace tarolas::test {
namespace {

constexpr int kSor = 300;  // a pixel row inside the hand row (3950, 5300) twips

// Nine cards in the talon, the Tök ász turned up, the player to lead.
Allas nyito() {
    Allas a;
    a.gep = {12, 13, 14, 15, 21};
    a.jatekos = {11, 22, 23, 24, 25};
    a.adulap = 31;
    return a;
}

class Pointer : public ::testing::Test {
protected:
    void SetUp() override {
        elokeszit(f, 540, 360);
        ASSERT_EQ(f.Picture3->size(), QSize(540, 360));
    }
    void TearDown() override { EXPECT_TRUE(f.st().mindenLapMegvan()); }

    // A release that must leave the game exactly as it was.
    void semmi(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        const Kep elotte(f.st());
        katt(f, x, y, b);
        EXPECT_TRUE(Kep(f.st()) == elotte) << "release at " << x << "," << y;
    }

    Form1 f;
    Valaszolo valaszolo;
};

TEST_F(Pointer, StripEdgesOfOverlappingCards) {
    ASSERT_EQ(f.geometria().kezkezdet, 2700);
    ASSERT_EQ(f.geometria().laptavolsag, 450);
    beallit(f, nyito());
    semmi(180, kSor);  // X = L
    semmi(210, kSor);  // X = L + S
    semmi(211, 263);   // just above the row (Y 3945)
    katt(f, 211, kSor);
    EXPECT_TRUE(kijatszva(f.st(), 22));
    EXPECT_TRUE(kezben(f.st(), 11));
}

TEST_F(Pointer, LastSlotOffersItsWholeCard) {
    beallit(f, nyito());
    semmi(355, kSor);  // 5325 > L + 4S + w
    katt(f, 354, kSor);
    EXPECT_TRUE(kijatszva(f.st(), 25));
}

TEST_F(Pointer, EmptySlotsPassTheReleaseToTheCardOnTheLeft) {
    Allas a = nyito();
    a.jatekos = {11, 0, 23, 24, 25};
    a.jatekosvitt = {22, 32};
    beallit(f, a);
    semmi(235, kSor);  // 3525: beyond slot 0's card (L + w ~ 3514)
    katt(f, 234, kSor);
    EXPECT_TRUE(kijatszva(f.st(), 11));

    // An empty slot 0 ends the search at once.
    a.jatekos = {0, 11, 23, 24, 25};
    beallit(f, a);
    semmi(195, kSor);
}

TEST_F(Pointer, GapBetweenCards) {
    // 540 x 180 pixels: w ~407.1 against a step of 450, a 43-twip gap after each card.
    asztalMeret(f, 540, 180);
    ASSERT_EQ(f.Picture3->height(), 180);
    beallit(f, nyito());
    constexpr int sor = 150;  // row (1925, 2600)
    semmi(208, sor);
    semmi(209, sor);
    semmi(210, sor);
    katt(f, 207, sor);
    EXPECT_TRUE(kijatszva(f.st(), 11));
}

TEST_F(Pointer, ExchangeWithTheTrumpAlso) {
    Allas a = nyito();
    a.jatekos = {11, 22, 23, 35, 25};
    beallit(f, a);
    semmi(50, 180);  // Y = H/2: the half under the talon
    semmi(50, 182);
    katt(f, 50, 160);
    EXPECT_EQ(f.st().kezek[kJatekos][3], 31);
    EXPECT_EQ(f.st().adulap, 35);
    EXPECT_EQ(f.st().soron, kJatekos);
    EXPECT_FALSE(f.st().tarolashato);
    EXPECT_TRUE(f.st().asztal.empty());
    EXPECT_TRUE(valaszolo.szovegek.isEmpty());
}

TEST_F(Pointer, ExchangeWithoutTheTrumpAlsoOnlyTellsWhy) {
    beallit(f, nyito());
    semmi(50, 160);
    ASSERT_EQ(valaszolo.szovegek.size(), 1);
    EXPECT_EQ(valaszolo.szovegek[0], QStringLiteral("Csak adu alsóra tudod a talon alján levő lapot kicserélni."));
}

TEST_F(Pointer, ClosingAreaFollowsTheTalon) {
    // Nine cards: 118 < X, 2754 < Y. A point at (105, 2715) twips is off the top card.
    beallit(f, nyito());
    semmi(7, 181);
    katt(f, 50, 190);
    EXPECT_TRUE(f.st().takart);
    EXPECT_FALSE(f.st().tarolashato);
    EXPECT_EQ(f.st().soron, kJatekos);

    // One card: 102 < X, 2706 < Y, and the same point closes.
    Allas a = nyito();
    a.gepvitt = {32, 33, 34, 35};
    a.jatekosvitt = {41, 42, 43, 44};
    beallit(f, a);
    ASSERT_EQ(f.st().talonszam, 1);
    semmi(6, 181);
    katt(f, 7, 181);
    EXPECT_TRUE(f.st().takart);
}

TEST_F(Pointer, NoExchangeNorClosingUnlessLeadingWithTheTalonOpen) {
    Allas a = nyito();
    a.jatekos = {11, 22, 23, 35, 25};
    a.gep = {12, 13, 14, 15, 0};
    a.asztal = {21};  // the computer has led
    beallit(f, a);
    semmi(50, 160);
    semmi(50, 190);

    a = nyito();
    a.jatekos = {11, 22, 23, 35, 25};
    beallit(f, a);
    katt(f, 50, 190);
    ASSERT_TRUE(f.st().takart);
    semmi(50, 160);  // the trump card is turned down now
    semmi(50, 190);

    // Talon used up.
    a = nyito();
    a.adulap = 0;
    a.adu = 3;
    a.gepvitt = {31, 32, 33, 34, 35};
    a.jatekosvitt = {41, 42, 43, 44, 45};
    beallit(f, a);
    ASSERT_EQ(f.st().talonszam, 0);
    semmi(50, 160);
    semmi(50, 190);
}

TEST_F(Pointer, OnlyTheLeftButtonAloneActs) {
    beallit(f, nyito());
    semmi(220, kSor, Qt::RightButton);
    semmi(220, kSor, Qt::MiddleButton);
    // Left released while the right one is still down.
    QTest::mousePress(f.Picture3, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    semmi(220, kSor);
    QTest::mouseRelease(f.Picture3, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    // Not the player's turn.
    f.jatek().st.soron = kGep;
    semmi(220, kSor);
}

TEST_F(Pointer, ReleasesDuringTheTrickAreDropped) {
    // The player answers; during the evaluation's pauses further releases hit the table.
    Allas a = nyito();
    a.gep = {12, 13, 14, 15, 0};
    a.asztal = {21};
    beallit(f, a);
    int probak = 0;
    QObject kozben;
    QObject::connect(f.Timer1, &QTimer::timeout, &kozben, [&] {
        ++probak;
        katt(f, 241, kSor);  // slot 2
        katt(f, 50, 190);    // the talon
    });
    katt(f, 181, kSor);  // answers with slot 0
    EXPECT_GT(probak, 0);
    EXPECT_TRUE(kijatszva(f.st(), 11));
    EXPECT_TRUE(kezben(f.st(), 23));
    EXPECT_FALSE(f.st().takart);
    EXPECT_FALSE(f.busy());
}

TEST_F(Pointer, ButtonsShownBeforeTheDrawDoNothing) {
    // The player takes the computer's Makk ász with a trump and holds the Piros marriage: "20"
    // appears while the trick is still being played out.
    Allas a = nyito();
    a.gep = {12, 15, 22, 23, 0};
    a.jatekos = {35, 13, 14, 24, 25};
    a.asztal = {21};
    beallit(f, a);
    int kattok = 0;
    QObject kozben;
    QObject::connect(f.Timer1, &QTimer::timeout, &kozben, [&] {
        for (QPushButton* b : f.Command1) {
            if (b->isVisible()) {
                ++kattok;
                QTest::mouseClick(b, Qt::LeftButton);
            }
        }
    });
    katt(f, 181, kSor);
    EXPECT_GT(kattok, 0);
    EXPECT_EQ(f.st().bemondas[kJatekos], 0);
    EXPECT_FALSE(f.st().husz);
    EXPECT_TRUE(valaszolo.szovegek.isEmpty());
    EXPECT_TRUE(f.Command1[2]->isVisible());
}

TEST_F(Pointer, NewMatchAndQuitWaitForTheRunningMove) {
    beallit(f, nyito());
    f.jatek().st.egyseg = {3, 4};
    bool elso = true;
    QObject kozben;
    QObject::connect(f.Timer1, &QTimer::timeout, &kozben, [&] {
        if (!elso) return;
        elso = false;
        ASSERT_TRUE(f.busy());
        f.ujjatek->trigger();
        EXPECT_EQ(f.st().egyseg[1], 4);  // nothing reset under the running move
    });
    katt(f, 181, kSor);
    EXPECT_TRUE(kijatszva(f.st(), 11));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.st().talonszam == 9; }));
    EXPECT_EQ(f.st().egyseg, (std::array<std::int16_t, 2>{0, 0}));
    EXPECT_TRUE(f.st().gepvittlapok.empty() && f.st().jatekosvittlapok.empty());

    beallit(f, nyito());
    elso = true;
    QObject::disconnect(f.Timer1, nullptr, &kozben, nullptr);
    QObject::connect(f.Timer1, &QTimer::timeout, &kozben, [&] {
        if (!elso) return;
        elso = false;
        f.kilep->trigger();
        f.close();
        EXPECT_TRUE(f.isVisible());
    });
    katt(f, 181, kSor);
    EXPECT_FALSE(elso);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.isVisible(); }));
}

}  // namespace
}  // namespace tarolas::test
