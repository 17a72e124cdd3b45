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

std::vector<Targy> targyak(const GameState& st) {
    std::vector<Targy> sor;
    const bool jatszma = !st.kiadottlapok.empty();
    if (jatszma) sor.push_back(Targy::GepVitt);
    if (st.adulap != 0 && !st.takart) sor.push_back(Targy::Adu);
    if (st.talonszam > 0) sor.push_back(Targy::Talon);
    if (jatszma) sor.push_back(Targy::JatekosVitt);
    return sor;
}

std::optional<Targy> targyValasztas(const GameState& st, std::optional<Targy> most, std::optional<Lepes> lepes) {
    const std::vector<Targy> sor = targyak(st);
    if (sor.empty()) return std::nullopt;
    const int n = static_cast<int>(sor.size());
    if (!most) return lepes == Lepes::Balra || lepes == Lepes::Utolso ? sor.back() : sor.front();
    const auto it = std::find(sor.begin(), sor.end(), *most);
    if (it == sor.end()) {
        // The selected object has gone: the nearest one after it, else the last.
        const auto utana = std::find_if(sor.begin(), sor.end(), [&](Targy t) { return t > *most; });
        return utana == sor.end() ? sor.back() : *utana;
    }
    int i = static_cast<int>(it - sor.begin());
    if (lepes == Lepes::Balra) i = std::max(0, i - 1);
    if (lepes == Lepes::Jobbra) i = std::min(n - 1, i + 1);
    if (lepes == Lepes::Elso) i = 0;
    if (lepes == Lepes::Utolso) i = n - 1;
    return sor[static_cast<std::size_t>(i)];
}

Teglalap targyJelolo(const GameState& st, const Geometria& g, float H, Targy t) {
    const float h = g.lapmagassag;
    const auto w = static_cast<float>(g.lapszelesseg);
    switch (t) {
    case Targy::Adu: return {h / 4, H / 2 - h / 2, w, h / 2};
    case Targy::Talon:
        return {static_cast<float>(100 + 2 * st.talonszam), H / 2 + static_cast<float>(6 * st.talonszam), h, w};
    case Targy::GepVitt: {
        const auto k = static_cast<float>(st.gepvittlapok.size());
        return {100 + 6 * k, 120 - 2 * k, w, h};
    }
    case Targy::JatekosVitt: {
        const auto k = static_cast<float>(st.jatekosvittlapok.size());
        return {100 + 6 * k, H - 120 - 2 * k - h, w, h};
    }
    }
    return {};
}

Pont targyPontja(const GameState& st, const Geometria& g, float H, Targy t) {
    if (t == Targy::Adu) return aduPontja(g, H);
    if (t == Targy::Talon) return talonPontja(g, H, st.talonszam);
    const Teglalap r = targyJelolo(st, g, H, t);
    return {r.x + r.w / 2, r.y + r.h / 2};
}

}  // namespace tarolas
