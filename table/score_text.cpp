#include "score_text.h"
#include "forditas.h"

namespace tarolas {

std::string allas(std::array<std::int16_t, 2> egyseg) {
    return kitolt(forditas("Asztal", "Állás: gép %1 – %2 te"),
                  {std::to_string(egyseg[kGep]), std::to_string(egyseg[kJatekos])});
}

std::string inditoSugo() { return forditott("Asztal", kInditoSugo); }

std::string allasSzoveg(const GameState& st) { return st.kiadottlapok.empty() ? std::string() : allas(st.egyseg); }

}  // namespace tarolas
