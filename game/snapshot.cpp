#include "snapshot.h"

#include <algorithm>

#include "cards.h"

namespace tarolas {

namespace {
bool lapok(const Lista& l, std::size_t legfeljebb) {
    return l.size() <= legfeljebb && std::all_of(l.begin(), l.end(), [](Kartya c) { return ervenyes(c); });
}
}  // namespace

bool ertelmes(const Pillanatkep& p) {
    const GameState& st = p.st;
    if (!st.mindenLapMegvan() || st.soron != kJatekos || st.asztal.size() > 1) return false;
    if (!st.asztal.empty() && st.tet != st.asztal.front()) return false;
    if (st.adu < 1 || st.adu > 4 || (st.adulap != 0 && szinje(st.adulap) != st.adu)) return false;
    if (st.adulap == 0 && st.talonszam != 0) return false;
    if (st.kiadottlapok.size() < 11) return false;  // both hands and the trump card are dealt first
    // The computer has led when a card lies on the table, so it holds one card fewer.
    const int jatekos = st.kezben(kJatekos), gep = st.kezben(kGep);
    if (jatekos < 1 || gep + static_cast<int>(st.asztal.size()) != jatekos) return false;
    if (st.gepvittlapok.size() % 2 != 0 || st.jatekosvittlapok.size() % 2 != 0) return false;
    for (int oldal : {kGep, kJatekos}) {
        if (st.egyseg[oldal] < 0 || st.egyseg[oldal] > 6) return false;
        if (st.bemondas[oldal] < 0 || st.bemondas[oldal] > 160 || st.bemondas[oldal] % 20 != 0) return false;
    }
    if (st.husz && st.negyven) return false;
    // What each side showed or gave away: cards, and no more than a deal can tell.
    for (const Lista* l : {&st.jatekosMutatta, &st.jatekosnakNincs, &st.gepMutatta, &st.gepnekNincs})
        if (!lapok(*l, 200)) return false;
    return p.erosMintak >= 1 && p.erosMintak <= 1000 && p.erosMelyseg >= 0 && p.erosMelyseg <= 20;
}

}  // namespace tarolas
