#pragma once

// The status bar's own texts, free of Qt: the match score in the right panel, and how to start
// while no match is on. Screen readers are told the same words.

#include <array>
#include <cstdint>
#include <string>

#include "game/state.h"
#include "game/szoveg.h"

namespace tarolas {

// The hint panel while no match is on.
inline constexpr const char* kInditoSugo = TAROLAS_SZOVEG("Asztal", "Új játék: F2");
// The same in the player's language.
std::string inditoSugo();

// The match in game units, computer first: "Állás: gép 3 – 2 te".
std::string allas(std::array<std::int16_t, 2> egyseg);

// The score panel: `allas` while a match is on, else empty.
std::string allasSzoveg(const GameState& st);

// Where things stand, in one sentence for the hint panel and the ear (key S): the trump card (or
// suit), the talon, the card waiting for an answer, both piles' values and announcements, the
// match score and whose move it is. Between deals the score, while no match is on how to start one.
std::string attekintes(const GameState& st);

}  // namespace tarolas
