#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "table/form1.h"
#include "windows/rules_window.h"

namespace {

QStringList sorok() { return Form2::szabalyszoveg().split(QStringLiteral("\r\n")); }

TEST(RulesText, BeginsAndEndsWithoutBreaksAndUsesOnlyCrLf) {
    const QString szoveg = Form2::szabalyszoveg();
    // Quoted words use plain ASCII apostrophes.
    EXPECT_TRUE(szoveg.contains(QStringLiteral("'takar'")) && szoveg.contains(QStringLiteral("'rádli'")));
    EXPECT_FALSE(szoveg.contains(QChar(0x2019)));
    EXPECT_TRUE(szoveg.startsWith(QStringLiteral("Könnyen ")));
    EXPECT_TRUE(szoveg.endsWith(QStringLiteral("Ezután új játék következik.")));
    // Every CR is followed by LF and every LF follows a CR.
    QString maradek = szoveg;
    maradek.remove(QStringLiteral("\r\n"));
    EXPECT_FALSE(maradek.contains(QLatin1Char('\r')));
    EXPECT_FALSE(maradek.contains(QLatin1Char('\n')));
    for (const QString& sor : sorok()) EXPECT_EQ(sor, sor.trimmed()) << sor.toStdString();
}

TEST(RulesText, EmptyLinesSeparateExactlyTheParagraphs) {
    const QStringList s = sorok();
    ASSERT_EQ(s.size(), 18 + 7);
    QStringList utanaKezdodik;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (!s[i].isEmpty()) continue;
        ASSERT_LT(i + 1, s.size());
        ASSERT_FALSE(s[i + 1].isEmpty()) << "two empty lines in a row at line " << i;
        utanaKezdodik << s[i + 1].left(20);
    }
    EXPECT_EQ(utanaKezdodik, (QStringList{QStringLiteral("A kártyák pontértéke"), QStringLiteral("Az osztó mindkettőjü"),
                                          QStringLiteral("Cél: bemondásokból é"), QStringLiteral("Bemondások"),
                                          QStringLiteral("Ütések"), QStringLiteral("A talon alján levő a"),
                                          QStringLiteral("Egy játszma megnyeré")}));
}

TEST(RulesWindow, ShowsTheTextLineByLineWithTheButtonFocused) {
    QWidget gazda;
    Form2 ablak(&gazda);
    EXPECT_EQ(ablak.windowTitle(), QStringLiteral("Tarolás játékszabálya"));
    EXPECT_EQ(ablak.size(), QSize(312, 230));
    EXPECT_TRUE(ablak.Text1->isReadOnly());
    // The box shows each CR LF as one line break: no stray characters, no extra empty lines.
    QString mutatott = Form2::szabalyszoveg();
    mutatott.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(ablak.Text1->toPlainText(), mutatott);
    EXPECT_EQ(ablak.Text1->document()->blockCount(), 25);

    ablak.show();
    ablak.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ablak));
    EXPECT_EQ(QApplication::focusWidget(), ablak.Command1);
    QTest::keyClick(ablak.Command1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ablak.Text1);
    QTest::mouseClick(ablak.Command1, Qt::LeftButton);
    EXPECT_FALSE(ablak.isVisible());
}

TEST(RulesWindow, EachOpeningFromTheMenuShowsTheTextOnce) {
    Form1 fo;
    fo.show();
    QStringList latott;
    for (int i = 0; i < 2; ++i) {
        // The menu opens the window modally; look at it from inside its event loop, then close it.
        QTimer::singleShot(0, &fo, [&] {
            auto* ablak = fo.findChild<Form2*>();
            if (!ablak) return;
            EXPECT_EQ(QApplication::activeModalWidget(), ablak);
            latott << ablak->Text1->toPlainText();
            QTest::mouseClick(ablak->Command1, Qt::LeftButton);
        });
        fo.jatekszabaly->trigger();
    }
    ASSERT_EQ(latott.size(), 2);
    EXPECT_EQ(latott[0], latott[1]);
    EXPECT_EQ(latott[0].count(QStringLiteral("Könnyen")), 1);
}

}  // namespace
