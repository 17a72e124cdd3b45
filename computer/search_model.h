#pragma once

// A compact copy of the rules for the strong opponent's search: hands as bit sets, the talon as a
// known sequence (one guess of the hidden cards), and the same trick, drawing and scoring rules as
// the game's own procedures. A test plays both side by side so they cannot drift apart.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "game/cards.h"
#include "game/state.h"

namespace tarolas::modell {

using Lapok = std::uint32_t;  // a set of cards, bit i for card index i

// Card index 0..19: five per suit, strongest first, so within a suit a lower index beats.
constexpr int indexe(Kartya c) { return (szinje(c) - 1) * 5 + rangja(c) - 1; }
constexpr Kartya kodja(int i) { return kartya(i / 5 + 1, i % 5 + 1); }
constexpr int szine(int i) { return i / 5 + 1; }
constexpr int erteke(int i) { return pontertek(i % 5 + 1); }
constexpr Lapok bit(int i) { return Lapok{1} << i; }
constexpr Lapok szinLapjai(int szin) { return Lapok{0x1F} << ((szin - 1) * 5); }
inline int darab(Lapok l) { return std::popcount(l); }

constexpr int kNincs = -1;

struct Allas {
    std::array<Lapok, 2> kez{};
    std::array<std::int8_t, 10> talon{};  // face-down cards; the next one drawn is talon[talonszam - 1]
    std::int8_t talonszam = 0;
    std::int8_t adulap = kNincs;          // the trump card under the talon
    std::int8_t adu = 1;
    std::int8_t soron = 0;                // whose card comes next
    std::int8_t tet = kNincs;             // the led card while it waits for the answer
    std::int8_t vegzo = kNincs;           // the side that ended the deal, once it is over
    bool takart = false;
    std::array<bool, 2> tarolas{};
    std::array<std::int16_t, 2> vitt{};   // points of the captured cards
    std::array<std::int16_t, 2> bemondas{};

    bool vege() const { return vegzo != kNincs; }
    int pontja(int oldal) const { return vitt[oldal] + bemondas[oldal]; }
    bool szigoru() const { return talonszam == 0 || takart; }
    // The trump alsó may be exchanged by this side now: the player only while the talon is in play.
    bool cserelhet(int oldal) const;
    // The marriage suits a hand holds.
    std::array<bool, 5> parjai(int oldal) const;
};

// The position of a real game, with the face-down cards in the given order (next drawn first).
Allas allasbol(const GameState& st, const std::vector<Kartya>& talonSorrend);

// The cards the side to answer may play: any card while the talon is open, else follow, beat, trump.
Lapok valaszthato(const Allas& a);

// The side `soron` plays card index `lap`: a lead, or an answer that completes and settles the trick
// (capture, drawing, next lead, end of the deal when the winner's hand runs out with no talon).
void kijatszik(Allas& a, int lap);
void cserel(Allas& a, int oldal);
void bemond(Allas& a, int oldal, int szin);
void takar(Allas& a);
void befejez(Allas& a, int oldal);

// Who won the deal and for how much, from the computer's side: +units, -units, 0 for a draw.
int egysegek(const Allas& a);
int egysegek(int p0, int p1, std::array<bool, 2> tarolas, bool takart, int vegzo);

}  // namespace tarolas::modell
