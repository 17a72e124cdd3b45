#include <QLabel>
#include <QPainter>
#include <cmath>

#include "form1.h"
#include "score_text.h"
#include "table_widget.h"

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

    // The whole table is painted into the backing picture and shown with one update, so a
    // half-painted table is never on screen.
    const qreal dpr = Picture3->devicePixelRatioF();
    const QSize eszkozMeret(qRound(Picture3->width() * dpr), qRound(Picture3->height() * dpr));
    QPixmap& kep = Picture3->kep();
    if (kep.size() != eszkozMeret) kep = QPixmap(eszkozMeret);
    // Painted in device pixels, the ratio is put back afterwards (see the blits below).
    kep.setDevicePixelRatio(1);
    kep.fill(QColor(0, 128, 0));

    // Pictures are rendered at the size they are painted, so every later redraw only blits;
    // a new card size makes the old ones useless.
    const auto tw = static_cast<double>(tarolas::kTwipPerPixel);
    const QSize allo(qRound(geo_.lapszelesseg / tw), qRound(geo_.lapmagassag / tw));
    if (allo != lapmeret_ || dpr != lapdpr_) {
        pakli.clear();
        lapmeret_ = allo;
        lapdpr_ = dpr;
    }
    const QSize fekvo = allo.transposed();

    // Twips to device pixels. Each card's corner goes to the nearest device pixel and its picture
    // is blitted pixel for pixel: crisp, within a pixel of the layout's rectangle, and several
    // times faster than stretching through a scaling painter.
    const QTransform twip = QTransform::fromScale(dpr / tw, dpr / tw);
    QPainter p(&kep);
    using Kep = tarolas::FestettLap::Kep;
    std::vector<tarolas::FestettLap> lapok = tarolas::festettLapok(st(), geo_, W, H, felfordit);
    for (const tarolas::FestettLap& lap : lapok) {
        const QPixmap pm = lap.kep == Kep::Arc       ? pakli.face(lap.kartya, allo, dpr)
                           : lap.kep == Kep::Hatlap ? pakli.back(CardImages::Back::Upright, allo, dpr)
                                                    : pakli.back(CardImages::Back::Crosswise, fekvo, dpr);
        const QPointF sarok = twip.map(QPointF(lap.x, lap.y));
        p.drawPixmap(QRectF(QPointF(std::round(sarok.x()), std::round(sarok.y())), QSizeF(pm.size())), pm,
                     QRectF(pm.rect()));
    }
    p.end();
    kep.setDevicePixelRatio(dpr);
    Picture3->update();

    // What readers of the table, the selection and the hint make of the new picture.
    Picture3->setFestett(std::move(lapok), geo_, H);
    kivalasztasMutatasa();
    frissSugo();
}
