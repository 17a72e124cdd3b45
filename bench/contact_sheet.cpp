// Draws every card picture onto one sheet, the way the table gets them from CardImages: the
// 20 faces, both backs and the icon at their own size (117 x 194) and at twice that, plus the
// four suits as overlapping hands, where only a strip of each card shows.
//
//     QT_QPA_PLATFORM=offscreen ./contact_sheet [out.png]     (default: docs/cards.png)

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "table/card_images.h"

namespace {
constexpr int kMargin = 16;
constexpr QSize kCard(117, 194);

QSize blockSize(int scale) {
    const int gap = 10 * scale;
    return {5 * kCard.width() * scale + 4 * gap, 5 * kCard.height() * scale + 4 * gap};
}

// One block of cards: a row per suit, then the two backs and the icon. Returns its size.
QSize drawBlock(QPainter* p, CardImages& images, QPoint origin, int scale) {
    const QSize card = kCard * scale;
    const int gap = 10 * scale;
    int y = origin.y();
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 5; ++rank)
            p->drawPixmap(origin.x() + (rank - 1) * (card.width() + gap), y, images.pakli(suit, rank, card, 1.0));
        y += card.height() + gap;
    }
    int x = origin.x();
    p->drawPixmap(x, y, images.back(CardImages::Back::Upright, card, 1.0));
    x += card.width() + gap;
    p->drawPixmap(x, y, images.back(CardImages::Back::Crosswise, card.transposed(), 1.0));
    x += card.height() + gap;
    const QIcon icon = CardImages::programIcon();
    for (int side : {32, 64}) {
        p->drawPixmap(x, y, icon.pixmap(side * scale));
        x += side * scale + gap;
    }
    return blockSize(scale);
}

// A suit as a hand of five, as the table lays it out: cards `height` high, each covering the
// one before but for a strip of `step`. Returns the hand's width.
int drawHand(QPainter* p, CardImages& images, int suit, QPoint origin, int height, int step) {
    const QSize card(qRound(height / 1.6581196), height);
    for (int rank = 1; rank <= 5; ++rank)
        p->drawPixmap(origin.x() + (rank - 1) * step, origin.y(), images.pakli(suit, rank, card, 1.0));
    return 4 * step + card.width();
}
}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/cards.png");

    CardImages images;
    // Left: their own size, then the hands at the first window size (cards 80 high, 26 apart)
    // and at a larger one; right: twice that.
    const int leftWidth = 4 * (4 * 26 + 48) + 3 * kMargin;
    const QSize big = blockSize(2);
    QImage sheet(kMargin + leftWidth + 2 * kMargin + big.width() + kMargin, big.height() + 2 * kMargin,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0, 128, 0));  // the table's green
    QPainter p(&sheet);
    const QSize small = drawBlock(&p, images, QPoint(kMargin, kMargin), 1);
    int y = kMargin + small.height() + 2 * kMargin;
    int x = kMargin;
    for (int suit = 1; suit <= 4; ++suit) x += drawHand(&p, images, suit, QPoint(x, y), 80, 26) + kMargin;
    y += 80 + 2 * kMargin;
    for (int suit = 1; suit <= 4; ++suit) {
        const int column = (suit - 1) % 2;
        const int row = (suit - 1) / 2;
        drawHand(&p, images, suit, QPoint(kMargin + column * (leftWidth / 2), y + row * (140 + kMargin)), 140, 46);
    }
    drawBlock(&p, images, QPoint(kMargin + leftWidth + 2 * kMargin, kMargin), 2);
    p.end();

    if (!sheet.save(out, "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s: %d pictures rendered\n", qPrintable(out), images.renderCount());
    return 0;
}
