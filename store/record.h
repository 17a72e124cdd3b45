#pragma once

// The player's record, counted from the game's events: matches and deals against each opponent,
// kept apart for the ordinary computer and the strong one. No Qt here; store/files.cpp writes it.

#include <array>
#include <cstdint>
#include <optional>

#include "game/events.h"

namespace tarolas {

// One opponent's column of the record.
struct Merleg {
    int nyert = 0, vesztett = 0, felbehagyott = 0;  // matches
    int sorozat = 0, leghosszabb = 0;                // winning streaks: now, and the longest
    int leosztasNyert = 0, leosztasVesztett = 0, leosztasDontetlen = 0;
    std::array<int, 4> nyertEgyseggel{}, vesztettEgyseggel{};  // deals by units: 1, 2, 3, 6
    // The player's announcements and closes, and how many of them were in a deal the player won.
    int husz = 0, huszNyert = 0, negyven = 0, negyvenNyert = 0;
    int tarolas = 0, tarolasNyert = 0, takaras = 0, takarasNyert = 0;

    bool operator==(const Merleg&) const = default;
};

// Index 0 the ordinary computer, 1 the strong opponent.
using Rekord = std::array<Merleg, 2>;

// Adds the deal counts of `b` to `a`; the match counts and streaks are not added this way.
void leosztasokat(Merleg& a, const Merleg& b);

// A match that has ended, or was left for a new one, waiting to be added to the record.
struct Lezart {
    enum Mi { Nyert, Vesztett, Felbehagyott } mi = Felbehagyott;
    int eros = 0;             // the opponent when it ended
    Rekord leosztasai;        // its deals, each under the opponent of its end
    std::uint64_t azonosito = 0;
};
void hozzaad(Rekord& r, const Lezart& m);

// Counts the match under way from the events. Its deals wait in it until the match ends, so the
// match in progress is saved with them and a resumed match is never counted twice.
struct Szamlalo {
    Rekord leosztasok;               // this match's deals so far
    bool meccsben = false;           // a match was dealt and has not ended
    bool leosztasban = false;        // a deal was dealt and has not ended
    std::uint64_t azonosito = 0;     // this match's, so it is added once even after a crash
    int husz = 0, negyven = 0;       // the player's marriages this deal
    bool tarolas = false, takaras = false;

    bool operator==(const Szamlalo&) const = default;

    // One event, the strong opponent on or off as it happens; `uj` names a match begun now.
    // Returns the match it ended: over, or left in the middle by a new one.
    std::optional<Lezart> esemeny(const Esemeny& e, bool eros, std::uint64_t uj);
};

}  // namespace tarolas
