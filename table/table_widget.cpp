#include "table_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "layout.h"

namespace {
// How far in from its edges a card picture may be see-through: its rounded corners and smoothed
// border lie within this band, with room to spare (they take under 3 % of the card's width).
int atlatszoSzel(QSize lap) { return static_cast<int>(std::ceil(std::min(lap.width(), lap.height()) * 0.05)) + 1; }

int gombmaszk(Qt::MouseButtons b) {
    int m = 0;
    if (b & Qt::LeftButton) m |= 1;
    if (b & Qt::RightButton) m |= 2;
    if (b & Qt::MiddleButton) m |= 4;
    return m;
}

int shiftmaszk(Qt::KeyboardModifiers k) {
    int m = 0;
    if (k & Qt::ShiftModifier) m |= 1;
    if (k & Qt::ControlModifier) m |= 2;
    if (k & Qt::AltModifier) m |= 4;
    return m;
}
}  // namespace

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture3"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(pal);
    setAutoFillBackground(true);
}

float TableWidget::scaleWidth() const { return static_cast<float>(width() * tarolas::kTwipPerPixel); }
float TableWidget::scaleHeight() const { return static_cast<float>(height() * tarolas::kTwipPerPixel); }

void TableWidget::paintEvent(QPaintEvent* e) {
    if (festesre_) kepek_ = std::exchange(festesre_, {})();
    QPainter p(this);
    p.fillRect(e->rect(), QColor(0, 128, 0));
    // In device pixels: a picture of its place's size is copied pixel for pixel.
    const qreal dpr = devicePixelRatioF();
    p.scale(1 / dpr, 1 / dpr);
    for (std::size_t i = 0; i < kepek_.size(); ++i) {
        const Kep& k = kepek_[i];
        if (k.kep.isNull() || k.hova.isEmpty()) continue;
        if (k.kep.size() == k.hova.size()) {
            p.drawPixmap(QRectF(k.hova), k.kep, QRectF(k.kep.rect()));
            continue;
        }
        // Scaling costs several times a copy. The cards lie in piles and fans, so what the opaque
        // middle of a later card covers is left out: the same picture for a fraction of the work.
        QRegion latszik(k.hova);
        for (std::size_t j = i + 1; j < kepek_.size(); ++j) {
            const QRect& fent = kepek_[j].hova;
            if (kepek_[j].kep.isNull() || !fent.intersects(k.hova)) continue;
            const int d = atlatszoSzel(fent.size());
            latszik -= fent.adjusted(d, d, -d, -d);
        }
        const qreal sx = k.kep.width() / qreal(k.hova.width()), sy = k.kep.height() / qreal(k.hova.height());
        for (const QRect& r : latszik)
            p.drawPixmap(QRectF(r), k.kep,
                         QRectF((r.x() - k.hova.x()) * sx, (r.y() - k.hova.y()) * sy, r.width() * sx, r.height() * sy));
    }
    emit festve();
    if (!jeloloLatszik_ || !hasFocus()) return;
    // The selection mark in whole device pixels, corners rounded as the cards' are: a dark band
    // outside a yellow one, so it shows on the green cloth and on a light card face alike.
    const qreal k = dpr / tarolas::kTwipPerPixel;
    const int x0 = qRound(jelolo_.x * k), y0 = qRound(jelolo_.y * k);
    const int x1 = qRound((jelolo_.x + jelolo_.w) * k), y1 = qRound((jelolo_.y + jelolo_.h) * k);
    const int t = std::max(1, qRound(2 * dpr));
    auto keret = [&](int beljebb, const QColor& szin) {
        const QRect r(QPoint(x0 + beljebb, y0 + beljebb), QPoint(x1 - 1 - beljebb, y1 - 1 - beljebb));
        p.fillRect(QRect(r.left(), r.top(), r.width(), t), szin);
        p.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), szin);
        p.fillRect(QRect(r.left(), r.top(), t, r.height()), szin);
        p.fillRect(QRect(r.right() - t + 1, r.top(), t, r.height()), szin);
    };
    keret(0, QColor(20, 20, 20));
    keret(t, QColor(255, 214, 0));
}

void TableWidget::resizeEvent(QResizeEvent*) { emit resized(); }

bool TableWidget::event(QEvent* e) {
    // Moved to a screen with another pixel ratio: the cards must be placed anew.
    if (e->type() == QEvent::ScreenChangeInternal) emit resized();
    return QWidget::event(e);
}

void TableWidget::mouseReleaseEvent(QMouseEvent* e) {
    // The released button together with any still held: a release with two buttons is not a left click.
    const int button = gombmaszk(e->button() | e->buttons());
    const QPointF pos = e->position() * tarolas::kTwipPerPixel;
    emit mouseUp(button, shiftmaszk(e->modifiers()), static_cast<float>(pos.x()), static_cast<float>(pos.y()));
}

void TableWidget::mouseMoveEvent(QMouseEvent* e) {
    rajta_ = true;
    mutato_ = e->position();
    const QPointF pos = e->position() * tarolas::kTwipPerPixel;
    emit mouseMove(gombmaszk(e->buttons()), shiftmaszk(e->modifiers()), static_cast<float>(pos.x()),
                   static_cast<float>(pos.y()));
}

void TableWidget::keyPressEvent(QKeyEvent* e) {
    const bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && billentyu && billentyu(e->key())) e->accept();
    else QWidget::keyPressEvent(e);
}

void TableWidget::enterEvent(QEnterEvent* e) {
    rajta_ = true;
    mutato_ = e->position();
    QWidget::enterEvent(e);
}

void TableWidget::leaveEvent(QEvent* e) {
    rajta_ = false;
    QWidget::leaveEvent(e);
}

bool TableWidget::mutatoRajta(float& x, float& y) const {
    if (!rajta_ || !rect().contains(mutato_.toPoint())) return false;
    x = static_cast<float>(mutato_.x() * tarolas::kTwipPerPixel);
    y = static_cast<float>(mutato_.y() * tarolas::kTwipPerPixel);
    return true;
}

void TableWidget::setJelolo(const tarolas::Teglalap& hely, bool latszik) {
    const bool valtozott = latszik != jeloloLatszik_ ||
                           (latszik && (hely.x != jelolo_.x || hely.y != jelolo_.y || hely.w != jelolo_.w || hely.h != jelolo_.h));
    jelolo_ = hely;
    jeloloLatszik_ = latszik;
    if (valtozott) update();
}

void TableWidget::setKepek(std::vector<Kep> kepek) {
    kepek_ = std::move(kepek);
    festesre_ = {};
    update();
}

void TableWidget::setKepekFestesre(std::function<std::vector<Kep>()> kepek) {
    festesre_ = std::move(kepek);
    update();
}

void TableWidget::setFestett(std::vector<tarolas::FestettLap> lapok, const tarolas::Geometria& g, float H) {
    festett_ = std::move(lapok);
    festettGeo_ = g;
    festettH_ = H;
    emit rajzolva();
}

void TableWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (jeloloLatszik_) update();
    // After Qt has told of the table's own focus, or that would hide the card's.
    const bool vissza = e->reason() != Qt::MouseFocusReason;
    QTimer::singleShot(0, this, [this, vissza] {
        if (hasFocus()) emit fokuszKapott(vissza);
    });
}

void TableWidget::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    if (jeloloLatszik_) update();
}
