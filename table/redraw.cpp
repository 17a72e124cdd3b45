#include <QLabel>
#include <QPainter>

#include "form1.h"
#include "table_widget.h"

void Form1::Form_Resize() { ujrarajzol(); }

void Form1::ujrarajzol() { rajzol(nullptr); }

void Form1::felfordito(std::array<std::int16_t, 2> felfordit) { rajzol(&felfordit); }

// Placeholder until the table lands: a bare green table and the talon counter.
void Form1::rajzol(const std::array<std::int16_t, 2>*) {
    const qreal dpr = Picture3->devicePixelRatioF();
    QPixmap kep(Picture3->size() * dpr);
    kep.setDevicePixelRatio(dpr);
    kep.fill(QColor(0, 128, 0));
    Picture3->kep() = kep;
    Label1->setText(QStringLiteral("%1 kártya").arg(st().talonszam));
    Picture3->update();
}
