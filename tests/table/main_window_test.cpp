#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "table/form1.h"
#include "table/table_widget.h"

namespace {

TEST(MainWindow, BeforeTheFirstDealOnlyTheTalonIsThere) {
    Form1 w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tarolás"));
    EXPECT_EQ(w.statusText(1), QString());
    EXPECT_EQ(w.statusText(2), QString());
    EXPECT_EQ(w.Label1->text(), QStringLiteral("20 kártya"));
    EXPECT_EQ(w.st().soron, 0);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.Timer1->interval(), 100);
    // The initial client area is 461 x 348 pixels: the table and the status bar.
    EXPECT_EQ(w.Picture3->width(), 461);
    EXPECT_EQ(w.Picture3->height() + w.StatusBar1->height(), 348);
}

TEST(MainWindow, MenusCarryTheirCaptionsAndShortcuts) {
    Form1 w;
    EXPECT_EQ(w.ujjatek->text(), QStringLiteral("Új játék"));
    EXPECT_EQ(w.ujjatek->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(w.kilep->text(), QStringLiteral("Kilép"));
    EXPECT_EQ(w.jatekszabaly->text(), QStringLiteral("Játékszabály"));
    EXPECT_EQ(w.jatekszabaly->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(w.nevjegy->text(), QStringLiteral("Névjegy"));
}

TEST(MainWindow, F2DealsAndNamesTheTrumpSuit) {
    Form1 w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F2);
    static const char* nevek[] = {"", "Az adu színe: PIROS", "Az adu színe: MAKK", "Az adu színe: TÖK",
                                  "Az adu színe: ZÖLD"};
    ASSERT_GE(w.st().adu, 1);
    EXPECT_EQ(w.statusText(1), QString::fromUtf8(nevek[w.st().adu]));
    EXPECT_EQ(w.st().talonszam, 9);
    EXPECT_EQ(w.st().soron, 1);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("9 kártya"));
}

}  // namespace
