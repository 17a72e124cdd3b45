#include "narration.h"

namespace tarolas {

std::string mondat(const Esemeny&) { return {}; }

}  // namespace tarolas
