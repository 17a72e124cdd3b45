#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

#include "computer/hint.h"
#include "simulation/scripted_player.h"
#include "table_window.h"

namespace {

TEST(Table, DealsOnF2AndRedrawsOnResizeUnlessUnderAHundredTwips) {
    Form1 w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(w.statusText(1), QString());
    EXPECT_EQ(w.Label1->text(), QStringLiteral("20 kártya"));
    QTest::keyClick(&w, Qt::Key_F2);
    const char* szinek[] = {"PIROS", "MAKK", "TÖK", "ZÖLD"};
    ASSERT_GE(w.st().adu, 1);
    EXPECT_EQ(w.statusText(1), QStringLiteral("Az adu színe: ") + QString::fromUtf8(szinek[w.st().adu - 1]));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("9 kártya"));

    const QSize eredeti = w.Picture3->size(), ablak = w.size();
    const int renders0 = w.pakli.renderCount();
    w.resize(ablak + QSize(300, 200));
    EXPECT_EQ(w.geometria().lapmagassag, (eredeti.height() + 200) * 15 / 4.0f);
    // Rendered at the new size once it has stayed a moment; until then the cards at hand, scaled.
    EXPECT_EQ(w.pakli.renderCount(), renders0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.pakli.renderCount() > renders0; }, 150));
    const int renders1 = w.pakli.renderCount();
    // Back at the first size: its pictures were dropped, so they are rendered again.
    w.resize(ablak);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.pakli.renderCount() - renders1 == renders1 - renders0; }, 150));

    // Showing a marriage redraws the cards but leaves the buttons ("Tarolás" at the deal's start) alone.
    w.jatek().st.soron = tarolas::kGep;
    w.felfordito({3, 4});
    EXPECT_FALSE(w.Command1[0]->isHidden());
    const float lapmagassag = w.geometria().lapmagassag;
    const QRect kep = w.Picture3->kepek().back().hova;
    const QRect felirat = w.Label1->geometry();
    w.jatek().st.talonszam = 3;
    w.Picture3->resize(eredeti.width() + 40, 6);  // 90 twips
    EXPECT_EQ(w.Picture3->kepek().back().hova, kep);
    EXPECT_EQ(w.geometria().lapmagassag, lapmagassag);
    EXPECT_EQ(w.Label1->geometry(), felirat);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("9 kártya"));
    EXPECT_FALSE(w.Command1[0]->isHidden());
    w.Picture3->resize(eredeti.width(), 7);  // 105 twips: drawn again
    EXPECT_EQ(w.geometria().lapmagassag, 105.0f / 4);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("3 kártya"));
    EXPECT_TRUE(w.Command1[0]->isHidden());
}

// Dragged bigger frame by frame, the table shows the cards it has, scaled; once the size stays,
// it is the very picture a window opened at that size shows.
TEST(Table, SettledPictureAfterAResizeIsAFreshWindowsAtThatSize) {
    using namespace tarolas;
    test::Ablak a;
    test::allas(a, test::Valasz);
    for (int i = 1; i <= 6; ++i) {
        a.resize(a.size() + QSize(4 * i, 3 * i));
        QCoreApplication::processEvents();
    }
    // Meanwhile the cards are scaled, and what later cards cover is left out: the same picture as
    // each card drawn whole.
    const std::vector<TableWidget::Kep>& kepek = a.Picture3->kepek();
    ASSERT_TRUE(std::any_of(kepek.begin(), kepek.end(), [](const auto& k) { return k.kep.size() != k.hova.size(); }));
    QImage egeszben(a.Picture3->size(), QImage::Format_RGB32), tabla = egeszben;
    egeszben.fill(QColor(0, 128, 0));
    for (QPainter p(&egeszben); const auto& k : kepek) p.drawPixmap(QRectF(k.hova), k.kep, QRectF(k.kep.rect()));
    a.Picture3->render(&tabla, {}, {}, QWidget::DrawWindowBackground);
    EXPECT_EQ(tabla, egeszben);

    Form1 b;
    b.resize(a.size());
    b.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.Picture3->size() == a.Picture3->size(); }));
    b.pakli.clear();  // as if nothing had been rendered before this size
    test::allas(b, test::Valasz);
    const QImage friss = b.Picture3->grab().toImage();
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.Picture3->grab().toImage() == friss; }, 150));

    // The first look, rendered while the window came up, is the table drawn at once.
    Form1 c;
    c.resize(a.size());
    test::allas(c, test::Valasz);
    c.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
    EXPECT_EQ(c.Picture3->grab().toImage(), friss);
}

