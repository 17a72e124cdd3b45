#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>

#include "game/scoring.h"
#include "table/message_text.h"

namespace {

// The score sheet's lines by number: 2 header, 3 "=", 4-5 counts, 6 "-", 7 totals, 13 match score.
TEST(MessageText, TheScoreSheetColumnsLineUpAtAnyFontSize) {
    using namespace tarolas;
    const std::string lap = eredmenylap(jatszmaEredmeny(54, 107, {}, false, 1), {34, 67}, {20, 40}, {3, 13});
    for (const qreal nagyitas : {1.0, 1.5}) {
        QFont betu = QApplication::font();
        betu.setPointSizeF(betu.pointSizeF() * nagyitas);
        const QFontMetricsF fm(betu);
        std::vector<std::vector<double>> szelesseg;
        for (const QString& sor : QString::fromStdString(lap).split(QLatin1Char('\r'))) {
            szelesseg.emplace_back();
            for (const QString& d : sor.split(QLatin1Char('\t'))) szelesseg.back().push_back(fm.horizontalAdvance(d));
        }
        const auto h = tabHelyek(szelesseg, 2 * fm.averageCharWidth(), 400);
        ASSERT_EQ(h.size(), 16u);
        ASSERT_EQ(h[13].size(), 5u);  // "Játékos:" is followed by two tabs
        const int ertek0 = h[4][1], cimke1 = h[4][2], ertek1 = h[4][3];
        EXPECT_TRUE(0 < ertek0 && ertek0 < cimke1 && cimke1 < ertek1);
        for (int s : {5, 7}) EXPECT_EQ(h[s], (std::vector<int>{0, ertek0, cimke1, ertek1})) << "line " << s;
        EXPECT_EQ(h[2].back(), cimke1);  // "Játékos:" over the player's column
        EXPECT_EQ(h[3], (std::vector<int>{0, cimke1}));
        EXPECT_EQ(h[6], h[3]);
        EXPECT_EQ((std::vector<int>{h[13][1], h[13][2], h[13][4]}), (std::vector<int>{ertek0, cimke1, ertek1}));
    }
}

}  // namespace
