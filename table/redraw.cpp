#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "form1.h"
#include "score_text.h"
#include "table_widget.h"

namespace {
// The upright card's size in logical pixels for the table's geometry.
QSize lapMeret(const tarolas::Geometria& g) {
    const auto tw = static_cast<double>(tarolas::kTwipPerPixel);
    return {qRound(g.lapszelesseg / tw), qRound(g.lapmagassag / tw)};
}

// The picture a painted card shows, for an upright card of size `allo`.
CardImages::Key kulcs(const tarolas::FestettLap& lap, QSize allo, qreal dpr) {
    using Kep = tarolas::FestettLap::Kep;
    return lap.kep == Kep::Arc      ? CardImages::faceKey(lap.kartya, allo, dpr)
           : lap.kep == Kep::Hatlap ? CardImages::backKey(CardImages::Back::Upright, allo, dpr)
                                    : CardImages::backKey(CardImages::Back::Crosswise, allo.transposed(), dpr);
}

// The pictures a list of painted cards shows, each once.
std::vector<CardImages::Key> kulcsok(const std::vector<tarolas::FestettLap>& lapok, QSize allo, qreal dpr) {
    std::vector<CardImages::Key> ki;
    for (const tarolas::FestettLap& lap : lapok) {
        const CardImages::Key k = kulcs(lap, allo, dpr);
        if (std::find(ki.begin(), ki.end(), k) == ki.end()) ki.push_back(k);
    }
    return ki;
}
}  // namespace

void Form1::Form_Resize() {
    // Picture3 is the central widget: the window's layout has already fitted it above the status bar.
    ujrarajzol();
}

void Form1::ujrarajzol() {
    allapotKozles();
    rajzol(nullptr);
}

void Form1::felfordito(std::array<std::int16_t, 2> felfordit) {
    allapotKozles();
    rajzol(&felfordit);
}

void Form1::allapotKozles() {
    emit allapotFrissult();
    setStatusText(3, tarolas::allasSzoveg(st()));
}

void Form1::rajzol(const std::array<std::int16_t, 2>* felfordit) {
    const float W = Picture3->scaleWidth();
    const float H = Picture3->scaleHeight();
    // A collapsed table keeps its last picture, geometry, counter and buttons.
    if (H < 100) return;

    geo_ = tarolas::asztalGeometria(W, H);

    const tarolas::TalonFelirat felirat = tarolas::talonFelirat(st(), geo_, H);
    Label1->setGeometry(tarolas::pixelben(felirat.left), tarolas::pixelben(felirat.top),
                        tarolas::pixelben(felirat.width), tarolas::pixelben(tarolas::kFeliratMagassag));
    Label1->setText(QString::fromStdString(felirat.caption));
    // Showing the computer's marriage leaves the buttons as they are.
    if (!felfordit) gombbeallito();

    // The table repaints from this list at its next paint, all of it at once, so a half-painted
    // table is never on screen.
    std::vector<tarolas::FestettLap> lapok = tarolas::festettLapok(st(), geo_, W, H, felfordit);
    if (Picture3->isVisible()) {
        Picture3->setKepek(lapKepek(lapok, geo_));
    } else {
        // Nobody sees the table yet (the window is being opened): its pictures are rendered on
        // another thread while the window comes up, and its first paint takes them in.
        lapokElore(lapok, geo_);
        Picture3->setKepekFestesre([this] { return lapKepek(Picture3->festett(), Picture3->festettGeometria()); });
    }

    // What readers of the table, the selection and the hint make of the new picture.
    Picture3->setFestett(std::move(lapok), geo_, H);
    kivalasztasMutatasa();
    frissSugo();
}

void Form1::ujLapmeret(QSize allo, qreal dpr) {
    pakli.clear();
    lapmeret_ = allo;
    lapdpr_ = dpr;
}

