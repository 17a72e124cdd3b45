#include "jatek.h"

namespace tarolas {

void Jatek::ertekeles() {}

}  // namespace tarolas
