#pragma once

// What a screen reader says, unasked, when something happens in a deal: short Hungarian sentences
// built from the core's events alone. Free of Qt.

#include <string>

#include "game/events.h"

namespace tarolas {

// The sentence for one event; empty when the event is not spoken.
std::string mondat(const Esemeny& e);

}  // namespace tarolas
