#include <chrono>

#include "computer/strong.h"
#include "game/jatek.h"

namespace tarolas {

// The game owns the strong opponent's settings, which only the computer's files know in full.
Jatek::Jatek(Platform& platform, RandomSource& random)
    : eros_(std::make_unique<eros::Beallitas>()), platform_(platform), random_(random) {
    eros_->mag = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

Jatek::~Jatek() = default;

}  // namespace tarolas
