#pragma once

// The card pictures (the image lists `pakli` and the two backs), rendered once per
// size and device pixel ratio and then only blitted.

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <array>
#include <memory>

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

    // Drops every cached picture (the card size changed).
    void clear() { cache_.clear(); }
    bool ures() const { return cache_.isEmpty(); }
    // How many pictures have been rendered since construction.
    int renderCount() const { return renders_; }

private:
    static constexpr int kFaces = 20;
    static constexpr int kPictures = kFaces + 2;  // the faces, then the upright and crosswise backs

    struct Key {
        int picture;
        QSize size;
        qreal dpr;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& k, size_t seed) noexcept {
        return qHashMulti(seed, k.picture, k.size.width(), k.size.height(), k.dpr);
    }

    QPixmap cached(int picture, QSize logicalSize, qreal dpr);
    QSvgRenderer& renderer(int picture);

    std::array<std::unique_ptr<QSvgRenderer>, kPictures> renderers_;
    QHash<Key, QPixmap> cache_;
    int renders_ = 0;
};
