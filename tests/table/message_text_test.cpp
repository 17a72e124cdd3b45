#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "game/scoring.h"
#include "table/form1.h"
#include "table/message_text.h"

namespace {

std::vector<std::vector<double>> szelessegek(const QString& szoveg, const QFontMetricsF& fm) {
    std::vector<std::vector<double>> w;
    for (const QString& sor : szoveg.split(QLatin1Char('\r'))) {
        w.emplace_back();
        for (const QString& d : sor.split(QLatin1Char('\t'))) w.back().push_back(fm.horizontalAdvance(d));
    }
    return w;
}

// The score sheet's lines by number: 2 header, 3 "=", 4-5 counts, 6 "-", 7 totals, 13 match score.
void oszlopokEgyeznek(const QFont& betu) {
    using namespace tarolas;
    const QFontMetricsF fm(betu);
    const std::string lap = eredmenylap(jatszmaEredmeny(54, 107, {}, false, 1), {34, 67}, {20, 40}, {3, 13});
    const QString szoveg = QString::fromUtf8(lap.c_str());
    const auto h = tabHelyek(szelessegek(szoveg, fm), 2 * fm.averageCharWidth(), 400);
    ASSERT_EQ(h.size(), 16u);
    const int ertek0 = h[4][1], cimke1 = h[4][2], ertek1 = h[4][3];
    EXPECT_LT(0, ertek0);
    EXPECT_LT(ertek0, cimke1);
    EXPECT_LT(cimke1, ertek1);
    for (int s : {5, 7}) EXPECT_EQ(h[s], (std::vector<int>{0, ertek0, cimke1, ertek1})) << "line " << s;
    EXPECT_EQ(h[2].back(), cimke1);  // "Játékos:" over the player's column
    EXPECT_EQ(h[3], (std::vector<int>{0, cimke1}));
    EXPECT_EQ(h[6], (std::vector<int>{0, cimke1}));
    ASSERT_EQ(h[13].size(), 5u);  // "Játékos:" is followed by two tabs
    EXPECT_EQ(h[13][1], ertek0);
    EXPECT_EQ(h[13][2], cimke1);
    EXPECT_EQ(h[13][4], ertek1);
}

TEST(MessageText, TheScoreSheetColumnsLineUp) {
    QFont betu = QApplication::font();
    oszlopokEgyeznek(betu);
    betu.setPointSizeF(betu.pointSizeF() * 1.5);
    oszlopokEgyeznek(betu);
}

TEST(MessageText, TabbedTextBecomesATableAndOtherTextStaysPlain) {
    const QFontMetricsF fm(QApplication::font());
    EXPECT_TRUE(tarolas::tabTablazat(QStringLiteral("Bemondtad a Huszat!\rA bemondásban"), fm).isEmpty());
    const QString t = tarolas::tabTablazat(QStringLiteral("a<b\tc\r\rvége"), fm);
    EXPECT_TRUE(t.startsWith(QStringLiteral("<table")));
    EXPECT_TRUE(t.contains(QStringLiteral("a&lt;b")));
    EXPECT_EQ(t.count(QStringLiteral("<tr>")), 3);

    // In the window the sheet is shown as rich text.
    Form1 w;
    QString formatum;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        formatum = box->textFormat() == Qt::RichText ? QStringLiteral("rich") : QStringLiteral("plain");
        box->button(QMessageBox::Ok)->click();
    });
    w.messageBox("Összesen:\t54\tÖsszesen:\t107", tarolas::MsgButtons::Ok, false);
    EXPECT_EQ(formatum, QStringLiteral("rich"));
}

}  // namespace
