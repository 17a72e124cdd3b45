// The window that remembers: a match left in one window comes back in the next, a second copy
// keeps its hands off it, the option stays, and the record counts what ended and what was left.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QPushButton>

#include "simulation/scripted_player.h"
#include "store/memory.h"
#include "table/table_window.h"
#include "windows/statistics_window.h"

namespace tarolas::test {
namespace {

// One move by the window's keys and buttons: "Kész" or a marriage when offered, else a card it may play.
void lep(Ablak& f) {
    for (int g : {3, 1, 2})
        if (f.Command1[g]->isVisible()) return f.Command1_Click(g);
    const int j = jatszhatoHelyek(f.st()).front();
    f.Picture3_KeyDown(Qt::Key_Home);
    while (f.kivalasztott() != j) f.Picture3_KeyDown(Qt::Key_Right);
    f.Picture3_KeyDown(Qt::Key_Return);
}

TEST(Memory, TheMatchComesBackOnceAndTheRecordCountsItsEnd) {
    QTemporaryDir d;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, d.filePath("config"));
    GameState mentett;
    {
        Ablak a;
        EXPECT_EQ(emlekezet(a, d.path())->inditasiUzenet(), QString());  // nothing kept: the idle table
        a.ujjatek->trigger();
        for (int i = 0; i < 3; ++i) lep(a);
        a.erosellenfel->trigger();
        lep(a);
        mentett = a.st();
        // A second copy meanwhile starts idle, says why, and writes nothing.
        Ablak b;
        EXPECT_TRUE(emlekezet(b, d.path())->inditasiUzenet().contains("már fut"));
        EXPECT_TRUE(b.st().kiadottlapok.empty());
        b.ujjatek->trigger();
        lep(b);
    }
    Ablak c;
    Emlekezet* e = emlekezet(c, d.path());
    EXPECT_TRUE(e->inditasiUzenet().contains("folytatódik"));
    EXPECT_EQ(c.StatusBar1->currentMessage(), e->inditasiUzenet());
    EXPECT_EQ(std::tie(c.st().kezek, c.st().asztal, c.st().kiadottlapok, c.st().egyseg, c.st().bemondas),
              std::tie(mentett.kezek, mentett.asztal, mentett.kiadottlapok, mentett.egyseg, mentett.bemondas));
    EXPECT_TRUE(c.erosellenfel->isChecked() && c.jatek().erosGep());
    c.jatek().erosBeallitas().mintak = 2;  // quick enough for a test

    c.ujjatek_Click();  // left in the middle
    auto vege = [&] { return !c.uzenetek.empty() && c.uzenetek.back().ends_with("Akarsz még egyet játszani?"); };
    for (int i = 0; i < 5000 && !vege(); ++i) lep(c);
    ASSERT_TRUE(vege());
    e->tarolo().bevar();
    EXPECT_FALSE(QFile::exists(d.filePath("match.json")));  // a finished match leaves nothing to resume
    const Rekord r = e->rekord();
    // The second copy's match was never closed here; the one left and the one played are the strong one's.
    EXPECT_EQ(std::tie(r[1].felbehagyott, r[0].felbehagyott), std::make_tuple(1, 0));
    EXPECT_EQ(r[1].nyert + r[1].vesztett, 1);
    EXPECT_GE(r[1].leosztasNyert + r[1].leosztasVesztett + r[1].leosztasDontetlen, 1);

    // Statisztika shows it by row and column, and "Nullázás", once confirmed, empties it.
    QTimer::singleShot(0, &c, [&] {
        auto* s = qobject_cast<Statisztika*>(QApplication::activeModalWidget());
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->tablazat->item(3, 0)->text(), "Félbehagyott játékok");
        EXPECT_EQ(s->tablazat->horizontalHeaderItem(2)->text(), "Erős ellenfél");
        EXPECT_EQ(s->tablazat->item(3, 2)->text(), "1");
        QTimer::singleShot(0, s, [] { static_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::Yes)->click(); });
        s->nullazas->click();
        EXPECT_EQ(s->tablazat->item(3, 2)->text(), "0");
        QTest::keyClick(s->tablazat, Qt::Key_Escape);
    });
    e->statisztika->trigger();
    EXPECT_EQ(e->rekord(), Rekord{});
}

}  // namespace
}  // namespace tarolas::test
