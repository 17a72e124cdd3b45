#include "computer/search_model.h"

#include "game/cards.h"

namespace tarolas::modell {

namespace {

int also(const Allas& a) { return indexe(kartya(a.adu, Also)); }

// The next card out of the deck: a face-down card, then the trump card, then nothing.
int huz(Allas& a) {
    if (a.talonszam > 0) return a.talon[--a.talonszam];
    const int lap = a.adulap;
    a.adulap = kNincs;
    return lap;
}

}  // namespace

bool Allas::cserelhet(int oldal) const {
    if (adulap == kNincs || !(kez[oldal] & bit(also(*this)))) return false;
    return oldal == kGep || (!takart && talonszam > 0);
}

std::array<bool, 5> Allas::parjai(int oldal) const {
    std::array<bool, 5> van{};
    for (int s = 1; s <= 4; ++s) {
        const Lapok par = bit(indexe(kartya(s, Kiraly))) | bit(indexe(kartya(s, Felso)));
        van[s] = (kez[oldal] & par) == par;
    }
    return van;
}

Allas allasbol(const GameState& st, const std::vector<Kartya>& talonSorrend) {
    Allas a;
    for (int oldal = 0; oldal < 2; ++oldal)
        for (Kartya c : st.kezek[oldal])
            if (c != 0) a.kez[oldal] |= bit(indexe(c));
    a.talonszam = static_cast<std::int8_t>(talonSorrend.size());
    for (std::size_t k = 0; k < talonSorrend.size(); ++k)
        a.talon[talonSorrend.size() - 1 - k] = static_cast<std::int8_t>(indexe(talonSorrend[k]));
    a.adulap = static_cast<std::int8_t>(st.adulap != 0 ? indexe(st.adulap) : kNincs);
    a.adu = static_cast<std::int8_t>(st.adu);
    a.soron = static_cast<std::int8_t>(st.soron);
    a.tet = static_cast<std::int8_t>(st.asztal.size() == 1 ? indexe(st.asztal[0]) : kNincs);
    a.takart = st.takart;
    a.tarolas = st.tarolas;
    a.vitt = {static_cast<std::int16_t>(pontosszeg(st.gepvittlapok)),
              static_cast<std::int16_t>(pontosszeg(st.jatekosvittlapok))};
    a.bemondas = st.bemondas;
    return a;
}

Lapok valaszthato(const Allas& a) {
    const Lapok kez = a.kez[a.soron];
    if (!a.szigoru()) return kez;
    const Lapok szin = kez & szinLapjai(szine(a.tet));
    const Lapok felul = szin & (bit(a.tet) - 1);  // same suit, lower index: stronger
    if (felul) return felul;
    if (szin) return szin;
    const Lapok adu = kez & szinLapjai(a.adu);
    return adu ? adu : kez;
}

void kijatszik(Allas& a, int lap) {
    const int s = a.soron;
    a.kez[s] &= ~bit(lap);
    if (a.tet == kNincs) {
        a.tet = static_cast<std::int8_t>(lap);
        a.soron = static_cast<std::int8_t>(1 - s);
        return;
    }
    int nyertes;
    if (szine(lap) == szine(a.tet)) nyertes = lap < a.tet ? s : 1 - s;
    else nyertes = szine(lap) == a.adu ? s : 1 - s;
    a.vitt[nyertes] = static_cast<std::int16_t>(a.vitt[nyertes] + erteke(lap) + erteke(a.tet));
    a.tet = kNincs;
    a.soron = static_cast<std::int8_t>(nyertes);

    const int kezben = darab(a.kez[nyertes]);
    if (a.szigoru() && kezben == 0) return befejez(a, nyertes);
    if (a.takart) return;
    // The same share-out as the trick evaluation: one card each in normal play.
    const int kell = 2 * (5 - kezben);
    const int n = a.talonszam + 1 >= kell ? 5 : (a.talonszam + 1) / 2 + ((a.talonszam + 1) % 4 == 3 ? 1 : 0);
    for (int oldal : {nyertes, 1 - nyertes}) {
        const int ures = 5 - darab(a.kez[oldal]);
        for (int k = 0; k < ures && k < n; ++k) {
            const int c = huz(a);
            if (c != kNincs) a.kez[oldal] |= bit(c);
        }
    }
}

void cserel(Allas& a, int oldal) {
    const int al = also(a);
    a.kez[oldal] = (a.kez[oldal] & ~bit(al)) | bit(a.adulap);
    a.adulap = static_cast<std::int8_t>(al);
}

void bemond(Allas& a, int oldal, int szin) {
    a.bemondas[oldal] = static_cast<std::int16_t>(a.bemondas[oldal] + (szin == a.adu ? 40 : 20));
}

void takar(Allas& a) { a.takart = true; }

void befejez(Allas& a, int oldal) { a.vegzo = static_cast<std::int8_t>(oldal); }

int egysegek(int p0, int p1, std::array<bool, 2> tarolas, bool takart, int vegzo) {
    if (tarolas[kJatekos] && p0 > 0) return 6;
    if (tarolas[kGep] && p1 > 0) return -6;
    const bool egyikSem66 = p0 < 66 && p1 < 66;
    if (takart && egyikSem66) return 1;
    if (egyikSem66) return p0 == p1 ? 0 : vegzo == kGep ? 1 : -1;
    const int gyoztes = p1 < p0 ? kGep : p1 > p0 ? kJatekos : vegzo;
    const int vesztes = gyoztes == kGep ? p1 : p0;
    const int u = vesztes >= 33 ? 1 : vesztes > 0 ? 2 : tarolas[gyoztes] ? 6 : 3;
    return gyoztes == kGep ? u : -u;
}

int egysegek(const Allas& a) { return egysegek(a.pontja(kGep), a.pontja(kJatekos), a.tarolas, a.takart, a.vegzo); }

}  // namespace tarolas::modell
