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

Pillanatkep Jatek::pillanatkep() const {
    return {st, random_.allapot(), erosGep_, eros_->mag, eros_->mintak, eros_->melyseg};
}

void Jatek::folytat(const Pillanatkep& p) {
    st = p.st;
    random_.beallit(p.kevero);
    erosGep_ = p.erosGep;
    *eros_ = {p.erosMag, p.erosMintak, p.erosMelyseg};
}

}  // namespace tarolas
