#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "table/form1.h"
#include "table/table_widget.h"

namespace {

using tarolas::GameState;

// Lets the window system deliver resizes until the table has the wanted size.
bool tablaMerete(Form1& w, QSize meret) {
    QElapsedTimer t;
    t.start();
    while (w.Picture3->size() != meret && t.elapsed() < 5000) QTest::qWait(10);
    return w.Picture3->size() == meret;
}

void allas(Form1& w) {
    GameState& st = w.jatek().st;
    st = GameState{};
    st.adu = tarolas::Piros;
    st.adulap = 12;
    st.talonszam = 9;
    st.soron = tarolas::kJatekos;
    st.tarolashato = true;
    st.kezek = {{{11, 23, 34, 33, 45}, {13, 14, 22, 41, 35}}};
    st.gepvittlapok = {21, 25};
    st.jatekosvittlapok = {31};
}

// The colour of the backing picture at a point given in twips.
QColor kepPont(Form1& w, float x, float y) {
    const QPixmap& kep = w.Picture3->kep();
    const qreal s = kep.devicePixelRatio() / tarolas::kTwipPerPixel;
    return kep.toImage().pixelColor(qRound(x * s), qRound(y * s));
}

// The middle pixel of a card picture, and the same pixel of a card painted with its top left
// corner at (x, y) twips.
QPoint kozep(const QPixmap& pm) { return {pm.width() / 2, pm.height() / 2}; }
QColor kozepe(const QPixmap& pm) { return pm.toImage().pixelColor(kozep(pm)); }
QColor festettKozepe(Form1& w, float x, float y, const QPixmap& pm) {
    const QPixmap& kep = w.Picture3->kep();
    const qreal s = kep.devicePixelRatio() / tarolas::kTwipPerPixel;
    return kep.toImage().pixelColor(QPoint(qRound(x * s), qRound(y * s)) + kozep(pm));
}

class Redraw : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        allas(w);
        w.ujrarajzol();
    }
    QSize kartyaMeret() const {
        const auto& g = w.geometria();
        return {qRound(g.lapszelesseg / 15), qRound(g.lapmagassag / 15)};
    }
    Form1 w;
};

TEST_F(Redraw, GeometryLabelAndButtonsFollowTheTable) {
    const float W = w.Picture3->scaleWidth(), H = w.Picture3->scaleHeight();
    const auto g = tarolas::asztalGeometria(W, H);
    EXPECT_EQ(w.geometria().kezkezdet, g.kezkezdet);
    EXPECT_EQ(w.geometria().lapmagassag, g.lapmagassag);

    const auto felirat = tarolas::talonFelirat(w.st(), g, H);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("9 kártya"));
    EXPECT_EQ(w.Label1->geometry(), QRect(tarolas::pixelben(felirat.left), tarolas::pixelben(felirat.top),
                                          tarolas::pixelben(felirat.width), 17));

    // Start of the deal holding the trump marriage: "Tarolás" and "40" side by side, centred.
    const auto hely = tarolas::gombsor({true, true, false, false}, W, H, g.lapmagassag);
    EXPECT_FALSE(w.Command1[0]->isHidden());
    EXPECT_FALSE(w.Command1[1]->isHidden());
    EXPECT_TRUE(w.Command1[2]->isHidden());
    EXPECT_TRUE(w.Command1[3]->isHidden());
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(w.Command1[i]->pos(), QPoint(tarolas::pixelben(hely[i].left), tarolas::pixelben(hely[i].top)));
    EXPECT_EQ(w.Command1[1]->x(), w.Command1[0]->x() + w.Command1[0]->width());
}

