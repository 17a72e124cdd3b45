#include "jatek.h"

namespace tarolas {

void Jatek::vege(int) {}

}  // namespace tarolas
