#pragma once

// The card pictures (the image lists `pakli` and the two backs), rendered once per
// size and device pixel ratio and then only blitted.

#include <QFuture>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "game/state.h"

class QSvgRenderer;

class CardImages {
public:
    enum class Back { Upright, Crosswise };

    CardImages();
    ~CardImages();
    CardImages(const CardImages&) = delete;
    CardImages& operator=(const CardImages&) = delete;

    // Picture `rank` (1 ász .. 5 alsó) of the list pakli(suit) (1 Piros .. 4 Zöld), as the table
    // selects it for a card code: pakli(c / 10), image c % 10. Outside those ranges: a null pixmap.
    QPixmap pakli(int suit, int rank, QSize logicalSize, qreal dpr);
    QPixmap face(tarolas::Kartya c, QSize logicalSize, qreal dpr) { return pakli(c / 10, c % 10, logicalSize, dpr); }
    QPixmap back(Back kind, QSize logicalSize, qreal dpr);

    // The resource a picture is drawn from, e.g. ":/resources/cards/tok_felso.svg" for pakli(3, 4);
    // empty outside the ranges above.
    static QString facePath(int suit, int rank);
    static QString backPath(Back kind);
    // The program icon (two cards: the back and the Piros felső) at the usual icon sizes.
    static QIcon programIcon();

    // Drops every cached picture (the card size changed), and any rendering still to be taken in.
    void clear() {
        cache_.clear();
        elore_ = {};
    }
    // Nothing is cached: nothing rendered yet, or all dropped.
    bool ures() const { return cache_.isEmpty(); }

    // A picture by its index (the faces pakli(1)(1) .. pakli(4)(5) as 0 .. 19, then the upright
    // and the crosswise back) at a logical size and device pixel ratio.
    struct Key {
        int picture;
        QSize size;
        qreal dpr;
        bool operator==(const Key&) const = default;
    };
    // The key of a face or back; its picture is -1 outside the ranges.
    static Key faceKey(tarolas::Kartya c, QSize logicalSize, qreal dpr);
    static Key backKey(Back kind, QSize logicalSize, qreal dpr);
    // The picture of a key, as face() and back() give it; a null pixmap for a key of neither.
    QPixmap picture(const Key& k);
    // Renders the pictures on whatever thread calls it, from its own reading of the SVG files, so
    // the UI thread may go on meanwhile. The same pixels as pakli() and back() render.
    using Rendered = std::vector<std::pair<Key, QImage>>;
    static Rendered renderAll(std::vector<Key> keys);
    // Renders on the thread pool, a picture a task, so every core takes a share; and what such a
    // rendering gave, waiting for it if need be.
    static QFuture<Rendered> renderAsync(std::vector<Key> keys);
    static Rendered collect(const QFuture<Rendered>& rendering);
    // Takes pictures from renderAll into the cache, in place of every other picture.
    void replaceWith(const Rendered& rendered);
    // Starts rendering (renderAsync) those of `keys` neither cached nor being rendered; picture()
    // takes them in when it first misses. One such rendering at a time: one still under way is
    // taken in before another starts.
    void elore(const std::vector<Key>& keys);
    // How many pictures have been rendered since construction.
    int renderCount() const { return renders_; }

private:
    static constexpr int kFaces = 20;
    static constexpr int kPictures = kFaces + 2;  // the faces, then the upright and crosswise backs

    friend size_t qHash(const Key& k, size_t seed) noexcept {
        return qHashMulti(seed, k.picture, k.size.width(), k.size.height(), k.dpr);
    }

    QPixmap cached(int picture, QSize logicalSize, qreal dpr);
    void befogad();  // takes in the rendering elore() started, waiting for it if need be
    void betesz(const Rendered& rendered);
    static bool drawable(const Key& k);  // a picture in range, of some size
    QSvgRenderer& renderer(int picture);

    std::array<std::unique_ptr<QSvgRenderer>, kPictures> renderers_;
    QHash<Key, QPixmap> cache_;
    QFuture<Rendered> elore_;
    std::vector<Key> eloreKulcsok_;  // what it renders
    int renders_ = 0;
};
