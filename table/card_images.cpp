#include "card_images.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <utility>

namespace {
// File names follow the lists: pakli(1) piros .. pakli(4) zöld, images 1 ász .. 5 alsó.
constexpr const char* kSuitFiles[] = {"piros", "makk", "tok", "zold"};
constexpr const char* kRankFiles[] = {"asz", "tiz", "kiraly", "felso", "also"};

bool validFace(int suit, int rank) { return suit >= 1 && suit <= 4 && rank >= 1 && rank <= 5; }
// The faces' pictures are numbered 0 .. 19 in the lists' order; -1 outside them.
int faceIndex(int suit, int rank) { return validFace(suit, rank) ? (suit - 1) * 5 + (rank - 1) : -1; }

QString picturePath(int picture) {
    if (picture < 20) return CardImages::facePath(picture / 5 + 1, picture % 5 + 1);
    return CardImages::backPath(picture == 20 ? CardImages::Back::Upright : CardImages::Back::Crosswise);
}

// Into an image, so it may run off the UI thread; a pixmap made from it has the same pixels.
QImage renderImage(QSvgRenderer& svg, QSize logicalSize, qreal dpr) {
    QImage im(QSize(qRound(logicalSize.width() * dpr), qRound(logicalSize.height() * dpr)),
              QImage::Format_ARGB32_Premultiplied);
    im.setDevicePixelRatio(dpr);
    im.fill(Qt::transparent);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return im;
}

QPixmap render(QSvgRenderer& svg, QSize logicalSize, qreal dpr) { return QPixmap::fromImage(renderImage(svg, logicalSize, dpr)); }
}  // namespace

CardImages::CardImages() = default;
CardImages::~CardImages() = default;

QString CardImages::facePath(int suit, int rank) {
    if (!validFace(suit, rank)) return {};
    return QStringLiteral(":/resources/cards/%1_%2.svg")
        .arg(QLatin1String(kSuitFiles[suit - 1]), QLatin1String(kRankFiles[rank - 1]));
}

QString CardImages::backPath(Back kind) {
    return kind == Back::Upright ? QStringLiteral(":/resources/cards/back.svg")
                                 : QStringLiteral(":/resources/cards/back_crosswise.svg");
}

QIcon CardImages::programIcon() {
    // Rendered here rather than left to the SVG icon plugin, which is not always installed.
    QSvgRenderer svg(QStringLiteral(":/resources/icon.svg"));
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(render(svg, QSize(side, side), 1.0));
    return icon;
}

QSvgRenderer& CardImages::renderer(int picture) {
    // Each SVG is parsed once, on first use; later sizes reuse the parsed document.
    auto& r = renderers_[static_cast<std::size_t>(picture)];
    if (!r) r = std::make_unique<QSvgRenderer>(picturePath(picture));
    return *r;
}

QPixmap CardImages::cached(int picture, QSize logicalSize, qreal dpr) {
    const Key key{picture, logicalSize, dpr};
    auto it = cache_.constFind(key);
    if (it == cache_.constEnd() && elore_.isValid()) {
        befogad();
        it = cache_.constFind(key);
    }
    if (it != cache_.constEnd()) return *it;
    QPixmap pm = render(renderer(picture), logicalSize, dpr);
    ++renders_;
    cache_.insert(key, pm);
    return pm;
}

CardImages::Key CardImages::faceKey(tarolas::Kartya c, QSize logicalSize, qreal dpr) {
    return {faceIndex(c / 10, c % 10), logicalSize, dpr};
}

CardImages::Key CardImages::backKey(Back kind, QSize logicalSize, qreal dpr) {
    return {kind == Back::Upright ? kFaces : kFaces + 1, logicalSize, dpr};
}

bool CardImages::drawable(const Key& k) { return k.picture >= 0 && k.picture < kPictures && !k.size.isEmpty(); }

QPixmap CardImages::picture(const Key& k) { return drawable(k) ? cached(k.picture, k.size, k.dpr) : QPixmap(); }

CardImages::Rendered CardImages::renderAll(std::vector<Key> keys) {
    std::array<std::unique_ptr<QSvgRenderer>, kPictures> svgs;
    Rendered out;
    for (const Key& k : keys) {
        if (!drawable(k)) continue;
        auto& r = svgs[static_cast<std::size_t>(k.picture)];
        if (!r) r = std::make_unique<QSvgRenderer>(picturePath(k.picture));
        out.emplace_back(k, renderImage(*r, k.size, k.dpr));
    }
    return out;
}

void CardImages::replaceWith(const Rendered& rendered) {
    clear();
    betesz(rendered);
}

void CardImages::elore(const std::vector<Key>& keys) {
    auto van = [](const std::vector<Key>& v, const Key& k) { return std::find(v.begin(), v.end(), k) != v.end(); };
    std::vector<Key> hianyzo;
    for (const Key& k : keys)
        if (drawable(k) && !cache_.contains(k) && !(elore_.isValid() && van(eloreKulcsok_, k)) && !van(hianyzo, k))
            hianyzo.push_back(k);
    if (hianyzo.empty()) return;
    if (elore_.isValid()) befogad();
    eloreKulcsok_ = hianyzo;
    elore_ = renderAsync(std::move(hianyzo));
}

void CardImages::befogad() { betesz(collect(std::exchange(elore_, {}))); }

QFuture<CardImages::Rendered> CardImages::renderAsync(std::vector<Key> keys) {
    return QtConcurrent::mapped(std::move(keys), [](const Key& k) { return renderAll({k}); });
}

CardImages::Rendered CardImages::collect(const QFuture<Rendered>& rendering) {
    Rendered out;
    for (const Rendered& r : rendering.results()) out.insert(out.end(), r.begin(), r.end());
    return out;
}

void CardImages::betesz(const Rendered& rendered) {
    for (const auto& [key, image] : rendered) {
        cache_.insert(key, QPixmap::fromImage(image));
        ++renders_;
    }
}

QPixmap CardImages::pakli(int suit, int rank, QSize logicalSize, qreal dpr) {
    return picture({faceIndex(suit, rank), logicalSize, dpr});
}

QPixmap CardImages::back(Back kind, QSize logicalSize, qreal dpr) { return picture(backKey(kind, logicalSize, dpr)); }
