#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state.h"

namespace tarolas {

// Suit digits and rank digits of the card code.
enum Szin : int { Piros = 1, Makk = 2, Tok = 3, Zold = 4 };
// Within one suit the smaller rank digit is the stronger card, and points follow strength.
enum Rang : int { Asz = 1, Tiz = 2, Kiraly = 3, Felso = 4, Also = 5 };

constexpr int szinje(Kartya c) { return c / 10; }
constexpr int rangja(Kartya c) { return c % 10; }
constexpr Kartya kartya(int szin, int rang) { return static_cast<Kartya>(szin * 10 + rang); }
constexpr bool ervenyes(Kartya c) { return szinje(c) >= 1 && szinje(c) <= 4 && rangja(c) >= 1 && rangja(c) <= 5; }

// Points of a rank digit: 11, 10, 4, 3, 2; nothing for a digit outside 1..5.
constexpr int pontertek(int rang) {
    constexpr int ertek[] = {0, 11, 10, 4, 3, 2};
    return rang >= 1 && rang <= 5 ? ertek[rang] : 0;
}


// The király and felső a hand holds, by suit digit (index 0 unused); empty slots mark nothing.
struct Parok {
    std::array<bool, 5> felsok{};
    std::array<bool, 5> kiralyok{};

    bool megvan(int szin) const { return felsok[szin] && kiralyok[szin]; }
};

constexpr Parok parokat(const std::array<Kartya, 5>& kez) {
    Parok p;
    for (Kartya c : kez) {
        if (rangja(c) == Felso) p.felsok[szinje(c)] = true;
        if (rangja(c) == Kiraly) p.kiralyok[szinje(c)] = true;
    }
    return p;
}

// Points of a list of captured cards.
std::int32_t pontosszeg(const Lista& lapok);

// "Piros ász", "Makk felső"...; empty for 0.
std::string megnevezo(Kartya szam);

}  // namespace tarolas
