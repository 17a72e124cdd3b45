#include "score_text.h"

namespace tarolas {

std::string allas(std::array<std::int16_t, 2> egyseg) {
    return "Állás: gép " + std::to_string(egyseg[kGep]) + " – " + std::to_string(egyseg[kJatekos]) + " te";
}

std::string allasSzoveg(const GameState& st) { return st.kiadottlapok.empty() ? std::string() : allas(st.egyseg); }

}  // namespace tarolas
