#include <QPushButton>

#include "form1.h"
#include "table_widget.h"

void Form1::gombbeallito() {
    const auto kinalt = tarolas::offeredButtons(st());
    for (std::size_t i = 0; i < 4; ++i) Command1[i]->setVisible(kinalt[i]);
    gombokKozlese();

    // The row is laid out from the buttons' own sizes, in twips.
    std::array<float, 4> szelesseg{}, magassag{};
    for (std::size_t i = 0; i < 4; ++i) {
        szelesseg[i] = static_cast<float>(Command1[i]->width() * tarolas::kTwipPerPixel);
        magassag[i] = static_cast<float>(Command1[i]->height() * tarolas::kTwipPerPixel);
    }
    const auto hely = tarolas::gombsor(kinalt, Picture3->scaleWidth(), Picture3->scaleHeight(), geo_.lapmagassag,
                                       szelesseg, magassag);
    for (std::size_t i = 0; i < 4; ++i)
        Command1[i]->move(tarolas::pixelben(hely[i].left), tarolas::pixelben(hely[i].top));
}
