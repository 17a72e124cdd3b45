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

// The fixed rules' lead: its strongest side card; its strongest trump only when it holds nothing else.
inline int hivasHelye(const Kez& kez, int adu) {
    bool vannemadu = false;
    for (Kartya c : kez)
        if (c != 0 && szinje(c) != adu) vannemadu = true;
    return valaszt(kez, Mertek::Legerosebb, [&](Kartya c) { return vannemadu ? szinje(c) != adu : szinje(c) == adu; });
}

// The fixed rules' answer to `tet`: beat in suit as cheaply as it can, else follow with the cheapest
// card of the suit, else trump with the lowest trump, else throw the cheapest card. That always
// satisfies the following rules, so it needs no legality check of its own.
inline int valaszHelye(const Kez& kez, Kartya tet, int adu) {
    const int tetszin = szinje(tet);
    bool vanszin = false;
    bool vanfelul = false;
    bool vanadu = false;
    for (Kartya c : kez) {
        if (c == 0) continue;
        if (szinje(c) == tetszin) {
            vanszin = true;
            if (rangja(c) < rangja(tet)) vanfelul = true;
        } else if (szinje(c) == adu) {
            vanadu = true;
        }
    }
    return valaszt(kez, Mertek::Legolcsobb, [&](Kartya c) {
        if (vanszin && vanfelul) return szinje(c) == tetszin && rangja(c) < rangja(tet);
        if (vanszin) return szinje(c) == tetszin;
        if (vanadu) return szinje(c) == adu;
        return true;
    });
}

}  // namespace tarolas::gep
