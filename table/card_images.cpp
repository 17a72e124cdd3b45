#include "card_images.h"

#include <QPainter>

// Placeholder pictures until the card art lands: a white card with its name, or a pink back.
QPixmap CardImages::cached(const QString& key, QSize logicalSize, qreal dpr) {
    const QString full = key + QStringLiteral("@%1x%2x%3").arg(logicalSize.width()).arg(logicalSize.height()).arg(dpr);
    auto it = cache_.find(full);
    if (it != cache_.end()) return *it;
    QPixmap pm(logicalSize * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, logicalSize.width() - 1, logicalSize.height() - 1);
    if (key.startsWith(QLatin1String("back"))) {
        p.setBrush(QColor(240, 170, 200));
        p.setPen(QColor(200, 160, 40));
        p.drawRoundedRect(r, 4, 4);
    } else {
        p.setBrush(Qt::white);
        p.setPen(Qt::black);
        p.drawRoundedRect(r, 4, 4);
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, key);
    }
    ++renders_;
    cache_.insert(full, pm);
    return pm;
}

QPixmap CardImages::pakli(int suit, int rank, QSize logicalSize, qreal dpr) {
    return cached(QStringLiteral("%1%2").arg(suit).arg(rank), logicalSize, dpr);
}

QPixmap CardImages::back(Back kind, QSize logicalSize, qreal dpr) {
    return cached(kind == Back::Upright ? QStringLiteral("back") : QStringLiteral("backx"), logicalSize, dpr);
}
