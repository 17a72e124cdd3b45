#include "jatek.h"

namespace tarolas {

bool Jatek::talonbanJatszik() const { return st.asztal.empty() && !st.takart && st.talonszam > 0; }

void Jatek::kijatszas(int i) {
    if (i < 0 || i > 4 || st.kezek[kJatekos][i] == 0) return;
    const Kartya lap = laptetel(i);
    if (lap == 0) return;  // refused; the player picks again

    st.tarolashato = false;
    if (st.asztal.empty()) st.tet = lap;
    st.asztal.push_back(lap);
    platform_.ujrarajzol();
    platform_.doEvents();  // let the card show before anyone answers

    if (st.asztal.size() == 2) {
        ertekeles();
    } else {
        st.soron = kGep;
        computerlepes();
    }
}

// The exchange and the closing are offered only while the player leads and the talon is in play;
// elsewhere the table has no such area, so a call then does nothing.
void Jatek::adulapcsere() {
    if (!talonbanJatszik()) return;
    const Kartya also = kartya(st.adu, Also);
    for (Kartya& c : st.kezek[kJatekos]) {
        if (c != also) continue;
        c = st.adulap;
        st.jatekosMutatta.push_back(c);
        st.tarolashato = false;
        st.adulap = also;
        platform_.ujrarajzol();
        return;
    }
    platform_.messageBox("Csak adu alsóra tudod a talon alján levő lapot kicserélni.", MsgButtons::Ok, true);
}

void Jatek::talontakaras() {
    if (!talonbanJatszik()) return;
    st.takart = true;
    st.tarolashato = false;
    platform_.ujrarajzol();
}

}  // namespace tarolas
