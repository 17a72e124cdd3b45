// What the narrator raises for a screen reader: notifications, read through Qt's accessibility.

#include <gtest/gtest.h>

#include <QAccessible>

#include "table/table_window.h"

namespace tarolas::test {
namespace {

// The texts of the notifications raised so far, oldest first.
std::vector<std::string> ertesitesek(QWidget& ablak) {
    std::vector<std::string> t;
    for (QObject* o : ablak.children()) {
        QAccessibleInterface* a = o->isWidgetType() ? QAccessible::queryAccessibleInterface(o) : nullptr;
        if (a && a->role() == QAccessible::Notification && a->childCount() == 1)
            t.push_back(a->child(0)->text(QAccessible::Name).toStdString());
    }
    return t;
}

TEST(Narrator, AButtonIsToldOnceWhenItBecomesPossible) {
    Ablak f;
    allas(f, Nyit);
    const auto elotte = ertesitesek(f).size();
    for (const bool kesz : {true, true, false, true}) {  // shown, kept, hidden, shown again
        f.jatek().st.bemondas[kJatekos] = kesz ? 66 : 0;
        f.ujrarajzol();
    }
    const auto most = ertesitesek(f);
    ASSERT_EQ(most.size(), elotte + 1);
    EXPECT_EQ(most.back(), "Kész bemondható: Alt+K");
}

TEST(Narrator, TheComputersAnswerIsSpokenAsItComes) {
    Ablak f;
    allas(f, Nyit);
    f.Picture3->setFocus();
    QTest::keyClick(f.Picture3, Qt::Key_Return);  // leads the Piros ász
    const auto t = ertesitesek(f);
    EXPECT_EQ(std::ranges::count_if(t, [](const std::string& s) { return s.starts_with("A gép válasza: "); }), 1);
}

}  // namespace
}  // namespace tarolas::test
