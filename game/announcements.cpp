#include "jatek.h"
#include "szoveg.h"

namespace tarolas {

std::array<bool, 4> offeredButtons(const GameState& st) {
    std::array<bool, 4> lathato{};
    if (!st.asztal.empty() || st.soron != kJatekos) return lathato;

    lathato[0] = st.tarolashato;
    const Parok parok = parokat(st.kezek[kJatekos]);
    // A marriage already announced waits for its lead; no second one before that.
    if (!st.husz && !st.negyven) {
        for (int s = 1; s <= 4; ++s)
            if (parok.megvan(s)) lathato[s == st.adu ? 1 : 2] = true;
    }
    lathato[3] = st.bemondas[kJatekos] + pontosszeg(st.jatekosvittlapok) >= 66;
    return lathato;
}

void Jatek::Command1_Click(int index) {
    platform_.setButtonVisible(index, false);
    platform_.setButtonVisible(0, false);  // all tricks can only be announced before anything else
    st.tarolashato = false;

    bool hazassag = false;
    switch (index) {
    case 0:
        jelez({Tortent::TarolasBemondva, kJatekos});
        platform_.messageBox(TAROLAS_SZOVEG("Jatek", "Bemondtad a Tarolás-t!") "\r"
                             TAROLAS_SZOVEG("Jatek", "A nyeréshez folyamatosan kell ütnöd,") "\r"
                             TAROLAS_SZOVEG("Jatek", "amíg el nem éred a 66 pontot."),
                             MsgButtons::Ok, false);
        st.tarolas[kJatekos] = true;
        break;
    case 1:
    case 2: {
        const bool negyven = index == 1;
        platform_.setButtonVisible(negyven ? 2 : 1, false);  // one marriage a lead
        platform_.messageBox(std::string(negyven ? TAROLAS_SZOVEG("Jatek", "Bemondtad a Negyvenet!")
                                             : TAROLAS_SZOVEG("Jatek", "Bemondtad a Huszat!")) +
                                 "\r" TAROLAS_SZOVEG("Jatek", "A bemondásban szereplő felsőt vagy királyt kell hívnod."),
                             MsgButtons::Ok, false);
        st.bemondas[kJatekos] = static_cast<std::int16_t>(st.bemondas[kJatekos] + (negyven ? 40 : 20));
        (negyven ? st.negyven : st.husz) = true;
        hazassag = true;
        break;
    }
    case 3:
        jelez({Tortent::Kesz, kJatekos});
        vege(kJatekos);
        break;
    default:
        break;
    }
    if (hazassag) platform_.setButtonVisible(3, pontjai(kJatekos) >= 66);

    platform_.gombbeallito();
    platform_.focusTable();
}

}  // namespace tarolas
