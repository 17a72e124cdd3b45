// The table as a screen reader reads it, through Qt's accessibility interfaces.

#include <algorithm>
#include <iterator>

#include "table/table_window.h"

namespace tarolas::test {
namespace {

// The names of the table's children after its buttons and label, a list's items after it; each
// knows its place among its parent's children.
std::vector<std::string> nevek(QAccessibleInterface* szulo) {
    std::vector<std::string> n;
    for (int i = 0; i < szulo->childCount(); ++i) {
        QAccessibleInterface* c = szulo->child(i);
        if (!c || c->object()) continue;
        EXPECT_EQ(c->parent(), szulo);
        EXPECT_EQ(szulo->indexOfChild(c), i);
        n.push_back(c->text(QAccessible::Name).toStdString());
        if (c->role() == QAccessible::List) std::ranges::copy(nevek(c), std::back_inserter(n));
    }
    return n;
}

TEST(Accessible, TheTableReadsOutWhatItShows) {
    Ablak f;
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QAccessibleInterface* asztal = QAccessible::queryAccessibleInterface(f.Picture3);
    ASSERT_TRUE(asztal);
    EXPECT_EQ(asztal->text(QAccessible::Name), QStringLiteral("Kártyaasztal"));
    auto vart = [&](std::vector<std::string> kozep, const char* negyedik = "Tök alsó") {
        std::vector<std::string> v{"A gép vitt lapjai. Vitt lapok értéke: 0   Bemondás: 20"};
        v.insert(v.end(), kozep.begin(), kozep.end());
        v.insert(v.end(), {"Kezed", "Piros ász", "Makk tíz", "Zöld alsó", negyedik, "Makk alsó"});
        v.emplace_back("Vitt lapjaid. Vitt lapok értéke: 0   Bemondás: 40");
        return v;
    };

    allas(f, Valasz);  // a trick on the table
    EXPECT_EQ(nevek(asztal), vart({"A gép kezében 4 lap", "Adu: Tök ász", "Talon: 9 lap", "Kijátszott lap: Makk ász"}));
    // Where the play stands, not what happened last.
    EXPECT_EQ(asztal->text(QAccessible::Description).toStdString(), "A gép hívott: Makk ász. Te következel.");

    allas(f, Takart);
    EXPECT_EQ(nevek(asztal), vart({"A gép kezében 5 lap", "A talon le van takarva"}));

    allas(f, Nyit);
    f.felfordito({1, 2});  // the Piros marriage shown
    EXPECT_EQ(nevek(asztal), vart({"A gép kezében 5 lap", "Felfordítva: Piros király", "Felfordítva: Piros felső",
                                   "Adu: Tök ász", "Talon: 9 lap"},
                                  "Makk felső"));
    EXPECT_EQ(asztal->text(QAccessible::Description).toStdString(), "Te hívsz.");

    // The selected card is the focused child, and its hint is in the status bar.
    f.Picture3->setFocus();
    QTest::keyClick(f.Picture3, Qt::Key_End);
    QTest::keyClick(f.Picture3, Qt::Key_Left);
    QAccessibleInterface* lap = asztal->focusChild();
    ASSERT_TRUE(lap);
    EXPECT_EQ(lap->text(QAccessible::Name), QStringLiteral("Makk felső"));
    EXPECT_TRUE(lap->state().focused);
    EXPECT_EQ(lap->parent()->indexOfChild(lap), 3);  // the fourth card of five in hand
    EXPECT_EQ(lap->parent()->focusChild(), lap);
    EXPECT_EQ(f.statusText(2), QStringLiteral("Makk felső választása "));
}

// A first Right takes the first card, a first Left the last; Up reaches the table's other
// objects, each with its hover hint and as the focused item, Enter on the talon closes it.
TEST(Accessible, UpReachesThePilesTrumpAndTalonAndDownComesBack) {
    Ablak f;
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(f.statusText(2), QString::fromUtf8(Form1::kInditoSugo));
    allas(f, Nyit);
    f.Picture3->setFocus();
    QTest::keyClick(f.Picture3, Qt::Key_Right);
    EXPECT_EQ(f.kivalasztott(), 0);
    QTest::mouseMove(f.Picture3, QPoint(530, 5));
    QTest::keyClick(f.Picture3, Qt::Key_Left);
    EXPECT_EQ(f.kivalasztott(), 4);
    QAccessibleInterface* asztal = QAccessible::queryAccessibleInterface(f.Picture3);
    const struct { Qt::Key key; const char *sugo, *nev; } lepesek[] = {
        {Qt::Key_Up, "Vitt lapok értéke: 0   Bemondás: 20 ", "A gép vitt lapjai. Vitt lapok értéke: 0   Bemondás: 20"},
        {Qt::Key_Right, "Talon alján levő lap cseréje adu alsóra ", "Adu: Tök ász"},
        {Qt::Key_End, "Vitt lapok értéke: 0   Bemondás: 40 ", "Vitt lapjaid. Vitt lapok értéke: 0   Bemondás: 40"},
        {Qt::Key_Down, "Makk alsó választása ", "Makk alsó"},
        {Qt::Key_Up, "Vitt lapok értéke: 0   Bemondás: 40 ", "Vitt lapjaid. Vitt lapok értéke: 0   Bemondás: 40"},
        {Qt::Key_Left, "A talon letakarása ", "Talon: 9 lap"},
    };
    for (const auto& l : lepesek) {
        QTest::keyClick(f.Picture3, l.key);
        EXPECT_EQ(f.statusText(2).toStdString(), l.sugo);
        ASSERT_TRUE(asztal->focusChild());
        EXPECT_EQ(asztal->focusChild()->text(QAccessible::Name).toStdString(), l.nev);
        EXPECT_TRUE(asztal->focusChild()->state().focused);
    }
    QTest::keyClick(f.Picture3, Qt::Key_Return);
    EXPECT_TRUE(f.st().takart);
}

}  // namespace
}  // namespace tarolas::test
