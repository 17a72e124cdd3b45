// A whole match from "Új játék" to the match-over question, once with the mouse alone and once
// with the keyboard alone, on the same random player; the keyboard's once more in English.

#include <QApplication>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <random>

#include "access/narrator.h"
#include "table/language.h"
#include "table/score_text.h"
#include "table_window.h"

namespace tarolas::test {
namespace {

// How a player gives its moves: start the match, press offered button `i`, play hand slot `j`.
struct Bemenet {
    std::function<void(Ablak&)> kezd;
    std::function<void(Ablak&, int)> gomb, lap;
    std::function<void(Ablak&)> vegul = {};
};

void egeszMeccs(const Bemenet& be, const std::string& kerdes = "Akarsz még egyet játszani?") {
    // Spoken notifications leave the window's tree, here sooner than for a listener.
    const int megtartas = std::exchange(Narrator::megtartasMs, 50);
    Ablak f;
    std::mt19937 rng(20240611);
    be.kezd(f);
    auto vege = [&] { return !f.uzenetek.empty() && f.uzenetek.back().ends_with(kerdes); };
    for (int lepes = 0; !vege() && lepes < 20000; ++lepes) {
        const GameState& st = f.st();
        ASSERT_TRUE(!f.busy() && st.mindenLapMegvan() && st.soron == kJatekos && st.asztal.size() <= 1);
        ASSERT_EQ(f.statusText(3).toStdString(), tarolas::allas(st.egyseg));
        ASSERT_NE(f.statusText(2).toStdString(), inditoSugo());
        // "Kész" or a marriage whenever offered, else a card.
        const int g = f.Command1[3]->isVisible() ? 3 : f.Command1[1]->isVisible() ? 1 : f.Command1[2]->isVisible() ? 2 : 0;
        if (g) {
            be.gomb(f, g);
            continue;
        }
        int j = std::uniform_int_distribution<int>(0, 4)(rng);
        while (st.kezek[kJatekos][j] == 0) j = (j + 1) % 5;
        be.lap(f, j);
    }
    ASSERT_TRUE(vege());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ertesitesek(f).size() <= 3; }, 1000)) << ertesitesek(f).size();
    Narrator::megtartasMs = megtartas;
    // Declined: back to idle, nothing dealt, no score.
    EXPECT_TRUE(f.st().soron == 0 && f.st().talonszam == 20 && f.st().mindenLapMegvan() && !f.busy());
    EXPECT_EQ(f.statusText(3), QString());
    EXPECT_EQ(f.statusText(2).toStdString(), inditoSugo());
    if (be.vegul) be.vegul(f);
}

TEST(WholeMatch, PlayedWithTheMouseAloneUntilTheMatchOverQuestion) {
    egeszMeccs({[](Ablak& f) {
                    QTest::mouseClick(f.menuBar(), Qt::LeftButton, {},
                                      f.menuBar()->actionGeometry(f.fajl->menuAction()).center());
                    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.fajl));
                    QTest::mouseClick(f.fajl, Qt::LeftButton, {}, f.fajl->actionGeometry(f.ujjatek).center());
                },
                [](Ablak& f, int i) { QTest::mouseClick(f.Command1[i], Qt::LeftButton); },
                [](Ablak& f, int j) {
                    // Just right of the strip's left edge.
                    const Geometria& g = f.geometria();
                    f.katt(static_cast<int>((g.kezkezdet + j * g.laptavolsag) / kTwipPerPixel) + 1,
                           static_cast<int>((f.Picture3->scaleHeight() - 100 - g.lapmagassag / 2) / kTwipPerPixel));
                }});
}

// Keys go where the keyboard focus is, as a player's would.
void billentyu(Qt::Key k, Qt::KeyboardModifiers m = {}) {
    QWidget* hova = QApplication::focusWidget();
    ASSERT_NE(hova, nullptr);
    QTest::keyClick(hova, k, m);
}

Bemenet billentyuzettel() {
    return {[](Ablak& f) {
                    f.activateWindow();
                    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
                    billentyu(Qt::Key_F2);
                },
                [](Ablak& f, int i) {
                    // "40" by Tab and Space, "20" and "Kész" by their Alt shortcuts.
                    if (i == 1) {
                        for (int n = 0; n < 5 && QApplication::focusWidget() != f.Command1[1]; ++n) billentyu(Qt::Key_Tab);
                        ASSERT_EQ(QApplication::focusWidget(), f.Command1[1]);
                        billentyu(Qt::Key_Space);
                    } else {
                        billentyu(i == 2 ? Qt::Key_2 : Qt::Key_K, Qt::AltModifier);
                    }
                    ASSERT_EQ(QApplication::focusWidget(), f.Picture3);
                },
                [](Ablak& f, int j) {
                    ASSERT_EQ(QApplication::focusWidget(), f.Picture3);
                    billentyu(Qt::Key_Home);
                    const auto& kez = f.st().kezek[kJatekos];
                    for (int k = 0; k < j; ++k)
                        if (kez[k] != 0) billentyu(Qt::Key_Right);
                    ASSERT_EQ(f.kivalasztott(), j);
                    billentyu(j % 2 ? Qt::Key_Return : Qt::Key_Space);
                },
                [](Ablak& f) {
                    billentyu(Qt::Key_Q, Qt::ControlModifier);
                    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.isVisible(); }));
                }};
}

TEST(WholeMatch, PlayedWithTheKeyboardAloneUntilTheMatchOverQuestion) { egeszMeccs(billentyuzettel()); }

// Run by ctest with LANGUAGE=en: the language the desktop asks for, and the texts it brings.
TEST(WholeMatchEnglish, PlayedWithTheKeyboardAloneReadingEnglish) {
    const QString nyelv = nyelvValasztas(QLocale::system().uiLanguages());
    if (nyelv != QLatin1String("en")) GTEST_SKIP() << "needs an English desktop (LANGUAGE=en)";
    nyelvBeallitas(nyelv);
    Bemenet be = billentyuzettel();
    be.vegul = [vegul = be.vegul](Ablak& f) {
        EXPECT_EQ(f.fajl->title(), QStringLiteral("&File"));
        EXPECT_EQ(f.Command1[3]->text(), QStringLiteral("Done"));
        EXPECT_EQ(f.statusText(2), QStringLiteral("New game: F2"));
        // The score sheets, in English throughout, their numbers in place.
        int lapok = 0;
        for (const std::string& u : f.uzenetek)
            if (u.find("Score of the match:\r") != std::string::npos) {
                ++lapok;
                EXPECT_NE(u.find("\rComputer:\t\tPlayer:\r"), std::string::npos) << u;
                EXPECT_NE(u.find("\rClick OK to continue."), std::string::npos) << u;
                EXPECT_EQ(u.find("pont"), std::string::npos) << u;
            }
        EXPECT_GT(lapok, 0);
        vegul(f);
    };
    egeszMeccs(be, "Do you want to play another match?");
    nyelvBeallitas(QString());
}

}  // namespace
}  // namespace tarolas::test
