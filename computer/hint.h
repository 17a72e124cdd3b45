#pragma once

// The hint in words, for the status bar and for speaking.

#include <string>

#include "game/jatek.h"

namespace tarolas {

// "Tipp: hívd a Zöld ászt.", "Tipp: takard be a talont, mondj 40-et, majd hívd a Zöld királyt.";
// `hiv` tells a lead from an answer.
// Empty for an empty hint.
std::string tippSzoveg(const Tipp& t, bool hiv);

}  // namespace tarolas