TEST_F(Redraw, PaintsTheCardsWhereTheLayoutPutsThem) {
    const auto& g = w.geometria();
    const QSize meret = kartyaMeret();
    const QPixmap hatlap = w.pakli.back(CardImages::Back::Upright, meret, w.Picture3->devicePixelRatioF());
    const QColor hat = kozepe(hatlap);
    const QColor asz = kozepe(w.pakli.face(11, meret, w.Picture3->devicePixelRatioF()));
    ASSERT_NE(hat, asz);

    // Slot 4 is the only card of a row shown whole.
    const auto x4 = static_cast<float>(g.kezkezdet + 4 * g.laptavolsag);
    EXPECT_EQ(festettKozepe(w, x4, 100, hatlap), hat);
    EXPECT_EQ(kepPont(w, 30, 30), QColor(0, 128, 0));

    // Showing the marriage turns the computer's Piros ász face up and leaves the buttons alone.
    w.jatek().st.kezek[tarolas::kGep][4] = 11;
    w.jatek().st.tarolashato = false;
    w.felfordito({3, 4});
    EXPECT_EQ(festettKozepe(w, x4, 100, hatlap), asz);
    EXPECT_FALSE(w.Command1[0]->isHidden());
    w.ujrarajzol();
    EXPECT_EQ(festettKozepe(w, x4, 100, hatlap), hat);
    EXPECT_TRUE(w.Command1[0]->isHidden());
}

TEST_F(Redraw, WarmRedrawRendersNothing) {
    w.felfordito({0, 1});
    const int renders = w.pakli.renderCount();
    w.felfordito({0, 1});
    w.ujrarajzol();
    w.jatek().st.takart = true;
    w.ujrarajzol();
    EXPECT_EQ(w.pakli.renderCount(), renders);
}

TEST_F(Redraw, ResizeRescalesTheCardsAndDropsStalePictures) {
    const QSize eredeti = w.Picture3->size();
    const QSize elotte = kartyaMeret();
    const int renders0 = w.pakli.renderCount();

    w.resize(w.width() + 300, w.height() + 200);
    ASSERT_TRUE(tablaMerete(w, eredeti + QSize(300, 200)));
    const auto g = tarolas::asztalGeometria(w.Picture3->scaleWidth(), w.Picture3->scaleHeight());
    EXPECT_EQ(w.geometria().kezkezdet, g.kezkezdet);
    EXPECT_EQ(w.geometria().laptavolsag, g.laptavolsag);
    EXPECT_EQ(w.geometria().lapmagassag, g.lapmagassag);
    EXPECT_NE(kartyaMeret(), elotte);
    EXPECT_EQ(w.Picture3->kep().size(), w.Picture3->size() * w.Picture3->devicePixelRatioF());
    const int renders1 = w.pakli.renderCount();
    EXPECT_GT(renders1, renders0);

    // Back to the first size: its pictures were dropped, so they are rendered again.
    w.resize(w.width() - 300, w.height() - 200);
    ASSERT_TRUE(tablaMerete(w, eredeti));
    EXPECT_EQ(kartyaMeret(), elotte);
    EXPECT_EQ(w.pakli.renderCount() - renders1, renders1 - renders0);
}

TEST_F(Redraw, CollapsedTableKeepsItsLastPicture) {
    const auto g = w.geometria();
    const qint64 kep = w.Picture3->kep().cacheKey();
    const QRect felirat = w.Label1->geometry();
    const QString szoveg = w.Label1->text();
    w.jatek().st.talonszam = 3;
    w.jatek().st.soron = tarolas::kGep;

    // 6 pixels are 90 twips: under 100, nothing is redrawn.
    w.Picture3->resize(w.Picture3->width() + 40, 6);
    EXPECT_EQ(w.Picture3->kep().cacheKey(), kep);
    EXPECT_EQ(w.geometria().kezkezdet, g.kezkezdet);
    EXPECT_EQ(w.geometria().lapmagassag, g.lapmagassag);
    EXPECT_EQ(w.Label1->geometry(), felirat);
    EXPECT_EQ(w.Label1->text(), szoveg);
    EXPECT_FALSE(w.Command1[0]->isHidden());

    // At 7 pixels (105 twips) the table is drawn again.
    w.Picture3->resize(w.Picture3->width(), 7);
    EXPECT_EQ(w.geometria().lapmagassag, 105.0f / 4);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("3 kártya"));
    EXPECT_TRUE(w.Command1[0]->isHidden());
}

}  // namespace
