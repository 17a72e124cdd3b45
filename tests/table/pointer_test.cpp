// The table under real mouse events: hints and releases on a table of 540 x 360 pixels (8100 x
// 5400 twips: L 2700, S 450, w ~814.2, hand row from pixel 264 to 353).

#include <QPushButton>

#include "table_window.h"

namespace tarolas::test {
namespace {

bool kezben(const GameState& st, Kartya c) { return std::ranges::count(st.kezek[kJatekos], c) > 0; }

TEST(Pointer, HintsAndReleases) {
    Ablak f;
    // The hint on moving to a point, then a release there, with `tartva` held down meanwhile.
    // `ki`: the card that leaves the hand; a row with neither `ki` nor `takart` must change nothing.
    const struct { Hely hely; int x, y; Qt::MouseButton b; const char* hint; Kartya ki = 0, adulap = 31;
                   bool takart = false; Qt::MouseButton tartva = Qt::NoButton; } esetek[] = {
        {Also, 211, 300, Qt::LeftButton, "Makk tíz választása ", 22},  // just right of L + S: slot 1
        {Also, 50, 160, Qt::LeftButton, "Talon alján levő lap cseréje adu alsóra ", 35, 35},  // upper half
        {Also, 50, 190, Qt::LeftButton, "A talon letakarása ", 0, 31, true},
        {Nyit, 210, 300, Qt::LeftButton, ""},  // X = L + S
        {Nyit, 220, 300, Qt::RightButton, "Makk tíz választása "},
        {Nyit, 220, 300, Qt::MiddleButton, "Makk tíz választása "},
        {Nyit, 50, 160, Qt::LeftButton, "Talon alján levő lap cseréje adu alsóra "},  // no alsó: a message
        {Nyit, 30, 50, Qt::LeftButton, "Vitt lapok értéke: 0   Bemondás: 20 "},
        {Nyit, 30, 300, Qt::LeftButton, "Vitt lapok értéke: 0   Bemondás: 40 "},
        {Nyit, 400, 100, Qt::LeftButton, ""},
        {Nyit, 220, 300, Qt::LeftButton, "", 0, 31, false, Qt::RightButton},  // the hint stays as it was
        {Valasz, 50, 160, Qt::LeftButton, ""},
        {Valasz, 50, 190, Qt::LeftButton, ""},
        {Takart, 50, 160, Qt::LeftButton, ""},
        {Takart, 50, 190, Qt::LeftButton, ""},
        {Gepe, 220, 300, Qt::LeftButton, ""},  // the computer's turn: the hint stays as it was
    };
    const GameState& st = f.st();
    auto kep = [&st] { return std::tuple(st.kezek, st.asztal, st.kiadottlapok, st.adulap, st.takart); };
    for (const auto& e : esetek) {
        SCOPED_TRACE(testing::Message() << "row " << &e - esetek << ", at " << e.x << "," << e.y);
        allas(f, e.hely);
        if (e.tartva) QTest::mousePress(f.Picture3, e.tartva, {}, QPoint(400, 100));
        QTest::mouseMove(f.Picture3, QPoint(e.x, e.y));
        EXPECT_EQ(f.statusText(2).toStdString(), e.hint);
        const auto elotte = kep();
        f.katt(e.x, e.y, e.b);
        if (e.tartva) QTest::mouseRelease(f.Picture3, e.tartva, {}, QPoint(400, 100));
        if (e.ki == 0 && !e.takart)
            EXPECT_TRUE(kep() == elotte);
        else
            EXPECT_TRUE(kezben(st, 11) && !kezben(st, e.ki) && st.adulap == e.adulap && st.takart == e.takart &&
                        st.soron == kJatekos && st.mindenLapMegvan());
        // The redraws after the move took the played card's hint away.
        EXPECT_TRUE(e.ki == 0 || !f.statusText(2).contains(QString::fromStdString(megnevezo(e.ki))));
    }
    EXPECT_EQ(f.uzenetek, std::vector<std::string>{"Csak adu alsóra tudod a talon alján levő lapot kicserélni."});
}

TEST(Pointer, ReleasesButtonsNewMatchQuitAndCloseWaitForTheRunningMove) {
    Ablak f;
    // The player trumps the led Makk ász holding the Piros marriage: "20" shows mid-trick.
    allas(f, Valasz);
    f.jatek().st.kezek = {{{12, 15, 22, 23, 0}, {35, 13, 14, 24, 25}}};
    f.jatek().st.kiadottlapok = {12, 15, 22, 23, 21, 35, 13, 14, 24, 25, 31};
    f.jatek().st.egyseg = {3, 4};
    int gombok = 0;
    f.kattKozben(181, 300, [&] {
        f.katt(241, 300);  // slot 2
        f.katt(50, 190);   // the talon
        for (QPushButton* b : f.Command1) {
            gombok += b->isVisible();
            if (b->isVisible()) QTest::mouseClick(b, Qt::LeftButton);
        }
        f.ujjatek->trigger();
    });
    const GameState& st = f.st();
    EXPECT_TRUE(gombok > 0 && !kezben(st, 35) && kezben(st, 14) && f.Command1[2]->isVisible());
    EXPECT_TRUE(!st.takart && !st.husz && st.bemondas[kJatekos] == 40 && f.uzenetek.empty() && st.egyseg[1] == 4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return st.egyseg[1] == 0; }));  // the new match comes after the move
    // So do quitting and closing.
    allas(f, Nyit);
    f.kattKozben(181, 300, [&] {
        f.kilep->trigger();
        f.close();
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_EQ(f.st().gepvittlapok.size() + f.st().jatekosvittlapok.size(), 2u);  // the trick ran to its end
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.isVisible(); }));
}

}  // namespace
}  // namespace tarolas::test
