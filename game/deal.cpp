#include <algorithm>
#include <cmath>

#include "jatek.h"
#include "szoveg.h"

namespace tarolas {

void Jatek::Form_Load() {
    for (auto& kez : st.kezek) kez.fill(0);
    st.soron = 0;
    st.asztal.clear();
    st.gepvittlapok.clear();
    st.jatekosvittlapok.clear();
    st.egyseg = {0, 0};
    st.tet = 0;
    st.talonszam = 20;
    st.bemondas = {0, 0};
    st.takart = false;
    st.tarolas = {false, false};
    st.tarolashato = false;
    st.husz = false;
    st.negyven = false;
}

void Jatek::ujjatek_Click() {
    st.egyseg = {0, 0};
    ujjatszma();
}

void Jatek::ujjatszma() {
    st.kiadottlapok.clear();
    st.jatekosMutatta.clear();
    st.jatekosnakNincs.clear();
    st.gepMutatta.clear();
    st.gepnekNincs.clear();
    st.talonszam = 20;
    st.bemondas = {0, 0};
    st.takart = false;
    st.tarolas = {false, false};

    for (int slot = 0; slot < 5; ++slot) {
        st.kezek[kGep][slot] = lapgeneralo();
        st.kezek[kJatekos][slot] = lapgeneralo();
    }
    st.adulap = lapgeneralo();
    st.adu = static_cast<std::int16_t>(szinje(st.adulap));
    st.soron = kJatekos;  // the player leads the first trick of every deal

    st.asztal.clear();
    st.gepvittlapok.clear();
    st.jatekosvittlapok.clear();
    st.tet = 0;
    st.tarolashato = true;
    st.husz = false;
    st.negyven = false;

    platform_.setStatusText(1, aduSzoveg(st.adu));
    Esemeny osztas{Tortent::Osztas, kJatekos, st.adulap};
    osztas.kez = st.kezek[kJatekos];
    jelez(osztas);
    platform_.ujrarajzol();
}

const char* aduSzoveg(int adu) {
    static constexpr const char* aduszoveg[] = {
        "", TAROLAS_SZOVEG("Jatek", "Az adu színe: PIROS"), TAROLAS_SZOVEG("Jatek", "Az adu színe: MAKK"),
        TAROLAS_SZOVEG("Jatek", "Az adu színe: TÖK"), TAROLAS_SZOVEG("Jatek", "Az adu színe: ZÖLD")};
    return adu >= 1 && adu <= 4 ? aduszoveg[adu] : "";
}

Kartya Jatek::lapgeneralo() {
    if (st.kiadottlapok.size() >= 20) {
        // The deck is used up: the trump card under the talon is the last card drawn.
        const Kartya lap = st.adulap;
        st.adulap = 0;
        return lap;
    }
    Kartya lap = 0;
    bool szabad = false;
    while (!szabad) {
        // Rounding half to even on purpose: suits 1 and 4, ranks 1 and 5 come up half as often
        // as the others in a single attempt, as in the original card generator.
        random_.reseedFromClock();
        const float r = random_.next();
        const int szin = static_cast<int>(std::nearbyint(r * 3.0f + 1.0f));
        random_.reseedFromClock();
        const float r2 = random_.next();
        const int rang = static_cast<int>(std::nearbyint(r2 * 4.0f + 1.0f));
        lap = kartya(szin, rang);
        szabad = std::find(st.kiadottlapok.begin(), st.kiadottlapok.end(), lap) == st.kiadottlapok.end();
        platform_.doEvents();
    }
    st.kiadottlapok.push_back(lap);
    --st.talonszam;
    return lap;
}

}  // namespace tarolas
