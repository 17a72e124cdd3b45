#include "scoring.h"

#include "jatek.h"
#include "szoveg.h"

namespace tarolas {

namespace {

// The loser's points grade the win: 1, 2, 3 or 6 units.
void fokozat(JatszmaEredmeny& e, int vesztesPontja, bool gyoztesTarolt) {
    if (vesztesPontja >= 33) e = {e.gyoztes, 1, TAROLAS_SZOVEG("Jatek", "Összegyűlt a 66 pont")};
    else if (vesztesPontja > 0) e = {e.gyoztes, 2, TAROLAS_SZOVEG("Jatek", "Az ellenfél 'macsban' maradt")};
    else if (!gyoztesTarolt) e = {e.gyoztes, 3, TAROLAS_SZOVEG("Jatek", "Csendes Tarolás")};
    else e = {e.gyoztes, 6, TAROLAS_SZOVEG("Jatek", "Tarolás")};
}

}  // namespace

JatszmaEredmeny jatszmaEredmeny(int p0, int p1, std::array<bool, 2> tarolas, bool takart, int utolsouto) {
    if (tarolas[kJatekos] && p0 > 0) return {kGep, 6, TAROLAS_SZOVEG("Jatek", "Bukott Tarolás")};
    if (tarolas[kGep] && p1 > 0) return {kJatekos, 6, TAROLAS_SZOVEG("Jatek", "Bukott Tarolás")};
    const bool egyikSem66 = p0 < 66 && p1 < 66;
    if (takart && egyikSem66) return {kGep, 1, TAROLAS_SZOVEG("Jatek", "Takartál, de nem érted el a 66-ot")};
    if (!takart && egyikSem66 && p0 != p1) return {utolsouto, 1, TAROLAS_SZOVEG("Jatek", "Utolsó ütés")};
    if (!takart && egyikSem66) return {kDontetlen, 1, TAROLAS_SZOVEG("Jatek", "Döntetlen (60-60 pont)")};

    JatszmaEredmeny e;
    // Both sides at 66 or more with equal points: the side that ended the deal takes it.
    if (p1 < p0) e.gyoztes = kGep;
    else if (p1 > p0) e.gyoztes = kJatekos;
    else e.gyoztes = utolsouto;
    const int vesztes = 1 - e.gyoztes;
    fokozat(e, vesztes == kGep ? p0 : p1, tarolas[e.gyoztes]);
    return e;
}

std::string eredmenylap(const JatszmaEredmeny& e, std::array<std::int32_t, 2> vitt,
                        std::array<std::int16_t, 2> bemondas, std::array<std::int16_t, 2> egyseg) {
    static constexpr const char* eredmenyek[] = {TAROLAS_SZOVEG("Jatek", "A számítógép nyerte a játszmát!"),
                                                 TAROLAS_SZOVEG("Jatek", "Te nyerted a játszmát!"),
                                                 TAROLAS_SZOVEG("Jatek", "Döntetlen az állás!")};
    using std::to_string;
    const std::string p0 = to_string(bemondas[0] + vitt[0]);
    const std::string p1 = to_string(bemondas[1] + vitt[1]);
    std::string t;
    t += eredmenyek[e.gyoztes];
    t += "\r\r";
    t += TAROLAS_SZOVEG("Jatek", "Számítógép:") "\t\t" TAROLAS_SZOVEG("Jatek", "Játékos:") "\r";
    t += "==============\t==============\r";
    t += TAROLAS_SZOVEG("Jatek", "Vitt lapokból:") "\t" + to_string(vitt[0]) + "\tVitt lapokból:\t" +
         to_string(vitt[1]) + "\r";
    t += TAROLAS_SZOVEG("Jatek", "Bemondásból:") "\t" + to_string(bemondas[0]) + "\tBemondásból:\t" +
         to_string(bemondas[1]) + "\r";
    t += "----------------------------\t----------------------------\r";
    t += TAROLAS_SZOVEG("Jatek", "Összesen:") "\t" + p0 + "\tÖsszesen:\t" + p1 + "\r\r";
    t += e.indok + "\r";
    t += "Értéke: " + to_string(e.egyseg) + " pont\r\r";
    t += TAROLAS_SZOVEG("Jatek", "A játék jelenlegi állása:") "\r";
    t += "Számítógép:\t" + to_string(egyseg[0]) + " pont\tJátékos:\t\t" + to_string(egyseg[1]) + " pont\r\r";
    t += TAROLAS_SZOVEG("Jatek", "A folytatásához kattints az OK-ra.");
    return t;
}

std::string jatekVegeKerdes(std::array<std::int16_t, 2> egyseg) {
    std::string t = egyseg[kGep] >= 7 ? TAROLAS_SZOVEG("Jatek", "A számítógép megnyerte a játékot!")
                                      : TAROLAS_SZOVEG("Jatek", "Megnyerted a játékot!");
    return t + "\r" TAROLAS_SZOVEG("Jatek", "Akarsz még egyet játszani?");
}

void Jatek::vege(int utolsouto) {
    const std::int16_t p0 = pontjai(kGep);
    const std::int16_t p1 = pontjai(kJatekos);
    const JatszmaEredmeny e = jatszmaEredmeny(p0, p1, st.tarolas, st.takart, utolsouto);

    if (e.gyoztes == kDontetlen) {
        for (auto& egy : st.egyseg) egy = static_cast<std::int16_t>(egy + e.egyseg);
    } else {
        st.egyseg[e.gyoztes] = static_cast<std::int16_t>(st.egyseg[e.gyoztes] + e.egyseg);
    }

    Esemeny vegeztek{Tortent::JatszmaVege, e.gyoztes, 0, 0, e.egyseg};
    vegeztek.indok = e.indok;
    vegeztek.egyseg = st.egyseg;
    jelez(vegeztek);
    platform_.messageBox(eredmenylap(e, {lapertekszamolo(kGep), lapertekszamolo(kJatekos)}, st.bemondas, st.egyseg),
                         MsgButtons::Ok, false);

    if (st.egyseg[kGep] < 7 && st.egyseg[kJatekos] < 7) {
        ujjatszma();
        return;
    }
    Esemeny meccs{Tortent::MeccsVege, st.egyseg[kGep] >= 7 ? kGep : kJatekos};
    meccs.egyseg = st.egyseg;
    jelez(meccs);
    if (platform_.messageBox(jatekVegeKerdes(st.egyseg), MsgButtons::YesNo, false) == MsgResult::Yes) {
        ujjatek_Click();
        return;
    }

    // Back to idle: nothing dealt, a new match only from the menu.
    for (auto& kez : st.kezek) kez.fill(0);
    st.soron = 0;
    st.asztal.clear();
    st.gepvittlapok.clear();
    st.jatekosvittlapok.clear();
    st.kiadottlapok.clear();  // so every card is back in the deck
    st.tet = 0;
    st.talonszam = 20;
    st.egyseg = {0, 0};
    st.bemondas = {0, 0};
    st.adulap = 0;
    st.takart = false;
    st.tarolas = {false, false};
    st.husz = false;
    st.negyven = false;
    platform_.setStatusText(1, "");
    platform_.ujrarajzol();
}

}  // namespace tarolas
