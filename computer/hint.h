#pragma once

// The hint in words, for the status bar and for speaking.

#include <string>

#include "game/jatek.h"

namespace tarolas {

// "Tipp: hívd a Zöld ászt.", "Tipp: csere, 40, Zöld király."; `hiv` tells a lead from an answer.
// Empty for an empty hint.
std::string tippSzoveg(const Tipp& t, bool hiv);

}  // namespace tarolas
