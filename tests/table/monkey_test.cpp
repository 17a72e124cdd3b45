// Random mouse, keys (table keys, keypad Enter, Shift+Tab and button shortcuts too), buttons, menus (the strong
// opponent switched on and off among them), resizes and box answers, fired from a timer so that most land
// inside the game's pauses and message boxes. TAROLAS_MONKEY_SEED and TAROLAS_MONKEY_STEPS override.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <random>

#include "access/accessibility.h"
#include "store/memory.h"
#include "table/form1.h"
#include "table/table_widget.h"

namespace tarolas::test {
namespace {

int kornyezet(const char* nev, int alap) {
    return qEnvironmentVariableIsEmpty(nev) ? alap : qEnvironmentVariableIntValue(nev);
}

// A game between moves: the cards all there, a trick of at most two, one marriage pending, hands refilled.
bool ep(const GameState& st) {
    const bool huzott = st.kezben(kJatekos) == 5 && st.kezben(kGep) == 5 - static_cast<int>(st.asztal.size());
    return st.mindenLapMegvan() && st.asztal.size() <= 2 && !(st.husz && st.negyven) &&
           (st.soron != kJatekos || st.talonszam == 0 || st.takart || huzott);
}

// `irhatatlan`: the game remembers into a folder that cannot be written, and Statisztika is opened too.
void majom(int lepesek, bool irhatatlan) {
    const unsigned seed = static_cast<unsigned>(kornyezet("TAROLAS_MONKEY_SEED", 1966));
    std::fprintf(stderr, "monkey seed %u, %d actions (TAROLAS_MONKEY_SEED to repeat)\n", seed, lepesek);
    Form1 f;
    akadalymentesseg(f);
    QTemporaryDir ide;
    if (irhatatlan) {
        // Under a plain file no folder can be made, not even by root, whom permissions do not stop.
        QFile fal(ide.filePath("fajl"));
        ASSERT_TRUE(fal.open(QIODevice::WriteOnly));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ide.filePath("fajl/config"));
        const Emlekezet* e = emlekezet(f, ide.filePath("fajl/tarolas"));
        EXPECT_TRUE(e->inditasiUzenet().contains("nem menthető")) << e->inditasiUzenet().toStdString();
    }
    f.Timer1->setInterval(1);
    f.show();
    f.ujjatek->trigger();
    std::mt19937 rng(seed);
    auto szam = [&rng](int n) { return std::uniform_int_distribution<int>(0, std::max(n, 1) - 1)(rng); };
    int hatra = lepesek, elrontotta = -1, szunetben = 0, dobozban = 0, utesek = 0, vitt = 0, meccsek = 0;
    const QWidget* vegeDoboz = nullptr;
    QObject ora;
    const std::pair<Qt::Key, Qt::KeyboardModifiers> tablaBillentyuk[] = {
        {Qt::Key_Left, {}}, {Qt::Key_Right, {}}, {Qt::Key_Home, {}}, {Qt::Key_End, {}}, {Qt::Key_Return, {}},
        {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, {}}, {Qt::Key_A, {}}, {Qt::Key_T, {}}, {Qt::Key_Tab, {}},
        {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Up, {}}, {Qt::Key_Down, {}}, {Qt::Key_H, {}}};
    const Qt::Key gombBetuk[] = {Qt::Key_T, Qt::Key_4, Qt::Key_2, Qt::Key_K};
    std::function<void()> utem = [&] {
        QWidget* modalis = QApplication::activeModalWidget();
        const GameState& st = f.st();
        if (!f.busy() && !ep(st) && elrontotta < 0) elrontotta = lepesek - hatra;
        const int most = f.busy() ? vitt : static_cast<int>(st.gepvittlapok.size() + st.jatekosvittlapok.size());
        utesek += std::exchange(vitt, most) < most;
        // The next tick is due before this action runs, so it fires inside whatever this starts.
        // Winding down, the ticks only answer boxes until every move has run to its end.
        if (--hatra >= 0 || f.busy() || modalis) QTimer::singleShot(szam(3), &ora, utem);
        if (auto* box = qobject_cast<QMessageBox*>(modalis);
            box && box != vegeDoboz && box->text().endsWith(QStringLiteral("Akarsz még egyet játszani?")))
            vegeDoboz = box, ++meccsek;
        szunetben += hatra >= 0 && f.busy();
        dobozban += hatra >= 0 && modalis;
        // Buttons offered mid-trick are the bait; points mostly on the hand row at the bottom.
        const int r = hatra < 0 ? 80 : f.busy() && szam(3) == 0 ? 0 : szam(100);
        QPushButton* gomb = f.Command1[szam(4)];
        for (QPushButton* b : f.Command1)
            if (!gomb->isVisible()) gomb = b;
        const int W = f.Picture3->width(), H = f.Picture3->height();
        const QPoint p(szam(W), szam(3) ? H - 1 - szam(H / 4) : szam(H));
        if (r < 8 && gomb->isVisible()) QTest::mouseClick(gomb, Qt::LeftButton);
        else if (r < 30) QTest::mouseMove(f.Picture3, p);
        else if (r < 58) QTest::mouseClick(f.Picture3, Qt::LeftButton, {}, p);
        else if (r < 61) QTest::mouseClick(f.Picture3, szam(2) ? Qt::RightButton : Qt::MiddleButton, {}, p);
        // With nowhere to save, a match is played to its end before the next is started.
        else if (r < 64 && (!irhatatlan || st.kiadottlapok.empty())) QTest::keyClick(&f, Qt::Key_F2);
        else if (r < 66 && !modalis && (!irhatatlan || st.kiadottlapok.empty())) f.ujjatek->trigger();  // the menu is out of reach under a modal window
        else if (r < 70) f.resize(40 + szam(860), 20 + szam(680));  // at times a table too small to draw on
        else if (r < 71) QTest::keyClick(&f, irhatatlan && szam(2) ? Qt::Key_F4 : Qt::Key_F1);
        else if (r < 72 && !modalis) f.nevjegy->trigger();
        else if (r < 73 && !modalis) f.erosellenfel->trigger();
        else if (auto* box = qobject_cast<QMessageBox*>(modalis); box && r < 90)
            box->buttons()[szam(static_cast<int>(box->buttons().size()))]->click();
        else if (auto* d = qobject_cast<QDialog*>(modalis); d && r < 90) d->reject();
        else if (r >= 90 && r < 97) {
            const auto& [billentyu, modosito] = tablaBillentyuk[szam(14)];
            QTest::keyClick(f.Picture3, billentyu, modosito);
        }
        else if (r >= 97) QTest::keyClick(&f, gombBetuk[szam(4)], Qt::AltModifier);
    };
    QTimer::singleShot(0, &ora, utem);
    // 60 ms an action, never under four minutes: room for the sanitizer build on a busy machine.
    const int korlat = std::max(240000, 60 * lepesek);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hatra < 0 && !f.busy() && !QApplication::activeModalWidget(); }, korlat))
        << "a pause or a box never ended within " << korlat / 1000 << " s";
    EXPECT_EQ(elrontotta, -1) << "the game was broken after that many actions";
    EXPECT_FALSE(f.Timer1->isActive());
    std::printf("monkey: %d actions during a move, %d under a modal window, %d tricks, %d matches ended\n", szunetben,
                dobozban, utesek, meccsek);
    EXPECT_TRUE(!irhatatlan || meccsek >= 1) << meccsek << " matches ended";
    EXPECT_TRUE(szunetben > lepesek / 20 && dobozban > lepesek / 50 && utesek > lepesek / 100);
}

TEST(Monkey, RandomInputNeverBreaksTheGame) { majom(kornyezet("TAROLAS_MONKEY_STEPS", 4000), false); }

// Whole matches played with nowhere to save: the game plays on.
TEST(Monkey, AFolderThatCannotBeWrittenBreaksNothing) { majom(kornyezet("TAROLAS_MONKEY_STEPS", 4000) / 2, true); }

TEST(Monkey, APauseInsideAPauseLetsBothEnd) {
    Form1 f;
    f.Timer1->setInterval(1);
    bool belso = false;
    QObject::connect(f.Timer1, &QTimer::timeout, &f, [&] { if (!std::exchange(belso, true)) f.varakozas(); });
    f.varakozas();
    EXPECT_TRUE(belso && !f.Timer1->isActive());
}

}  // namespace
}  // namespace tarolas::test
