// A monkey at the window: random pointer moves and releases, button clicks, F2 and "Új játék",
// resizes, dialogs and answers to message boxes, fired from a timer so that most of them land
// inside the game's pauses and message boxes. Whenever no move is being played out, the game state
// must be whole. TAROLAS_MONKEY_SEED and TAROLAS_MONKEY_STEPS override the defaults.

#include <gtest/gtest.h>

#include <QMenuBar>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "table_harness.h"

namespace tarolas::test {
namespace {

unsigned kornyezet(const char* nev, unsigned alap) {
    const char* v = std::getenv(nev);
    return v && *v ? static_cast<unsigned>(std::strtoul(v, nullptr, 10)) : alap;
}

class Majom : public QObject {
public:
    Majom(Form1& f, unsigned seed, int lepesek) : f_(f), rng_(seed), hatra_(lepesek) {}

    bool kesz = false;
    int szunetben = 0;   // actions taken while a move was being played out
    int dobozban = 0;    // actions taken while a modal window was open
    int hibak = 0;
    int utesek = 0;      // tricks seen taken
    std::string elsoHiba;

    void utem() {
        if (hatra_ > 0) {
            --hatra_;
            // The next tick is due before this action runs, so it fires inside whatever this starts.
            QTimer::singleShot(szam(0, 2), this, [this] { utem(); });
            szunetben += f_.busy();
            dobozban += QApplication::activeModalWidget() != nullptr;
            cselekszik();
            ellenoriz("after an action");
            return;
        }
        // Winding down: answer what is open until every move has run to its end.
        if (f_.busy() || QApplication::activeModalWidget()) {
            QTimer::singleShot(1, this, [this] { utem(); });
            valaszol();
            return;
        }
        ellenoriz("at the end");
        kesz = true;
    }

private:
    int szam(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }

    void ellenoriz(const char* mikor) {
        if (f_.busy()) return;
        const GameState& st = f_.st();
        const int vitt = static_cast<int>(st.gepvittlapok.size() + st.jatekosvittlapok.size());
        if (vitt > vitt_) utesek += (vitt - vitt_) / 2;
        vitt_ = vitt;
        std::string baj;
        if (!st.mindenLapMegvan()) baj = "cards lost or doubled";
        else if (st.asztal.size() > 2) baj = "more than two cards on the table";
        else if (st.husz && st.negyven) baj = "20 and 40 both pending";
        else if (st.soron == kJatekos && st.talonszam > 0 && !st.takart &&
                 st.kezben(kJatekos) != 5)
            baj = "the player missed a draw";
        else if (st.soron == kJatekos && st.talonszam > 0 && !st.takart &&
                 st.kezben(kGep) != 5 - static_cast<int>(st.asztal.size()))
            baj = "the computer missed a draw";
        if (baj.empty()) return;
        if (hibak++ == 0) elsoHiba = baj + " " + mikor;
    }

    // A point in twips, mostly on something that reacts.
    QPoint pont() {
        const Geometria& g = f_.geometria();
        const double H = f_.Picture3->scaleHeight(), W = f_.Picture3->scaleWidth();
        const double h = g.lapmagassag, w = g.lapszelesseg;
        double x = 0, y = 0;
        switch (szam(0, 5)) {
        case 0:
        case 1:  // a hand card
        case 2:
            x = g.kezkezdet + szam(0, 4) * g.laptavolsag + szam(0, 100) / 100.0 * w;
            y = H - 100 - szam(1, 99) / 100.0 * h;
            break;
        case 3:  // the trump card or the talon
            x = 100 + szam(0, 100) / 100.0 * h;
            y = H / 2 - h / 2 + szam(0, 100) / 100.0 * (h / 2 + 60 + w);
            break;
        default:
            x = szam(0, 1000) / 1000.0 * W;
            y = szam(0, 1000) / 1000.0 * H;
        }
        return QPoint(static_cast<int>(x / kTwipPerPixel), static_cast<int>(y / kTwipPerPixel));
    }

    void valaszol() {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            const auto gombok = box->buttons();
            if (!gombok.isEmpty()) gombok[szam(0, static_cast<int>(gombok.size()) - 1)]->click();
        } else if (auto* d = qobject_cast<QDialog*>(w)) {
            d->reject();
        }
    }