TEST(StrongOpponentMenu, OneCheckableItemUnderFajlOffAtStartSwitchesTheGame) {
    Form1 f;
    const QList<QAction*> elemek = f.fajl->actions();
    ASSERT_EQ(elemek.size(), 4);  // Új játék, Erős ellenfél, the separator, Kilép
    EXPECT_TRUE(elemek[1] == f.erosellenfel && f.erosellenfel->isCheckable() && !f.erosellenfel->isChecked());
    EXPECT_EQ(f.erosellenfel->text(), QStringLiteral("Erős ellenfél"));
    for (const bool eros : {false, true, false}) {
        EXPECT_EQ(f.jatek().erosGep(), eros);
        f.erosellenfel->trigger();
    }
}

// H asks for the hint only at the player's move; it changes nothing, and Enter then carries it out.
TEST(HintMenu, HNamesACardOrTheTalonAndSelectsItEnterCarriesItOut) {
    using namespace tarolas;
    test::Ablak f;
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(f.sugo->actions()[1], f.tipp);
    for (const test::Hely mi : {test::Valasz, test::Gepe}) {
        test::allas(f, mi);
        const auto kezek = f.st().kezek;
        QTest::keyClick(f.Picture3, Qt::Key_H);
        EXPECT_TRUE(f.st().kezek == kezek && f.st().asztal.size() == (mi == test::Valasz) &&
                    f.st().kiadottlapok.size() == 11);
        if (mi == test::Gepe) {
            EXPECT_TRUE(f.statusText(2).isEmpty() && !f.tipp->isEnabled());
            continue;
        }
        const Kartya lap = kezek[kJatekos][static_cast<std::size_t>(f.kivalasztott())];
        EXPECT_EQ(f.statusText(2).toStdString(), tippSzoveg({false, false, 0, lap}, false));
        QTest::keyClick(f.Picture3, Qt::Key_Return);
        const Lista& vitt = f.st().jatekosvittlapok.empty() ? f.st().gepvittlapok : f.st().jatekosvittlapok;
        EXPECT_EQ(vitt, (Lista{21, lap}));
    }

    // A hint that closes selects the talon, so Enter closes it; the next hint names the card to lead.
    const auto lepesek = test::jatekosLepesei(3, 250);
    const auto zar = std::find_if(lepesek.begin(), lepesek.end(), [](const GameState& st) {
        test::Proba p{st};
        p.jatek.erosBeallitas().mag = 1;  // the search's seed comes from the clock otherwise
        const Tipp t = p.jatek.tipp();
        return t.takaras && !t.csere;
    });
    ASSERT_NE(zar, lepesek.end());
    f.jatek().st = *zar;
    f.jatek().erosBeallitas().mag = 1;
    f.ujrarajzol();
    QTest::keyClick(f.Picture3, Qt::Key_H);
    EXPECT_TRUE(f.statusText(2).startsWith(QStringLiteral("Tipp: takard be a talont, ")));
    QTest::keyClick(f.Picture3, Qt::Key_Return);
    ASSERT_TRUE(f.st().takart && f.st().asztal.empty());
    QTest::keyClick(f.Picture3, Qt::Key_H);
    const Tipp t = f.jatek().tipp();
    EXPECT_FALSE(t.takaras);
    EXPECT_EQ(f.statusText(2).toStdString(), tippSzoveg(t, true));
    if (!t.kesz) {
        EXPECT_EQ(f.st().kezek[kJatekos][static_cast<std::size_t>(f.kivalasztott())], t.lap);
    }
}

}  // namespace
