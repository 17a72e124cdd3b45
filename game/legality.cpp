#include "jatek.h"
#include "szoveg.h"

namespace tarolas {

namespace {

// After a 20 or 40 the player must lead the király or felső of a marriage it holds: any non-trump
// marriage for a 20, the trump marriage for a 40. Refused silently, the announcement said it all.
bool hazassagbolHiv(GameState& st, Kartya lap) {
    const int s = szinje(lap);
    const int r = rangja(lap);
    if (!parokat(st.kezek[kJatekos]).megvan(s)) return false;
    if (r != Felso && r != Kiraly) return false;
    bool& fuggo = s == st.adu ? st.negyven : st.husz;
    if (!fuggo) return false;
    fuggo = false;
    st.jatekosMutatta.push_back(kartya(s, Kiraly));
    st.jatekosMutatta.push_back(kartya(s, Felso));
    return true;
}

}  // namespace

Kartya Jatek::laptetel(int i) {
    const Kartya lap = st.kezek[kJatekos][i];
    const bool valaszol = !st.asztal.empty();
    const bool szigoru = st.talonszam == 0 || st.takart;
    if (st.husz || st.negyven) {
        if (!hazassagbolHiv(st, lap)) return 0;
        // The player's marriage is told when its card is led: only then is its suit known.
        const int s = szinje(lap);
        jelez({Tortent::Bemondas, kJatekos, kartya(s, Kiraly), kartya(s, Felso), s == st.adu ? 40 : 20});
    } else if (valaszol && szigoru) {
        if (!lephete(i)) return 0;
    }
    st.kezek[kJatekos][i] = 0;
    return lap;
}

bool Jatek::lephete(int kartya) {
    const int tetSzin = szinje(st.tet);
    bool vanszin = false, vanfelul = false, vanadu = false;
    for (Kartya c : st.kezek[kJatekos]) {
        if (c != 0 && szinje(c) == tetSzin) {
            vanszin = true;
            if (rangja(c) < rangja(st.tet)) vanfelul = true;
        } else if (c != 0 && szinje(c) == st.adu) {
            vanadu = true;
        }
    }
    const Kartya c = st.kezek[kJatekos][kartya];
    const char* miert = nullptr;
    if (!vanszin) {
        if (vanadu && szinje(c) != st.adu)
            miert = TAROLAS_SZOVEG("Jatek", "Ha nincs a tétnek megfelelő színű lapod,") "\r" TAROLAS_SZOVEG(
                "Jatek", "adut kell raknod.");
    } else if (szinje(c) == tetSzin) {
        if (vanfelul && rangja(c) >= rangja(st.tet))
            miert = TAROLAS_SZOVEG("Jatek", "Felül kell ütnöd! Van nagyobb értékű lapod is.");
    } else {
        miert = TAROLAS_SZOVEG("Jatek", "Van a tétnek megfelelő színű lapod, azt kell raknod.");
    }
    if (miert == nullptr) return true;
    platform_.messageBox(miert, MsgButtons::Ok, true);
    return false;
}

}  // namespace tarolas
