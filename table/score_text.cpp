#include "score_text.h"
#include "forditas.h"

#include "game/cards.h"

namespace tarolas {

namespace {
std::string vitt(const GameState& st, int oldal) {
    const Lista& lapok = oldal == kGep ? st.gepvittlapok : st.jatekosvittlapok;
    const std::string pont = std::to_string(pontosszeg(lapok));
    const int bemondas = st.bemondas[static_cast<std::size_t>(oldal)];
    if (bemondas > 0)
        return kitolt(oldal == kGep ? forditas("Attekintes", "A gép vitt lapjai: %1 pont, bemondás %2. ")
                                    : forditas("Attekintes", "Vitt lapjaid: %1 pont, bemondás %2. "),
                      {pont, std::to_string(bemondas)});
    return kitolt(oldal == kGep ? forditas("Attekintes", "A gép vitt lapjai: %1 pont. ")
                                : forditas("Attekintes", "Vitt lapjaid: %1 pont. "),
                  {pont});
}

// The trump suit alone, once the trump card is gone from sight.
std::string aduSzin(int adu, bool takart) {
    static constexpr const char* szinek[] = {
        "", TAROLAS_SZOVEG("Attekintes", "Adu: Piros."), TAROLAS_SZOVEG("Attekintes", "Adu: Makk."),
        TAROLAS_SZOVEG("Attekintes", "Adu: Tök."), TAROLAS_SZOVEG("Attekintes", "Adu: Zöld.")};
    return forditott("Attekintes", szinek[adu]) +
           (takart ? forditas("Attekintes", " A talon le van takarva. ") : forditas("Attekintes", " A talon elfogyott. "));
}
}  // namespace

std::string allas(std::array<std::int16_t, 2> egyseg) {
    return kitolt(forditas("Asztal", "Állás: gép %1 – %2 te"),
                  {std::to_string(egyseg[kGep]), std::to_string(egyseg[kJatekos])});
}

std::string inditoSugo() { return forditott("Asztal", kInditoSugo); }

std::string allasSzoveg(const GameState& st) { return st.kiadottlapok.empty() ? std::string() : allas(st.egyseg); }

std::string attekintes(const GameState& st) {
    if (st.kiadottlapok.empty()) return inditoSugo() + ".";
    const std::string allasMondat = allas(st.egyseg) + ".";
    if (st.kezben(kJatekos) + st.kezben(kGep) + static_cast<int>(st.asztal.size()) == 0) return allasMondat;

    std::string t;
    // The trump card lies face up until the talon is closed or drawn to the end.
    if (st.adulap != 0 && !st.takart)
        t = kitolt(forditas("Attekintes", "Adu: %1. Talon: %2 lap. "), {lapnev(st.adulap), std::to_string(st.talonszam)});
    else if (st.adu >= 1 && st.adu <= 4)
        t = aduSzin(st.adu, st.takart);
    // Who led holds a card fewer (`soron` turns only after the redraw that shows the lead).
    const bool gepHivott = st.kezben(kGep) < st.kezben(kJatekos);
    if (st.asztal.size() == 1)
        t += kitolt(gepHivott ? forditas("Attekintes", "A gép hívott: %1. ") : forditas("Attekintes", "Hívtál: %1. "),
                    {lapnev(st.asztal[0])});
    else if (st.asztal.size() == 2)
        t += kitolt(forditas("Attekintes", "Az ütés: %1, %2. "), {lapnev(st.asztal[0]), lapnev(st.asztal[1])});
    t += vitt(st, kJatekos) + vitt(st, kGep) + allasMondat;
    if (st.asztal.empty())
        t += st.soron == kJatekos ? forditas("Attekintes", " Te hívsz.") : forditas("Attekintes", " A gép hív.");
    else if (st.asztal.size() == 1)
        t += gepHivott ? forditas("Attekintes", " Te következel.") : forditas("Attekintes", " A gép következik.");
    return t;
}

}  // namespace tarolas
