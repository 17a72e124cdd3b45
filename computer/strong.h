#pragma once

// The strong opponent's choices: it deals the cards it cannot see in many ways that fit what it has
// seen, solves each deal with all cards open, and takes the move that does best over all of them.
// It reads only what the computer may know: its own hand, the trump card, the cards played so
// far, the talon count, the announcements, the score and the cards the player has shown. Seated
// as the player (for the hint) it reads the mirror: the player's hand and what the computer showed.

#include <cstdint>

#include "game/state.h"

namespace tarolas::eros {

struct Beallitas {
    std::uint64_t mag = 1;  // the same seed and the same visible table give the same choice
    int mintak = 8;         // guessed deals per decision
    int melyseg = 3;        // tricks searched while the talon is open; 0 = to the end
    bool takarhat = true;   // seated as the player, closing the talon is weighed too
};

struct Hivas {
    bool csere = false;  // take the trump card for the trump alsó first
    Kartya lap = 0;      // the card to lead; a király or felső of a held marriage is announced
    bool takar = false;  // close the talon after the exchange (the player's seat only)

    bool operator==(const Hivas&) const = default;
};

// Side `en` is to lead (and below 66): exchange or not, close the talon or not (only the player
// closes, and only while face-down cards are left), and which card. The player's lead with a 20 or
// 40 pending is one of that marriage's cards.
Hivas hivas(const GameState& st, const Beallitas& b, int en = kGep);
// Side `en` answers the card on the table; always a card the rules allow it.
Kartya valasz(const GameState& st, const Beallitas& b, int en = kGep);

// The marriage a lead of `lap` from `kez` announces, or 0.
int bemondottSzin(const std::array<Kartya, 5>& kez, Kartya lap);

}  // namespace tarolas::eros
