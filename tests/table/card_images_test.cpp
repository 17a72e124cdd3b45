#include <gtest/gtest.h>

#include "table/card_images.h"

namespace {

const QSize kCard(117, 194);

QImage kep(const QPixmap& pm) { return pm.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

TEST(CardImages, EveryCardCodeHasItsOwnPictureAndPakli3Picture4IsTheTokFelso) {
    CardImages images;
    // Starting with a blank picture catches a card whose resource failed to load.
    std::vector<QImage> lapok{QImage(kCard, QImage::Format_ARGB32_Premultiplied)};
    lapok[0].fill(Qt::transparent);
    for (int szin = 1; szin <= 4; ++szin)
        for (int c = szin * 10 + 1; c <= szin * 10 + 5; ++c) {
            const QImage img = kep(images.face(static_cast<tarolas::Kartya>(c), kCard, 1.0));
            ASSERT_EQ(img.size(), kCard) << c;
            for (const QImage& masik : lapok) EXPECT_FALSE(img == masik) << c;
            lapok.push_back(img);
        }
    EXPECT_TRUE(images.face(16, kCard, 1.0).isNull());
    for (const auto hatlap : {CardImages::Back::Upright, CardImages::Back::Crosswise})
        EXPECT_FALSE(kep(images.back(hatlap, kCard, 1.0)) == lapok[0]);
    EXPECT_TRUE(kep(images.pakli(3, 4, kCard, 1.0)) == kep(QPixmap(QStringLiteral(":/resources/cards/tok_felso.svg"))));
}

TEST(CardImages, EachPictureIsRenderedOncePerSize) {
    CardImages images;
    for (int i = 0; i < 2; ++i) {
        images.pakli(2, 5, kCard, 1.0);
        images.face(25, kCard, 1.0);
        images.back(CardImages::Back::Upright, kCard, 1.0);
    }
    EXPECT_EQ(images.renderCount(), 2);
    images.pakli(2, 5, QSize(48, 80), 1.0);
    images.pakli(2, 5, kCard, 2.0);
    EXPECT_EQ(images.renderCount(), 4);
    images.clear();
    images.pakli(2, 5, kCard, 1.0);
    EXPECT_EQ(images.renderCount(), 5);
}

}  // namespace
