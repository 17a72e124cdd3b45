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

}  // namespace tarolas
