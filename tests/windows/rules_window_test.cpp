#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <utility>

#include "table/form1.h"
#include "windows/rules_window.h"

namespace {

QStringList sorok() { return Form2::szabalyszoveg().split(QStringLiteral("\r\n")); }

TEST(RulesText, BeginsAndEndsWithoutBreaksAndUsesOnlyCrLf) {
    const QString szoveg = Form2::szabalyszoveg();
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

TEST(RulesText, FixedPiecesAndOpeningsAreExact) {
    const QStringList s = sorok().filter(QRegularExpression(QStringLiteral(".")));
    ASSERT_EQ(s.size(), 18);
    const QStringList egeszek{
        QStringLiteral("Könnyen megtanulható és szórakoztató kártyajáték, amelyet magyar kártyával ketten, "
                       "hárman vagy négyen játszanak."),
        QStringLiteral("A kártyák pontértékei a következők:"),
        QStringLiteral("ász:11"),
        QStringLiteral("tízes:10"),
        QStringLiteral("király:4"),
        QStringLiteral("felső:3"),
        QStringLiteral("alsó:2"),
        QStringLiteral("Cél: bemondásokból és ütésekből 66 pont megszerzése."),
        QStringLiteral("Bemondások"),
        QStringLiteral("Ütések"),
    };
    for (int i : {0, 2, 3, 4, 5, 6, 7, 9, 10, 13}) EXPECT_TRUE(egeszek.contains(s[i])) << s[i].toStdString();
    const std::pair<int, QString> kezdetek[] = {
        {1, QStringLiteral("Ha ketten játszanak, előzőleg ki kell venni a csomagból a hetes, nyolcas és a "
                           "kilences jelzésű lapokat,")},
        {8, QStringLiteral("Az osztó mindkettőjüknek 3-3 lapot ad,")},
        {11, QStringLiteral("Az egy kézbe kerülő azonos színű király és felső huszat ér,")},
        {12, QStringLiteral("Előfordulhat, hogy az egyik játékos kiosztott 5 lapja alapján bemondja a "
                            "Tarolás-t.")},
        {14, QStringLiteral("Az osztó játékos ellenfele indul.")},
        {15, QStringLiteral("A talon alján levő adut az adu alsóval ki lehet cserélni,")},
        {16, QStringLiteral("Gyakran előfordul, hogy a játékosok nem veszik fel a talon összes lapját.")},
        {17, QStringLiteral("Egy játszma megnyerésének díja 1 egység.")},
    };
    for (const auto& [i, kezdet] : kezdetek) EXPECT_TRUE(s[i].startsWith(kezdet)) << s[i].toStdString();
    EXPECT_TRUE(s[15].contains(QStringLiteral("Ezzel  "))) << "two blanks after Ezzel";
    for (const char* szo : {"'takar'", "'macsban'", "'rádli'"})
        EXPECT_TRUE(Form2::szabalyszoveg().contains(QString::fromUtf8(szo))) << szo;
    EXPECT_FALSE(Form2::szabalyszoveg().contains(QChar(0x2019)));
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
