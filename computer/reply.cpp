#include <algorithm>

#include "computer/kez.h"
#include "computer/strong.h"
#include "game/jatek.h"

namespace tarolas {

// The computer answers the player's lead as cheaply as the following rules allow.
void Jatek::computerlepes() {
    auto& kez = st.kezek[kGep];
    platform_.gombbeallito();
    platform_.varakozas();

    const int k = erosGep_ ? static_cast<int>(std::find(kez.begin(), kez.end(), eros::valasz(st, *eros_)) - kez.begin())
                           : gep::valaszHelye(kez, st.tet, st.adu);

    if (st.talonszam == 0 || st.takart) kiderult(kez[k], kGep);
    st.asztal.push_back(kez[k]);
    jelez({Tortent::Valasz, kGep, kez[k]});
    kez[k] = 0;

    platform_.doEvents();
    platform_.ujrarajzol();
    if (st.asztal.size() == 2) ertekeles();
    else st.soron = kJatekos;
}

}  // namespace tarolas
