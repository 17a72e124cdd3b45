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
            bool vannemadu = false;
            for (Kartya c : kez)
                if (c != 0 && szinje(c) != st.adu) vannemadu = true;
            k = gep::valaszt(kez, gep::Mertek::Legerosebb,
                             [&](Kartya c) { return vannemadu ? szinje(c) != st.adu : szinje(c) == st.adu; });
        }
        return jatek.kijatszas(k);
    }

    const int tetszin = szinje(st.tet);
    bool vanszin = false, vanfelul = false, vanadu = false;
    for (Kartya c : kez) {
        if (c == 0) continue;
        if (szinje(c) == tetszin) {
            vanszin = true;
            if (rangja(c) < rangja(st.tet)) vanfelul = true;
        } else if (szinje(c) == st.adu) {
            vanadu = true;
        }
    }
    jatek.kijatszas(gep::valaszt(kez, gep::Mertek::Legolcsobb, [&](Kartya c) {
        if (vanszin && vanfelul) return szinje(c) == tetszin && rangja(c) < rangja(st.tet);
        if (vanszin) return szinje(c) == tetszin;
        if (vanadu) return szinje(c) == st.adu;
        return true;
    }));
}

}  // namespace tarolas::test