    void cselekszik() {
        const bool modalis = QApplication::activeModalWidget() != nullptr;
        // Buttons offered in the middle of a trick (the player has just won it) are the bait.
        if (f_.busy() && szam(0, 2) == 0) {
            for (QPushButton* b : f_.Command1) {
                if (b->isVisible()) {
                    QTest::mouseClick(b, Qt::LeftButton);
                    return;
                }
            }
        }
        const int r = szam(0, 99);
        if (r < 22) {
            mozgat(f_, pont().x(), pont().y());
        } else if (r < 50) {
            const QPoint p = pont();
            katt(f_, p.x(), p.y());
        } else if (r < 53) {
            const QPoint p = pont();
            katt(f_, p.x(), p.y(), szam(0, 1) ? Qt::RightButton : Qt::MiddleButton);
        } else if (r < 61) {
            QPushButton* b = f_.Command1[szam(0, 3)];
            if (b->isVisible()) QTest::mouseClick(b, Qt::LeftButton);
        } else if (r < 64) {
            QTest::keyClick(&f_, Qt::Key_F2);
        } else if (r < 66) {
            if (!modalis) f_.ujjatek->trigger();  // the menu is out of reach under a modal window
        } else if (r < 70) {
            // Now and then a table too small to draw on.
            const int w = szam(0, 9) == 0 ? szam(40, 120) : szam(200, 900);
            const int h = szam(0, 9) == 0 ? szam(20, 120) : szam(160, 700);
            f_.resize(w, h);
        } else if (r < 71) {
            QTest::keyClick(&f_, Qt::Key_F1);
        } else if (r < 72) {
            if (!modalis) f_.nevjegy->trigger();
        } else if (r < 74) {
            f_.activateWindow();
        } else if (r < 90) {
            valaszol();
        }
    }

    Form1& f_;
    std::mt19937 rng_;
    int hatra_;
    int vitt_ = 0;
};

TEST(Monkey, RandomInputNeverBreaksTheGame) {
    const unsigned seed = kornyezet("TAROLAS_MONKEY_SEED", 1966);
    const int lepesek = static_cast<int>(kornyezet("TAROLAS_MONKEY_STEPS", 4000));
    std::printf("monkey seed %u, %d actions (TAROLAS_MONKEY_SEED to repeat)\n", seed, lepesek);
    std::fflush(stdout);

    Form1 f;
    elokeszit(f, 540, 360);
    f.activateWindow();
    (void)QTest::qWaitForWindowActive(&f);
    f.ujjatek->trigger();

    Majom majom(f, seed, lepesek);
    QTimer::singleShot(0, &majom, [&] { majom.utem(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return majom.kesz; }, 240000)) << "a pause or a box never ended";

    EXPECT_EQ(majom.hibak, 0) << majom.elsoHiba;
    EXPECT_FALSE(f.busy());
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Many of the actions hit the window in the middle of a move or under a box.
    EXPECT_GT(majom.szunetben, lepesek / 20);
    EXPECT_GT(majom.dobozban, lepesek / 50);
    EXPECT_GT(majom.utesek, lepesek / 100);
    std::printf("monkey: %d actions during a move, %d under a modal window, %d tricks taken\n", majom.szunetben,
                majom.dobozban, majom.utesek);

    // The game still plays: a new match deals afresh.
    asztalMeret(f, 540, 360);
    f.ujjatek_Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.busy(); }));
    EXPECT_EQ(f.st().talonszam, 9);
    EXPECT_EQ(f.st().soron, kJatekos);
    EXPECT_TRUE(f.st().mindenLapMegvan());
}

TEST(Monkey, APauseInsideAPauseLetsBothEnd) {
    Form1 f;
    f.Timer1->setInterval(1);
    bool belso = false;
    QObject kozben;
    QObject::connect(f.Timer1, &QTimer::timeout, &kozben, [&] {
        if (belso) return;
        belso = true;
        f.varakozas();
    });
    f.varakozas();
    EXPECT_TRUE(belso);
    EXPECT_FALSE(f.Timer1->isActive());
}

}  // namespace
}  // namespace tarolas::test
