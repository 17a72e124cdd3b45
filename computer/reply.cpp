#include <algorithm>

#include "computer/kez.h"
#include "game/jatek.h"

namespace tarolas {

// The computer answers the player's lead: it beats in suit as cheaply as it can, else follows
// with its cheapest card of the suit, else trumps with its lowest trump, else throws its cheapest
// card. That always satisfies the following rules, so it needs no legality check of its own.
void Jatek::computerlepes() {
    auto& kez = st.kezek[kGep];
    platform_.gombbeallito();
    platform_.varakozas();

    const int tetszin = szinje(st.tet);
    bool vanszin = false;
    bool vanfelul = false;
    bool vanadu = false;
    for (Kartya c : kez) {
        if (c == 0) continue;
        if (szinje(c) == tetszin) {
            vanszin = true;
            if (rangja(c) < rangja(st.tet)) vanfelul = true;
        } else if (szinje(c) == st.adu) {
            vanadu = true;
        }
    }

    auto jelolt = [&](Kartya c) {
        if (vanszin && vanfelul) return szinje(c) == tetszin && rangja(c) < rangja(st.tet);
        if (vanszin) return szinje(c) == tetszin;
        if (vanadu) return szinje(c) == st.adu;
        return true;
    };
    const int k = erosGep_ ? static_cast<int>(std::find(kez.begin(), kez.end(), eros::valasz(st, eros_)) - kez.begin())
                           : gep::valaszt(kez, gep::Mertek::Legolcsobb, jelolt);

    st.asztal.push_back(kez[k]);
    kez[k] = 0;

    platform_.doEvents();
    platform_.ujrarajzol();
    if (st.asztal.size() == 2) ertekeles();
    else st.soron = kJatekos;
}

}  // namespace tarolas
