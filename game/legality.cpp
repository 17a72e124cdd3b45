#include "jatek.h"

namespace tarolas {

// Placeholder until the rules land: every card is accepted.
Kartya Jatek::laptetel(int i) {
    const Kartya lap = st.kezek[kJatekos][i];
    st.kezek[kJatekos][i] = 0;
    return lap;
}

bool Jatek::lephete(int) { return true; }

}  // namespace tarolas