void Form1::lapokElore(const std::vector<tarolas::FestettLap>& lapok, const tarolas::Geometria& g) {
    // Before the window is shown the table has no size of its own yet: nothing is worth rendering.
    if (!isVisible()) return;
    const qreal dpr = Picture3->devicePixelRatioF();
    const QSize allo = lapMeret(g);
    if (allo != lapmeret_ || dpr != lapdpr_) ujLapmeret(allo, dpr);
    pakli.elore(kulcsok(lapok, allo, dpr));
}

std::vector<TableWidget::Kep> Form1::lapKepek(const std::vector<tarolas::FestettLap>& lapok, const tarolas::Geometria& g) {
    const qreal dpr = Picture3->devicePixelRatioF();
    const QSize allo = lapMeret(g);
    // Pictures are rendered at the size they are painted, so a redraw only copies them. While the
    // card size keeps changing (the window's edge being dragged) the pictures at hand are drawn
    // scaled, and the new size is rendered once it has stayed for a moment.
    if (allo == lapmeret_ && dpr == lapdpr_) {
        lapIdozito_->stop();
    } else {
        // Before the table is first shown nobody sees a picture, so the new size is rendered at once.
        if (pakli.ures() || !Picture3->isVisible()) ujLapmeret(allo, dpr);
        else lapIdozito_->start();
    }
    const QSize hely(qRound(allo.width() * dpr), qRound(allo.height() * dpr));

    // Twips to device pixels. Each card's corner goes to the nearest device pixel and, at its own
    // size, its picture is copied pixel for pixel: crisp, within a pixel of the layout's
    // rectangle, and several times faster than stretching through a scaling painter.
    const auto tw = static_cast<double>(tarolas::kTwipPerPixel);
    const QTransform twip = QTransform::fromScale(dpr / tw, dpr / tw);
    std::vector<TableWidget::Kep> kepek;
    kepek.reserve(lapok.size());
    for (const tarolas::FestettLap& lap : lapok) {
        const bool fekvo = lap.kep == tarolas::FestettLap::Kep::Keresztlap;
        const QPixmap pm = pakli.picture(kulcs(lap, lapmeret_, lapdpr_));
        const QPointF sarok = twip.map(QPointF(lap.x, lap.y));
        kepek.push_back({pm, QRect(QPoint(qRound(std::round(sarok.x())), qRound(std::round(sarok.y()))),
                                   fekvo ? hely.transposed() : hely)});
    }
    return kepek;
}

void Form1::lapokNyugvasa() {
    // The size has settled: the cards as sharp as at a window opened at this size. They are
    // rendered on another thread; the table keeps its scaled pictures until they are in.
    const qreal dpr = Picture3->devicePixelRatioF();
    const QSize allo = lapMeret(Picture3->festettGeometria());
    if ((allo == lapmeret_ && dpr == lapdpr_) || allo.isEmpty()) return;
    // One rendering at a time; when it comes in at a size gone by, the next one starts.
    if (lapRajzolo_->isRunning()) return;
    std::vector<CardImages::Key> kell = kulcsok(Picture3->festett(), allo, dpr);
    if (kell.empty()) {  // nothing on the table to render
        ujLapmeret(allo, dpr);
        return;
    }
    lapRajzolo_->setFuture(CardImages::renderAsync(std::move(kell)));
}

void Form1::lapokMegjottek() {
    const CardImages::Rendered kesz = CardImages::collect(lapRajzolo_->future());
    const qreal dpr = Picture3->devicePixelRatioF();
    const tarolas::Geometria& g = Picture3->festettGeometria();
    const QSize allo = lapMeret(g);
    const bool idoben = !kesz.empty() && kesz.front().first.dpr == dpr &&
                        (kesz.front().first.size == allo || kesz.front().first.size == allo.transposed());
    if (!idoben) {
        // The size changed again while they were rendered: wait for it to settle anew.
        if (!lapIdozito_->isActive()) lapokNyugvasa();
        return;
    }
    pakli.replaceWith(kesz);
    lapmeret_ = allo;
    lapdpr_ = dpr;
    lapIdozito_->stop();
    Picture3->setKepek(lapKepek(Picture3->festett(), g));
}
