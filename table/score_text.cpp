#include "score_text.h"
#include "forditas.h"

#include "game/cards.h"

namespace tarolas {

namespace {
std::string vitt(const GameState& st, int oldal) {
    const Lista& lapok = oldal == kGep ? st.gepvittlapok : st.jatekosvittlapok;
    std::string t = (oldal == kGep ? "A gép vitt lapjai: " : "Vitt lapjaid: ") + std::to_string(pontosszeg(lapok)) + " pont";
    const int bemondas = st.bemondas[static_cast<std::size_t>(oldal)];
    if (bemondas > 0) t += ", bemondás " + std::to_string(bemondas);
    return t + ". ";
}
}  // namespace

std::string allas(std::array<std::int16_t, 2> egyseg) {
    return kitolt(forditas("Asztal", "Állás: gép %1 – %2 te"),
                  {std::to_string(egyseg[kGep]), std::to_string(egyseg[kJatekos])});
}

std::string inditoSugo() { return forditott("Asztal", kInditoSugo); }

std::string allasSzoveg(const GameState& st) { return st.kiadottlapok.empty() ? std::string() : allas(st.egyseg); }

std::string attekintes(const GameState& st) {
    if (st.kiadottlapok.empty()) return kInditoSugo + std::string(".");
    const std::string allasMondat = allas(st.egyseg) + ".";
    if (st.kezben(kJatekos) + st.kezben(kGep) + static_cast<int>(st.asztal.size()) == 0) return allasMondat;

    static constexpr const char* szinek[] = {"", "Piros", "Makk", "Tök", "Zöld"};
    std::string t = "Adu: ";
    // The trump card lies face up until the talon is closed or drawn to the end.
    if (st.adulap != 0 && !st.takart)
        t += megnevezo(st.adulap) + ". Talon: " + std::to_string(st.talonszam) + " lap. ";
    else if (st.adu >= 1 && st.adu <= 4)
        t += szinek[st.adu] + std::string(st.takart ? ". A talon le van takarva. " : ". A talon elfogyott. ");
    // Who led holds a card fewer (`soron` turns only after the redraw that shows the lead).
    const bool gepHivott = st.kezben(kGep) < st.kezben(kJatekos);
    if (st.asztal.size() == 1) t += (gepHivott ? "A gép hívott: " : "Hívtál: ") + megnevezo(st.asztal[0]) + ". ";
    else if (st.asztal.size() == 2) t += "Az ütés: " + megnevezo(st.asztal[0]) + ", " + megnevezo(st.asztal[1]) + ". ";
    t += vitt(st, kJatekos) + vitt(st, kGep) + allasMondat;
    if (st.asztal.empty()) t += st.soron == kJatekos ? " Te hívsz." : " A gép hív.";
    else if (st.asztal.size() == 1) t += gepHivott ? " Te következel." : " A gép következik.";
    return t;
}

}  // namespace tarolas
