#include "table_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "layout.h"

namespace {
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
    QPainter p(this);
    if (kep_.isNull()) {
        p.fillRect(e->rect(), QColor(0, 128, 0));
        return;
    }
    p.drawPixmap(e->rect(), kep_, QRectF(QPointF(e->rect().topLeft()) * kep_.devicePixelRatio(),
                                         QSizeF(e->rect().size()) * kep_.devicePixelRatio()));
}

void TableWidget::resizeEvent(QResizeEvent*) { emit resized(); }

bool TableWidget::event(QEvent* e) {
    // Moved to a screen with another pixel ratio: the backing picture must be painted anew.
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
    const QPointF pos = e->position() * tarolas::kTwipPerPixel;
    emit mouseMove(gombmaszk(e->buttons()), shiftmaszk(e->modifiers()), static_cast<float>(pos.x()),
                   static_cast<float>(pos.y()));
}
