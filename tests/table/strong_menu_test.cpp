#include <gtest/gtest.h>

#include <QMenu>

#include "table/form1.h"

namespace {

TEST(StrongOpponentMenu, OneCheckableItemUnderFajlOffAtStartSwitchesTheGame) {
    Form1 f;
    const QList<QAction*> elemek = f.fajl->actions();
    ASSERT_EQ(elemek.size(), 4);  // Új játék, Erős ellenfél, the separator, Kilép
    EXPECT_EQ(elemek[1], f.erosellenfel);
    EXPECT_EQ(f.erosellenfel->text(), QStringLiteral("Erős ellenfél"));
    EXPECT_TRUE(f.erosellenfel->isCheckable());
    EXPECT_FALSE(f.erosellenfel->isChecked());
    EXPECT_FALSE(f.jatek().erosGep());
    f.erosellenfel->trigger();
    EXPECT_TRUE(f.jatek().erosGep());
    f.erosellenfel->trigger();
    EXPECT_FALSE(f.jatek().erosGep());
}

}  // namespace
