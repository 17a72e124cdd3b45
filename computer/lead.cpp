#include "game/jatek.h"

namespace tarolas {

void Jatek::computerhiv() {}

}  // namespace tarolas
