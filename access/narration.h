#pragma once

// What a screen reader says, unasked, when something happens in a deal: short Hungarian sentences
// built from the core's events alone. Free of Qt.

#include <array>
#include <cstdint>
#include <string>

#include "game/events.h"

namespace tarolas {

// The sentence for one event; empty when the event is not spoken.
std::string mondat(const Esemeny& e);

// The match in game units, computer first: "Állás: gép 3 – 2 te".
std::string allas(std::array<std::int16_t, 2> egyseg);

}  // namespace tarolas
