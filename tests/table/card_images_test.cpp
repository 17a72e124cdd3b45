#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <cstdlib>
#include <vector>

#include "table/card_images.h"

namespace {

const QSize kCard(117, 194);

// How many different colours a picture has; a blank or flat picture has one.
int colourCount(const QImage& img) {
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) colours.insert(img.pixel(x, y));
    return static_cast<int>(colours.size());
}

bool hasOpaquePixels(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) == 255) return true;
    return false;
}

// Mean difference per colour channel; antialiasing may move an edge by a fraction of a pixel.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size()) return 1e9;
    double sum = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

QImage renderResource(const QString& path, QSize size) {
    QSvgRenderer svg(path);
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    return img;
}

TEST(CardImages, EveryCardCodeHasItsOwnPicture) {
    CardImages images;
    std::vector<QImage> faces;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 5; ++rank) {
            const auto code = static_cast<tarolas::Kartya>(suit * 10 + rank);
            const QPixmap pm = images.face(code, kCard, 1.0);
            ASSERT_FALSE(pm.isNull()) << code;
            EXPECT_EQ(pm.size(), kCard) << code;
            const QImage img = pm.toImage();
            EXPECT_TRUE(hasOpaquePixels(img)) << code;
            EXPECT_GT(colourCount(img), 50) << code;
            for (const QImage& other : faces) EXPECT_GT(meanDifference(img, other), 1.0) << code;
            faces.push_back(img);
        }
}

TEST(CardImages, CodeOutsideTheDeckHasNoPicture) {
    CardImages images;
    for (int code : {0, 10, 16, 51, 56}) EXPECT_TRUE(images.face(static_cast<tarolas::Kartya>(code), kCard, 1.0).isNull()) << code;
    EXPECT_TRUE(images.pakli(1, 1, QSize(0, 0), 1.0).isNull());
    EXPECT_EQ(images.renderCount(), 0);
    EXPECT_TRUE(CardImages::facePath(0, 3).isEmpty());
}

TEST(CardImages, Code34IsTheTokFelso) {
    EXPECT_EQ(CardImages::facePath(3, 4), QStringLiteral(":/resources/cards/tok_felso.svg"));
    CardImages images;
    const QImage shown = images.face(34, kCard, 1.0).toImage();
    const QImage direct = renderResource(QStringLiteral(":/resources/cards/tok_felso.svg"), kCard);
    EXPECT_LT(meanDifference(shown, direct), 0.5);
    // Suit and rank swapped would be the Zöld király.
    EXPECT_GT(meanDifference(images.pakli(4, 3, kCard, 1.0).toImage(), direct), 1.0);
}

TEST(CardImages, BacksAreOnePictureUprightAndCrosswise) {
    CardImages images;
    const QImage upright = images.back(CardImages::Back::Upright, kCard, 1.0).toImage();
    const QImage crosswise = images.back(CardImages::Back::Crosswise, kCard.transposed(), 1.0).toImage();
    ASSERT_EQ(upright.size(), kCard);
    ASSERT_EQ(crosswise.size(), kCard.transposed());
    for (const QImage& img : {upright, crosswise}) {
        EXPECT_TRUE(hasOpaquePixels(img));
        EXPECT_GT(colourCount(img), 50);
    }
    // A quarter turn back brings the crosswise back onto the upright one.
    EXPECT_LT(meanDifference(crosswise.transformed(QTransform().rotate(-90)), upright), 1.5);
}

TEST(CardImages, EachPictureIsRenderedOncePerSize) {
    CardImages images;
    images.pakli(2, 5, kCard, 1.0);
    images.back(CardImages::Back::Crosswise, kCard.transposed(), 1.0);
    EXPECT_EQ(images.renderCount(), 2);
    images.pakli(2, 5, kCard, 1.0);
    images.face(25, kCard, 1.0);
    images.back(CardImages::Back::Crosswise, kCard.transposed(), 1.0);
    EXPECT_EQ(images.renderCount(), 2);

    images.pakli(2, 5, QSize(48, 80), 1.0);  // new size
    EXPECT_EQ(images.renderCount(), 3);
    const QPixmap sharp = images.pakli(2, 5, kCard, 2.0);  // new device pixel ratio
    EXPECT_EQ(images.renderCount(), 4);
    EXPECT_EQ(sharp.size(), kCard * 2);
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);

    images.clear();
    images.pakli(2, 5, kCard, 1.0);
    EXPECT_EQ(images.renderCount(), 5);
}

TEST(CardImages, TheCornerAloneTellsEveryFaceApartAtTheSmallestSize) {
    // In a hand at the first window size a card is 48 x 80 and only a strip of it shows; its
    // top-left corner (rank mark and suit sign) must differ from card to card.
    CardImages images;
    std::vector<QImage> corners;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 5; ++rank) {
            const QImage corner = images.pakli(suit, rank, QSize(48, 80), 1.0).toImage().copy(0, 0, 12, 25);
            for (const QImage& other : corners) EXPECT_GT(meanDifference(corner, other), 2.0) << suit << rank;
            corners.push_back(corner);
        }
}

TEST(CardImages, ArtHasTheCardProportions) {
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 5; ++rank) {
            QSvgRenderer svg(CardImages::facePath(suit, rank));
            ASSERT_TRUE(svg.isValid()) << suit << rank;
            EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 117, 194)) << suit << rank;
        }
    EXPECT_EQ(QSvgRenderer(CardImages::backPath(CardImages::Back::Upright)).viewBoxF(), QRectF(0, 0, 117, 194));
    EXPECT_EQ(QSvgRenderer(CardImages::backPath(CardImages::Back::Crosswise)).viewBoxF(), QRectF(0, 0, 194, 117));
    const QIcon icon = CardImages::programIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(hasOpaquePixels(icon.pixmap(32).toImage()));
}

}  // namespace
