#pragma once

// A match between two moves, as data: everything the game needs to go on from there exactly as it
// would have. Written and read elsewhere; here only what it holds and whether it makes sense.

#include <cstdint>

#include "random.h"
#include "state.h"

namespace tarolas {

struct Pillanatkep {
    GameState st;
    RandomSource::Allapot kevero;  // the card generator
    bool erosGep = false;          // the strong opponent makes the computer's choices
    std::uint64_t erosMag = 1;     // and its settings (computer/strong.h)
    int erosMintak = 8;
    int erosMelyseg = 3;
};

// A table the game can be waiting at for the player's move: the 20 cards each in one place, one
// card at most on the table, hands that match, scores and announcements the rules can reach. Only
// such a snapshot is ever taken up.
bool ertelmes(const Pillanatkep& p);

}  // namespace tarolas
