#pragma once

// What the computer looks at in its own hand: where a marriage lies, and the choice of one card
// among those a rule allows. Empty slots match nothing.

#include <array>

#include "game/cards.h"

namespace tarolas::gep {

using Kez = std::array<Kartya, 5>;

// The two slots of the marriage in one suit, lower slot first.
inline std::array<std::int16_t, 2> parhelyei(const Kez& kez, int szin) {
    std::array<std::int16_t, 2> helyek{};
    int n = 0;
    for (int slot = 0; slot < 5 && n < 2; ++slot) {
        const Kartya c = kez[slot];
        if (szinje(c) == szin && (rangja(c) == Felso || rangja(c) == Kiraly))
            helyek[n++] = static_cast<std::int16_t>(slot);
    }
    return helyek;
}

enum class Mertek { Legerosebb, Legolcsobb };

// Slot of the strongest (lowest rank digit) or cheapest (highest rank digit) card that `jelolt`
// accepts; on equal rank digits the lowest slot. 0 when nothing is accepted.
template <class Jelolt>
int valaszt(const Kez& kez, Mertek mertek, Jelolt jelolt) {
    int k = 0;
    int m = 0;  // best rank digit so far, 0 = nothing chosen yet
    for (int slot = 0; slot < 5; ++slot) {
        const Kartya c = kez[slot];
        if (c == 0 || !jelolt(c)) continue;
        const int r = rangja(c);
        const bool jobb = mertek == Mertek::Legerosebb ? r < m : r > m;
        if (m == 0 || jobb) {
            k = slot;
            m = r;
        }
    }
    return k;
}

}  // namespace tarolas::gep
