#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tarolas {

// Side index, used for every per-side array: 0 is the computer, 1 the player.
inline constexpr int kGep = 0;
inline constexpr int kJatekos = 1;

using Kartya = std::int16_t;  // card code: suit digit * 10 + rank digit, 0 = no card
using Lista = std::vector<Kartya>;

// The whole state of a deal and of the match. The four card lists hold only cards, in the order
// they were added, so their size() is the number of cards in them.
struct GameState {
    std::array<std::array<Kartya, 5>, 2> kezek{};  // kezek[side][slot], 0 = empty slot
    Lista kiadottlapok;                              // every card taken out of the deck this deal
    std::int16_t talonszam = 20;                     // cards not yet taken out of the deck
    Kartya adulap = 0;                               // the trump card under the talon
    std::int16_t adu = 0;                            // trump suit digit, 1..4
    Kartya tet = 0;                                  // the card led in the current trick
    Lista asztal;                                    // the current trick, in play order
    Lista gepvittlapok;                              // captured by the computer
    Lista jatekosvittlapok;                          // captured by the player
    std::int16_t soron = 0;                          // whose card is expected next
    bool takart = false;                             // the talon has been closed
    std::array<std::int16_t, 2> bemondas{};          // announcement points by side
    bool husz = false;                               // a 20 is waiting for its lead
    bool negyven = false;                            // a 40 is waiting for its lead
    std::array<bool, 2> tarolas{};                   // all-tricks announced, by side
    bool tarolashato = false;                        // the all-tricks announcement is still open
    std::array<std::int16_t, 2> egyseg{};            // match score in game units
    // Cards the player has shown this deal: the trump card it took in exchange and both cards of
    // each marriage it announced. Public knowledge, kept for the strong opponent.
    Lista jatekosMutatta;
    // Cards the player cannot hold: what its answers under the strict rules gave away.
    Lista jatekosnakNincs;
    // The same two for the computer, for the player's hint: the trump card it took, its marriages,
    // and what its strict answers gave away.
    Lista gepMutatta;
    Lista gepnekNincs;

    // Number of cards in a side's hand.
    int kezben(int side) const;
    // The deal's 20 cards are each in exactly one place; false names a corrupted state.
    bool mindenLapMegvan() const;
};

}  // namespace tarolas
