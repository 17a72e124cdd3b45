#include "spoken_text.h"

#include <algorithm>

#include "game/cards.h"
#include "table/hit_areas.h"
#include "table/score_text.h"
#include "table/forditas.h"

namespace tarolas {

namespace {
Teglalap egyesit(const Teglalap& a, const FestettLap& l) {
    if (a.w <= 0) return {l.x, l.y, l.w, l.h};
    const float x0 = std::min(a.x, l.x), y0 = std::min(a.y, l.y);
    const float x1 = std::max(a.x + a.w, l.x + l.w), y1 = std::max(a.y + a.h, l.y + l.h);
    return {x0, y0, x1 - x0, y1 - y0};
}

Teglalap teglalap(const FestettLap& l) { return {l.x, l.y, l.w, l.h}; }

std::string hintNelkul(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}
}  // namespace

std::vector<AsztalElem> asztalElemei(const GameState& st, const Geometria& g, float H,
                                      const std::vector<FestettLap>& lapok) {
    // Walk the painted list in its fixed order, taking each group's pictures.
    std::size_t i = 0;
    auto vesz = [&](std::size_t n) {
        const std::size_t tol = std::min(i, lapok.size());
        i = std::min(i + n, lapok.size());
        return std::vector<FestettLap>(lapok.begin() + static_cast<std::ptrdiff_t>(tol),
                                       lapok.begin() + static_cast<std::ptrdiff_t>(i));
    };
    const bool adu = st.adulap != 0 && !st.takart, takaro = st.adulap != 0 && st.takart;
    const auto aduLap = vesz(adu ? 1 : 0);
    const auto talon = vesz(static_cast<std::size_t>(std::max<int>(st.talonszam, 0)));
    const auto fedo = vesz(takaro ? 1 : 0);

    Teglalap gepKez{};
    int gepLapok = 0;
    std::vector<AsztalElem> mutatott, sajat;
    for (std::size_t j = 0; j < 5; ++j) {
        const Kartya gep = st.kezek[kGep][j];
        if (gep > 0) {
            const auto kep = vesz(1);
            if (kep.empty()) break;
            const FestettLap& l = kep.front();
            ++gepLapok;
            gepKez = egyesit(gepKez, l);
            if (l.kep == FestettLap::Kep::Arc)
                mutatott.push_back({kitolt(forditas("Felolvaso", "Felfordítva: %1"), {lapnev(gep)}), teglalap(l)});
        }
        if (st.kezek[kJatekos][j] > 0) {
            vesz(1);
            sajat.push_back({lapnev(st.kezek[kJatekos][j]), jelolo(g, H, st.kezek[kJatekos], static_cast<int>(j)),
                             static_cast<int>(j)});
        }
    }
    const auto utes = vesz(st.asztal.size());

    std::vector<AsztalElem> elemek;
    const bool jatszma = !st.kiadottlapok.empty();
    auto vitt = [&](int oldal, const std::string& kie) {
        if (!jatszma) return;
        const Targy t = oldal == kGep ? Targy::GepVitt : Targy::JatekosVitt;
        elemek.push_back({kie + hintNelkul(vittSugo(st, oldal)), targyJelolo(st, g, H, t), -1, t});
    };

    vitt(kGep, forditas("Felolvaso", "A gép vitt lapjai. "));
    if (gepLapok > 0)
        elemek.push_back({gepLapok == 1 ? forditas("Felolvaso", "A gép kezében 1 lap")
                                        : kitolt(forditas("Felolvaso", "A gép kezében %1 lap"), {std::to_string(gepLapok)}),
                          gepKez});
    elemek.insert(elemek.end(), mutatott.begin(), mutatott.end());
    if (!aduLap.empty())
        elemek.push_back({kitolt(forditas("Felolvaso", "Adu: %1"), {lapnev(aduLap.front().kartya)}),
                          teglalap(aduLap.front()), -1, Targy::Adu});
    Teglalap talonHely{};
    for (const FestettLap& l : talon) talonHely = egyesit(talonHely, l);
    if (!fedo.empty())
        elemek.push_back(
            {forditas("Felolvaso", "A talon le van takarva"), egyesit(talonHely, fedo.front()), -1, Targy::Talon});
    else if (!talon.empty())
        elemek.push_back({talon.size() == 1 ? forditas("Felolvaso", "Talon: 1 lap")
                                             : kitolt(forditas("Felolvaso", "Talon: %1 lap"), {std::to_string(talon.size())}),
                          talonHely, -1, Targy::Talon});
    for (std::size_t k = 0; k < utes.size(); ++k)
        elemek.push_back({kitolt(k == 0 ? forditas("Felolvaso", "Kijátszott lap: %1") : forditas("Felolvaso", "Válasz: %1"),
                                 {lapnev(utes[k].kartya)}),
                          teglalap(utes[k])});
    elemek.insert(elemek.end(), sajat.begin(), sajat.end());
    vitt(kJatekos, forditas("Felolvaso", "Vitt lapjaid. "));
    return elemek;
}

int valasztottElem(const std::vector<AsztalElem>& elemek, int slot, std::optional<Targy> targy) {
    for (std::size_t i = 0; i < elemek.size(); ++i)
        if (targy ? elemek[i].targy == targy : slot >= 0 && elemek[i].slot == slot) return static_cast<int>(i);
    return -1;
}

std::string gombSzoveg(int gomb) {
    static constexpr const char* szovegek[] = {
        TAROLAS_SZOVEG("Felolvaso", "Tarolás bemondható: Alt+T"), TAROLAS_SZOVEG("Felolvaso", "40 bemondható: Alt+4"),
        TAROLAS_SZOVEG("Felolvaso", "20 bemondható: Alt+2"), TAROLAS_SZOVEG("Felolvaso", "Kész bemondható: Alt+K")};
    return gomb >= 0 && gomb < 4 ? forditott("Felolvaso", szovegek[gomb]) : "";
}

std::string allapotSzoveg(const GameState& st) {
    if (st.kiadottlapok.empty()) return inditoSugo() + ".";
    if (st.kezben(kJatekos) + st.kezben(kGep) + static_cast<int>(st.asztal.size()) == 0)
        return {};
    switch (st.asztal.size()) {
    case 0: return st.soron == kJatekos ? forditas("Felolvaso", "Te hívsz.") : forditas("Felolvaso", "A gép hív.");
    // Who led holds a card fewer (`soron` turns only after the redraw that shows the lead).
    case 1:
        return kitolt(st.kezben(kGep) < st.kezben(kJatekos) ? forditas("Felolvaso", "A gép hívott: %1. Te következel.")
                                                            : forditas("Felolvaso", "Hívtál: %1. A gép következik."),
                      {lapnev(st.asztal[0])});
    default: return kitolt(forditas("Felolvaso", "Az ütés: %1, %2."), {lapnev(st.asztal[0]), lapnev(st.asztal[1])});
    }
}

}  // namespace tarolas
