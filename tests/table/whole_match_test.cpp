// A whole match played in the window with the mouse alone: the menu to start it, hover and
// release on the cards, the trump card and the talon, and the announcement buttons, until the
// match-over question (answered "Nem").

#include <gtest/gtest.h>

#include <QMenuBar>
#include <random>

#include "table/hit_areas.h"
#include "table_harness.h"

namespace tarolas::test {
namespace {

// The middle of the part of slot j's card that a release there picks, in table pixels.
QPoint slotPont(const Form1& f, int j) {
    const Geometria& g = f.geometria();
    const double S = g.laptavolsag, w = g.lapszelesseg;
    const double sav = j == 4 ? w : std::min(S - kezhezag(g), w);
    const double x = g.kezkezdet + j * S + sav / 2;
    const double y = f.Picture3->scaleHeight() - 100 - g.lapmagassag / 2;
    return QPoint(static_cast<int>(x / kTwipPerPixel), static_cast<int>(y / kTwipPerPixel));
}

QPoint aduPont(const Form1& f) {
    const float H = f.Picture3->scaleHeight(), h = f.geometria().lapmagassag;
    return QPoint(static_cast<int>((h / 4 + f.geometria().lapszelesseg / 2) / kTwipPerPixel),
                  static_cast<int>((H / 2 - h / 4) / kTwipPerPixel));
}

QPoint talonPont(const Form1& f) {
    const float H = f.Picture3->scaleHeight();
    const int t = f.st().talonszam;
    return QPoint(static_cast<int>((2 * t + 100 + f.geometria().lapmagassag / 2) / kTwipPerPixel),
                  static_cast<int>((H / 2 + 6 * t + f.geometria().lapszelesseg / 2) / kTwipPerPixel));
}

// Onto a point: a move to where the pointer already is reports nothing, so come from a pixel below.
void ravisz(Form1& f, QPoint p) {
    mozgat(f, p.x(), p.y() + 1);
    mozgat(f, p.x(), p.y());
}

bool matchVege(const Valaszolo& v) {
    return !v.szovegek.isEmpty() && v.szovegek.last().endsWith(QStringLiteral("Akarsz még egyet játszani?"));
}

TEST(WholeMatch, PlayedWithTheMouseAlone) {
    Form1 f;
    elokeszit(f, 600, 420);
    Valaszolo valaszolo(QMessageBox::No);
    std::mt19937 rng(20240611);

    // Fájl > Új játék.
    QTest::mouseClick(f.menuBar(), Qt::LeftButton, Qt::NoModifier,
                      f.menuBar()->actionGeometry(f.fajl->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.fajl));
    QTest::mouseClick(f.fajl, Qt::LeftButton, Qt::NoModifier, f.fajl->actionGeometry(f.ujjatek).center());
    ASSERT_EQ(f.st().soron, kJatekos);
    ASSERT_EQ(f.st().talonszam, 9);

    int kijatszott = 0, lepes = 0, cserek = 0, takarasok = 0, bemondasok = 0;
    while (!matchVege(valaszolo) && lepes < 20000) {
        ++lepes;
        const GameState& st = f.st();
        ASSERT_FALSE(f.busy());
        ASSERT_TRUE(st.mindenLapMegvan());
        ASSERT_EQ(st.soron, kJatekos) << "the computer's turn never outlives a release";
        ASSERT_LE(st.asztal.size(), 1u);

        // A marriage or "Kész" when offered; the all-tricks announcement now and then.
        const int gomb = std::uniform_int_distribution<int>(0, 3)(rng);
        if (f.Command1[gomb]->isVisible() && (gomb != 0 || rng() % 8 == 0)) {
            QTest::mouseClick(f.Command1[gomb], Qt::LeftButton);
            ++bemondasok;
            continue;
        }
        const auto kez = st.kezek[kJatekos];
        const Kartya also = kartya(st.adu, Also);
        const bool talonban = st.asztal.empty() && !st.takart && st.talonszam > 0;
        if (talonban && std::find(kez.begin(), kez.end(), also) != kez.end()) {
            ravisz(f, aduPont(f));
            EXPECT_EQ(f.statusText(2), QStringLiteral("Talon alján levő lap cseréje adu alsóra "));
            katt(f, aduPont(f).x(), aduPont(f).y());
            ASSERT_EQ(f.st().adulap, also);
            ++cserek;
            continue;
        }
        if (talonban && st.talonszam < 7 && rng() % 10 == 0) {
            ravisz(f, talonPont(f));
            EXPECT_EQ(f.statusText(2), QStringLiteral("A talon letakarása "));
            katt(f, talonPont(f).x(), talonPont(f).y());
            ASSERT_TRUE(f.st().takart);
            ++takarasok;
            continue;
        }

        int j = std::uniform_int_distribution<int>(0, 4)(rng);
        while (kez[j] == 0) j = (j + 1) % 5;
        const QPoint p = slotPont(f, j);
        ravisz(f, p);
        EXPECT_EQ(f.statusText(2), QString::fromStdString(megnevezo(kez[j]) + " választása "));
        const Lista asztal = st.asztal;
        katt(f, p.x(), p.y());
        // Either the card went out, or it was refused and nothing moved.
        if (f.st().kezek[kJatekos] == kez && f.st().asztal == asztal) continue;
        ++kijatszott;
    }
    ASSERT_TRUE(matchVege(valaszolo)) << "after " << lepes << " steps";
    // Declined: back to idle, nothing dealt.
    EXPECT_EQ(f.st().soron, 0);
    EXPECT_EQ(f.st().talonszam, 20);
    EXPECT_TRUE(f.st().mindenLapMegvan());
    EXPECT_FALSE(f.busy());
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_EQ(f.statusText(1), QString());
    EXPECT_GE(kijatszott, 5);
    std::printf("whole match: %d cards played, %d exchanges, %d closings, %d button clicks, %lld boxes\n", kijatszott,
                cserek, takarasok, bemondasok, static_cast<long long>(valaszolo.szovegek.size()));
}

}  // namespace
}  // namespace tarolas::test
