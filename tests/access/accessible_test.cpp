// The table as a screen reader reads it, through Qt's accessibility interfaces.

#include <gtest/gtest.h>

#include <QAccessible>
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

}  // namespace
}  // namespace tarolas::test
