#pragma once

// The match score as the status bar's right panel shows it, free of Qt. The narrator's sentence
// at the end of a deal uses the same words.

#include <array>
#include <cstdint>
#include <string>

#include "game/state.h"

namespace tarolas {

// The match in game units, computer first: "Állás: gép 3 – 2 te".
std::string allas(std::array<std::int16_t, 2> egyseg);

// The score panel: `allas` while a match is on, else empty.
std::string allasSzoveg(const GameState& st);

}  // namespace tarolas
