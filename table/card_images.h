#pragma once

// The card pictures (the design's image lists `pakli` and the two backs), rendered once per
// size and device pixel ratio and then only blitted.

#include <QHash>
#include <QPixmap>
#include <QSize>

#include "game/state.h"

class CardImages {
public:
    enum class Back { Upright, Crosswise };

    // Picture `rank` (1 ász .. 5 alsó) of the list pakli(suit) (1 Piros .. 4 Zöld), as the table
    // selects it for a card code: pakli(c / 10), image c % 10.
    QPixmap pakli(int suit, int rank, QSize logicalSize, qreal dpr);
    QPixmap face(tarolas::Kartya c, QSize logicalSize, qreal dpr) { return pakli(c / 10, c % 10, logicalSize, dpr); }
    QPixmap back(Back kind, QSize logicalSize, qreal dpr);

    // Drops every cached picture (the card size changed).
    void clear() { cache_.clear(); }
    // How many pictures have been rendered since construction.
    int renderCount() const { return renders_; }

private:
    QPixmap cached(const QString& key, QSize logicalSize, qreal dpr);
    QHash<QString, QPixmap> cache_;
    int renders_ = 0;
};
