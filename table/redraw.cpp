#include <QLabel>
#include <QPainter>
#include <cmath>

#include "form1.h"
#include "table_widget.h"

void Form1::Form_Resize() {
    // Picture3 is the central widget: the window's layout has already fitted it above the status bar.
    ujrarajzol();
}

void Form1::ujrarajzol() { rajzol(nullptr); }

void Form1::felfordito(std::array<std::int16_t, 2> felfordit) { rajzol(&felfordit); }

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
    if (kep.size() != eszkozMeret || kep.devicePixelRatio() != dpr) {
        kep = QPixmap(eszkozMeret);
        kep.setDevicePixelRatio(dpr);
    }
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

    QPainter p(&kep);
    p.scale(1 / tw, 1 / tw);
    // A card's corner is moved to the nearest device pixel and its picture blitted at its own
    // size: crisp, and less than a pixel from the rectangle the layout gives.
    const double eszkoz = dpr / tw;
    using Kep = tarolas::FestettLap::Kep;
    for (const tarolas::FestettLap& lap : tarolas::festettLapok(st(), geo_, W, H, felfordit)) {
        const QPixmap pm = lap.kep == Kep::Arc       ? pakli.face(lap.kartya, allo, dpr)
                           : lap.kep == Kep::Hatlap ? pakli.back(CardImages::Back::Upright, allo, dpr)
                                                    : pakli.back(CardImages::Back::Crosswise, fekvo, dpr);
        const QPointF sarok(std::round(lap.x * eszkoz), std::round(lap.y * eszkoz));
        p.drawPixmap(QRectF(sarok / eszkoz, QSizeF(pm.size()) / eszkoz), pm, QRectF(pm.rect()));
    }
    p.end();
    Picture3->update();
}
