#pragma once

// What lies under a point of the table: the player's hand strips, the trump card, the talon and
// the two captured piles, as the last redraw placed them. Free of Qt, in twips like the redraw.
// Every comparison is strict: a point on an edge belongs to neither side.

#include <array>
#include <cstdint>
#include <string>

#include "game/state.h"
#include "layout.h"

namespace tarolas {

// The empty space between two neighbouring hand cards, in whole twips; 0 when they overlap.
std::int32_t kezhezag(const Geometria& g);

// A point tried against the player's hand row.
struct KezTalalat {
    int slot = -1;       // the slot whose card is under the point, -1 for none
    bool ures0 = false;  // the point is on slot 0's strip and slot 0 is empty
};

// Each slot offers the strip of its card that the next slot does not cover (slot 4 its whole
// card). On an empty slot the cards to its left are tried, nearest first, for one reaching the
// point: that is how the uncovered part of a card becomes playable once its neighbour is gone.
KezTalalat kezTalalat(const Geometria& g, float H, const std::array<Kartya, 5>& kez, float x, float y);

// The upper half of the trump card, the part the talon leaves uncovered.
bool aduTerulet(const Geometria& g, float H, float x, float y);

// The top card of the talon, lying crosswise; it moves with the number of cards left.
bool talonTerulet(const Geometria& g, float H, int talonszam, float x, float y);

// The top card of a captured pile of `darab` cards (side 0 top left, side 1 bottom left).
bool vittTerulet(const Geometria& g, float H, int oldal, int darab, float x, float y);

// The hint over a side's captured pile: its card points and its announcements.
std::string vittSugo(const GameState& st, int oldal);

// The status-bar hint for a pointer resting at (x, y), UTF-8; empty over nothing. The trump card
// and the talon are offered only while the player leads with the talon still in play.
std::string sugo(const GameState& st, const Geometria& g, float H, float x, float y);

}  // namespace tarolas
