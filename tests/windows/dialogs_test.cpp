#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "windows/about_box.h"
#include "windows/centre.h"
#include "windows/rules_window.h"

namespace {

TEST(AboutBox, CaptionVersionCentringAndTheKeysThatCloseIt) {
    // Over a main window at 1000, 500, 7000 x 6000 twips a 3120 x 2130 box; halves go to even.
    EXPECT_EQ(kozepre(QRect(1000, 500, 7000, 6000), QSize(3120, 2130)), QPoint(2940, 2435));
    EXPECT_EQ(kozepre(QRect(0, 0, 201, 101), QSize(100, 50)), QPoint(50, 26));
    QWidget gazda;
    for (const Qt::Key billentyu : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        frmAbout doboz(&gazda);
        EXPECT_EQ(doboz.windowTitle(), QStringLiteral("Tarolás névjegye"));
        EXPECT_EQ(doboz.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        doboz.show();
        QTest::keyClick(&doboz, billentyu);
        EXPECT_FALSE(doboz.isVisible()) << billentyu;
    }
}

// The text has no break at either end and empty lines only between paragraphs; every opening of
// the window shows it once, line by line.
TEST(RulesWindow, TextAndEveryOpening) {
    const QString szoveg = Form2::szabalyszoveg();
    EXPECT_TRUE(szoveg.startsWith(QStringLiteral("Könnyen ")));
    EXPECT_TRUE(szoveg.endsWith(QStringLiteral("Ezután új játék következik.")));
    EXPECT_EQ(szoveg.count(QLatin1Char('\r')) + szoveg.count(QLatin1Char('\n')),
              2 * szoveg.count(QStringLiteral("\r\n")));  // CR LF only
    const QStringList sorok = szoveg.split(QStringLiteral("\r\n"));
    EXPECT_EQ(sorok.size(), 18 + 7);
    QStringList utana;  // what each empty line is followed by
    for (qsizetype i = 0; i < sorok.size(); ++i) {
        EXPECT_EQ(sorok[i], sorok[i].trimmed()) << i;
        if (sorok[i].isEmpty()) utana << sorok.value(i + 1).left(10);
    }
    EXPECT_EQ(utana.join(QLatin1Char('|')),
              QStringLiteral("A kártyák |Az osztó m|Cél: bemon|Bemondások|Ütések|A talon al|Egy játszm"));
    QWidget gazda;
    Form2 ablak(&gazda);
    for (int i = 0; i < 2; ++i) {
        ablak.show();
        EXPECT_EQ(ablak.Text1->toPlainText(), sorok.join(QLatin1Char('\n'))) << "opening " << i;
        QTest::mouseClick(ablak.Command1, Qt::LeftButton);
        EXPECT_FALSE(ablak.isVisible());
    }
}

}  // namespace
