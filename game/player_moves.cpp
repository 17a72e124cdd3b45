#include "jatek.h"
#include "szoveg.h"

namespace tarolas {

bool Jatek::talonbanJatszik() const { return st.asztal.empty() && !st.takart && st.talonszam > 0; }

void Jatek::kijatszas(int i) {
    if (i < 0 || i > 4 || st.kezek[kJatekos][i] == 0) return;
    const Kartya lap = laptetel(i);
    if (lap == 0) return;  // refused; the player picks again

    st.tarolashato = false;
    if (!st.asztal.empty() && (st.talonszam == 0 || st.takart)) kiderult(lap);
    if (st.asztal.empty()) st.tet = lap;
    st.asztal.push_back(lap);
    jelez({st.asztal.size() == 1 ? Tortent::Hivas : Tortent::Valasz, kJatekos, lap});
    platform_.ujrarajzol();
    platform_.doEvents();  // let the card show before anyone answers

    if (st.asztal.size() == 2) {
        ertekeles();
    } else {
        st.soron = kGep;
        computerlepes();
    }
}

// An answer under the strict rules shows what its side lacks: the led suit when it did not
// follow, trumps too when it did not trump either, the higher cards of the suit when it did not beat.
void Jatek::kiderult(Kartya valasz, int oldal) {
    Lista& hiany = oldal == kJatekos ? st.jatekosnakNincs : st.gepnekNincs;
    const int szin = szinje(st.tet);
    for (int rang = Asz; rang <= Also; ++rang) {
        const bool nincs = szinje(valasz) != szin ? true : rangja(valasz) > rangja(st.tet) && rang < rangja(st.tet);
        if (nincs) hiany.push_back(kartya(szin, rang));
        if (szinje(valasz) != szin && szinje(valasz) != st.adu) hiany.push_back(kartya(st.adu, rang));
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
        jelez({Tortent::Csere, kJatekos, c, also});
        platform_.ujrarajzol();
        return;
    }
    platform_.messageBox(TAROLAS_SZOVEG("Jatek", "Csak adu alsóra tudod a talon alján levő lapot kicserélni."),
                         MsgButtons::Ok, true);
}

void Jatek::talontakaras() {
    if (!talonbanJatszik()) return;
    st.takart = true;
    st.tarolashato = false;
    jelez({Tortent::Takaras, kJatekos});
    platform_.ujrarajzol();
}

}  // namespace tarolas
