#include <algorithm>

#include "computer/kez.h"
#include "computer/strong.h"
#include "game/jatek.h"

namespace tarolas {

// The computer leads after a trick it won: it may exchange the trump card, announces at most one
// marriage, ends the deal at 66, and otherwise leads one card. It looks only at its own hand.
void Jatek::computerhiv() {
    auto& kez = st.kezek[kGep];
    platform_.varakozas();

    // The strong opponent plans its exchange and its card together; at 66 it ends the deal anyway.
    const bool eros = erosGep_ && pontjai(kGep) < 66;
    const eros::Hivas terv = eros ? eros::hivas(st, *eros_) : eros::Hivas{true, 0};

    // It exchanges whenever it can, even after the player has closed the talon.
    const Kartya aduAlso = kartya(st.adu, Also);
    for (Kartya& c : kez) {
        if (c == aduAlso && st.adulap != 0 && terv.csere) {
            st.gepMutatta.push_back(st.adulap);
            c = st.adulap;
            st.adulap = aduAlso;
            jelez({Tortent::Csere, kGep, c, aduAlso});
            platform_.ujrarajzol();
            platform_.varakozas();
            break;
        }
    }

    // One announcement a lead: 40 before 20, the 20s in suit order.
    const Parok parok = parokat(kez);
    std::array<std::int16_t, 2> parhelyek{};
    int bemondott = 0;
    if (eros) {
        bemondott = eros::bemondottSzin(kez, terv.lap);
        (bemondott == st.adu ? st.negyven : st.husz) = bemondott != 0;
    } else if (parok.megvan(st.adu)) {
        bemondott = st.adu;
        st.negyven = true;
    } else {
        for (int szin = Piros; szin <= Zold && bemondott == 0; ++szin)
            if (parok.megvan(szin)) {
                bemondott = szin;
                st.husz = true;
            }
    }
    if (bemondott != 0) {
        parhelyek = gep::parhelyei(kez, bemondott);
        jelez({Tortent::Bemondas, kGep, kartya(bemondott, Kiraly), kartya(bemondott, Felso), bemondott == st.adu ? 40 : 20});
        st.gepMutatta.insert(st.gepMutatta.end(), {kez[parhelyek[0]], kez[parhelyek[1]]});
        platform_.felfordito(parhelyek);
        st.bemondas[kGep] = static_cast<std::int16_t>(st.bemondas[kGep] + (st.negyven ? 40 : 20));
        for (int i = 0; i < 3; ++i) platform_.varakozas();
        platform_.ujrarajzol();
    }

    // The trick evaluation never counts to 66, so the computer does it here, before every lead.
    if (st.bemondas[kGep] + lapertekszamolo(kGep) >= 66) {
        jelez({Tortent::Kesz, kGep});
        vege(kGep);
        return;
    }

    int k;
    if (eros) {
        k = static_cast<int>(std::find(kez.begin(), kez.end(), terv.lap) - kez.begin());
        st.husz = false;
        st.negyven = false;
    } else if (st.negyven || st.husz) {
        k = parhelyek[0];
        st.husz = false;
        st.negyven = false;
    } else {
        k = gep::hivasHelye(kez, st.adu);
    }

    const Kartya lap = kez[k];
    kez[k] = 0;
    st.tet = lap;
    st.asztal.push_back(lap);
    jelez({Tortent::Hivas, kGep, lap});

    platform_.doEvents();
    platform_.ujrarajzol();
    st.soron = kJatekos;
}

}  // namespace tarolas
