#include "game/jatek.h"

namespace tarolas {

void Jatek::computerlepes() {}

}  // namespace tarolas
