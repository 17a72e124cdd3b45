// What the narrator raises for a screen reader: notifications, read through Qt's accessibility.

#include "table/score_text.h"
#include "table/table_window.h"

namespace tarolas::test {
namespace {

// A button is told once when it becomes possible. Then a move on the table: the computer's answer
// is spoken once as it comes; the review keys R say the move's sentences again in one notification,
// S where things stand, in status panel 2 as well.
TEST(Narrator, AButtonOnceThenRAndSOnTheTable) {
    Ablak f;
    allas(f, Nyit);
    const auto gombElott = ertesitesek(f).size();
    for (const bool kesz : {true, true, false, true}) {  // shown, kept, hidden, shown again
        f.jatek().st.bemondas[kJatekos] = kesz ? 66 : 0;
        f.ujrarajzol();
    }
    const auto most = ertesitesek(f);
    ASSERT_EQ(most.size(), gombElott + 1);
    EXPECT_EQ(most.back(), "Kész bemondható: Alt+K");

    allas(f, Nyit);
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.Picture3->setFocus();
    QTest::qWait(10);  // where the play stands, said as the focus comes, is not part of the move
    const auto elotte = ertesitesek(f).size();
    QTest::keyClick(f.Picture3, Qt::Key_Return);  // leads the Piros ász
    const auto lepes = ertesitesek(f);
    ASSERT_GT(lepes.size(), elotte);
    EXPECT_EQ(std::ranges::count_if(lepes, [](const std::string& s) { return s.starts_with("A gép válasza: "); }), 1);
    std::string vart;
    // A button's sentence ("20 bemondható: Alt+2") gets its full stop in the run.
    for (auto i = elotte; i < lepes.size(); ++i)
        vart += (vart.empty() ? "" : " ") + lepes[i] + (lepes[i].ends_with('.') ? "" : ".");
    QTest::keyClick(f.Picture3, Qt::Key_R);
    EXPECT_EQ(ertesitesek(f).back(), vart);
    QTest::keyClick(f.Picture3, Qt::Key_S);
    EXPECT_EQ(ertesitesek(f).back(), attekintes(f.st()));
    EXPECT_EQ(f.statusText(2).toStdString(), attekintes(f.st()));
}

}  // namespace
}  // namespace tarolas::test
