#pragma once

// The fixed-rule computer's own policy played from the player's seat: exchange whenever it can,
// announce 40 before 20, "Kész" at 66, lead the strongest side card, answer as cheaply as it may.
// The yardstick for the strong opponent.

#include <algorithm>

#include "computer/kez.h"
#include "game/jatek.h"

namespace tarolas::test {

inline void referenciaLepes(Jatek& jatek) {
    GameState& st = jatek.st;
    const auto& kez = st.kezek[kJatekos];
    if (st.asztal.empty()) {
        const Kartya also = kartya(st.adu, Also);
        if (jatek.talonbanJatszik() && std::find(kez.begin(), kez.end(), also) != kez.end()) jatek.adulapcsere();
        auto gombok = offeredButtons(st);
        if (gombok[1] || gombok[2]) {
            jatek.Command1_Click(gombok[1] ? 1 : 2);
            if (st.soron != kJatekos || !st.asztal.empty()) return;  // the deal went on without us
            gombok = offeredButtons(st);
        }
        if (gombok[3]) return jatek.Command1_Click(3);

        const Parok parok = parokat(kez);
        int k;
        if (st.negyven || st.husz) {
            int szin = st.adu;
            if (st.husz)
                for (szin = Piros; szin == st.adu || !parok.megvan(szin); ++szin) {}
            k = gep::parhelyei(kez, szin)[0];
        } else {
            k = gep::hivasHelye(kez, st.adu);
        }
        return jatek.kijatszas(k);
    }

    jatek.kijatszas(gep::valaszHelye(kez, st.tet, st.adu));
}

}  // namespace tarolas::test
