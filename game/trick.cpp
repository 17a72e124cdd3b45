#include <cmath>

#include "jatek.h"

namespace tarolas {

void Jatek::ertekeles() {
    const Kartya valasz = st.asztal.back();
    const int valaszolo = st.soron;
    int nyertes;
    if (szinje(valasz) == szinje(st.tet)) nyertes = rangja(valasz) < rangja(st.tet) ? valaszolo : 1 - valaszolo;
    else nyertes = szinje(valasz) == st.adu ? valaszolo : 1 - valaszolo;

    jelez({Tortent::Utes, nyertes, st.asztal.front(), valasz, pontosszeg(st.asztal)});

    Lista& vitt = nyertes == kGep ? st.gepvittlapok : st.jatekosvittlapok;
    vitt.insert(vitt.end(), st.asztal.begin(), st.asztal.end());
    st.asztal.clear();
    platform_.varakozas();  // the table still shows the trick
    st.soron = static_cast<std::int16_t>(nyertes);
    platform_.ujrarajzol();
    platform_.varakozas();

    const int kezben = st.kezben(nyertes);
    if ((st.talonszam == 0 || st.takart) && kezben == 0) {
        vege(nyertes);
        return;
    }

    // Each side draws one card in normal play; near the end of the talon the face-down cards and
    // the trump card are shared out (talonszam + 1 of them), halves rounded to even.
    int n = 0;
    if (!st.takart) {
        const int kell = 2 * (5 - kezben);
        if (st.talonszam + 1 >= kell) n = 5;
        else n = static_cast<int>(std::nearbyint((st.talonszam + 1) / 2.0));
    }
    if (n > 0) {
        for (int oldal : {nyertes, 1 - nyertes}) {
            int huzott = 0;
            for (int slot = 0; slot < 5 && huzott < n; ++slot) {
                if (st.kezek[oldal][slot] != 0) continue;
                st.kezek[oldal][slot] = lapgeneralo();
                jelez({Tortent::Huzas, oldal, oldal == kJatekos ? st.kezek[oldal][slot] : Kartya{0}});
                ++huzott;
            }
        }
    }
    platform_.ujrarajzol();
    if (nyertes == kGep) computerhiv();
}

}  // namespace tarolas
