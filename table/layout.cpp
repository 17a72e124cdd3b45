#include "layout.h"

#include <cmath>

#include "game/cards.h"
#include "forditas.h"

namespace tarolas {

Geometria asztalGeometria(float W, float H) {
    // Whole twips round half to even, as the old toolkit did; the card height stays single precision.
    Geometria g;
    g.kezkezdet = static_cast<std::int32_t>(std::nearbyint(W / 3.0f));
    g.laptavolsag = static_cast<std::int32_t>(std::nearbyint(W / 18.0f));
    g.lapmagassag = H / 4.0f;
    g.lapszelesseg = static_cast<double>(g.lapmagassag) / kLaparany;
    return g;
}

std::vector<FestettLap> festettLapok(const GameState& st, const Geometria& g, float W, float H,
                                     const std::array<std::int16_t, 2>* felfordit) {
    using Kep = FestettLap::Kep;
    const float h = g.lapmagassag;
    const auto w = static_cast<float>(g.lapszelesseg);
    std::vector<FestettLap> lapok;
    lapok.reserve(40);
    auto allo = [&](Kep kep, Kartya c, float x, float y) { lapok.push_back({kep, c, x, y, w, h}); };

    const float adux = h / 4, aduy = H / 2 - h / 2;
    if (st.adulap != 0 && !st.takart) allo(Kep::Arc, kartya(st.adu, rangja(st.adulap)), adux, aduy);
    // The talon lies crosswise, each card a little right of and below the one before.
    for (int i = 1; i <= st.talonszam; ++i)
        lapok.push_back({Kep::Keresztlap, 0, static_cast<float>(100 + 2 * i), H / 2 + static_cast<float>(6 * i), h, w});
    if (st.adulap != 0 && st.takart) allo(Kep::Hatlap, 0, adux, aduy);

    for (int j = 0; j < 5; ++j) {
        const auto x = static_cast<float>(g.kezkezdet + g.laptavolsag * j);
        const Kartya gep = st.kezek[kGep][static_cast<std::size_t>(j)];
        const bool mutatott = felfordit && (j == (*felfordit)[0] || j == (*felfordit)[1]);
        if (mutatott && gep > 0) allo(Kep::Arc, gep, x, 100);
        else if (!mutatott && gep > 0) allo(Kep::Hatlap, 0, x, 100);
        const Kartya sajat = st.kezek[kJatekos][static_cast<std::size_t>(j)];
        if (sajat > 0) allo(Kep::Arc, sajat, x, H - h - 100);
    }

    // The trick centred: one card in the middle, the answer half a card right of the lead.
    const auto n = static_cast<double>(st.asztal.size());
    for (std::size_t i = 0; i < st.asztal.size(); ++i) {
        const double x = W / 2.0 - ((n - 1) / 2 + 1) * g.lapszelesseg / 2 + static_cast<double>(i) * g.lapszelesseg / 2;
        allo(Kep::Arc, st.asztal[i], static_cast<float>(x), aduy);
    }

    // Captured piles face down; narrower while a marriage is shown.
    const int lepes = felfordit ? 2 : 6;
    for (std::size_t i = 1; i <= st.gepvittlapok.size(); ++i) {
        const auto k = static_cast<int>(i);
        allo(Kep::Hatlap, 0, static_cast<float>(100 + lepes * k), static_cast<float>(120 - 2 * k));
    }
    for (std::size_t i = 1; i <= st.jatekosvittlapok.size(); ++i) {
        const auto k = static_cast<int>(i);
        allo(Kep::Hatlap, 0, static_cast<float>(100 + lepes * k), H - h - 120 - static_cast<float>(2 * k));
    }
    return lapok;
}

TalonFelirat talonFelirat(const GameState& st, const Geometria& g, float H) {
    const float h = g.lapmagassag;
    // Spans the talon and ends 72 twips above the trump card.
    return {100, H / 2 - h / 2 - 72 - kFeliratMagassag, h + static_cast<float>(2 * st.talonszam),
            st.talonszam == 1 ? forditas("Asztal", "1 kártya")
                              : kitolt(forditas("Asztal", "%1 kártya"), {std::to_string(st.talonszam)})};
}

std::array<GombHely, 4> gombsor(const std::array<bool, 4>& lathato, float scaleWidth, float scaleHeight,
                                float lapmagassag, const std::array<float, 4>& szelesseg,
                                const std::array<float, 4>& magassag) {
    std::array<GombHely, 4> hely{};
    float sor = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        hely[i].top = scaleHeight - lapmagassag - 160 - magassag[i];
        if (lathato[i]) sor += szelesseg[i];
    }
    float left = scaleWidth / 2 - sor / 2;
    for (std::size_t i = 0; i < 4; ++i) {
        hely[i].left = left;
        if (lathato[i]) left += szelesseg[i];
    }
    return hely;
}

}  // namespace tarolas
