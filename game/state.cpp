#include "state.h"

#include <algorithm>

#include "cards.h"

namespace tarolas {

int GameState::kezben(int side) const {
    return static_cast<int>(std::count_if(kezek[side].begin(), kezek[side].end(), [](Kartya c) { return c != 0; }));
}

bool GameState::mindenLapMegvan() const {
    // How often each card code is seen in a place a card can be.
    std::array<int, 46> latott{};
    bool idegen = false;
    auto lat = [&](Kartya c) {
        if (ervenyes(c)) ++latott[c];
        else idegen = true;
    };
    for (const auto& kez : kezek)
        for (Kartya c : kez)
            if (c != 0) lat(c);
    for (const Lista* l : {&asztal, &gepvittlapok, &jatekosvittlapok})
        for (Kartya c : *l) lat(c);
    if (adulap != 0) lat(adulap);

    std::array<int, 46> kiadva{};
    for (Kartya c : kiadottlapok) {
        if (!ervenyes(c) || ++kiadva[c] > 1) return false;
    }
    if (idegen || talonszam != 20 - static_cast<int>(kiadottlapok.size()) || asztal.size() > 2) return false;
    for (int s = 1; s <= 4; ++s)
        for (int r = 1; r <= 5; ++r) {
            const Kartya c = kartya(s, r);
            if (latott[c] != kiadva[c]) return false;
        }
    return true;
}

}  // namespace tarolas
