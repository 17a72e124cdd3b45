#include "keyboard.h"

#include <algorithm>

#include "hit_areas.h"

namespace tarolas {

int kivalasztas(const std::array<Kartya, 5>& kez, int slot, Lepes lepes) {
    auto elso = [&](int tol, int irany) {
        for (int j = tol; j >= 0 && j < 5; j += irany)
            if (kez[static_cast<std::size_t>(j)] != 0) return j;
        return -1;
    };
    const int most = megtartott(kez, slot);
    int uj = -1;
    switch (lepes) {
    case Lepes::Balra: uj = most < 0 ? -1 : elso(most - 1, -1); break;
    case Lepes::Jobbra: uj = most < 0 ? -1 : elso(most + 1, 1); break;
    case Lepes::Elso: uj = elso(0, 1); break;
    case Lepes::Utolso: uj = elso(4, -1); break;
    }
    return uj < 0 ? most : uj;
}

int megtartott(const std::array<Kartya, 5>& kez, int slot) {
    slot = std::clamp(slot, 0, 4);
    for (int j = slot; j < 5; ++j)
        if (kez[static_cast<std::size_t>(j)] != 0) return j;
    for (int j = slot - 1; j >= 0; --j)
        if (kez[static_cast<std::size_t>(j)] != 0) return j;
    return -1;
}

Pont lapPontja(const Geometria& g, float H, int slot) {
    const double bal = static_cast<double>(g.kezkezdet) + static_cast<double>(g.laptavolsag) * slot;
    // Slots 0 to 3 offer the strip up to where the next card begins, less the gap between them.
    const double szeles = slot == 4 ? g.lapszelesseg : static_cast<double>(g.laptavolsag - kezhezag(g));
    return {static_cast<float>(bal + szeles / 2), H - 100 - g.lapmagassag / 2};
}

Pont aduPontja(const Geometria& g, float H) {
    const float h = g.lapmagassag;
    return {static_cast<float>(h / 4 + g.lapszelesseg / 2), H / 2 - h / 4};
}

Pont talonPontja(const Geometria& g, float H, int talonszam) {
    return {static_cast<float>(2 * talonszam + 100) + g.lapmagassag / 2,
            static_cast<float>(H / 2 + static_cast<float>(6 * talonszam) + g.lapszelesseg / 2)};
}

Teglalap jelolo(const Geometria& g, float H, const std::array<Kartya, 5>& kez, int slot) {
    const auto x = static_cast<float>(g.kezkezdet + g.laptavolsag * slot);
    auto w = static_cast<float>(g.lapszelesseg);
    for (int j = slot + 1; j < 5; ++j)
        if (kez[static_cast<std::size_t>(j)] != 0) {
            w = std::min(w, static_cast<float>(g.laptavolsag * (j - slot)));
            break;
        }
    return {x, H - g.lapmagassag - 100, w, g.lapmagassag};
}

}  // namespace tarolas
