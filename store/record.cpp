#include "record.h"

#include <algorithm>

namespace tarolas {

namespace {
int egysegHelye(int egyseg) {
    switch (egyseg) {
    case 1: return 0;
    case 2: return 1;
    case 3: return 2;
    default: return 3;
    }
}
}  // namespace

void leosztasokat(Merleg& a, const Merleg& b) {
    a.leosztasNyert += b.leosztasNyert;
    a.leosztasVesztett += b.leosztasVesztett;
    a.leosztasDontetlen += b.leosztasDontetlen;
    for (std::size_t i = 0; i < 4; ++i) {
        a.nyertEgyseggel[i] += b.nyertEgyseggel[i];
        a.vesztettEgyseggel[i] += b.vesztettEgyseggel[i];
    }
    a.husz += b.husz;
    a.huszNyert += b.huszNyert;
    a.negyven += b.negyven;
    a.negyvenNyert += b.negyvenNyert;
    a.tarolas += b.tarolas;
    a.tarolasNyert += b.tarolasNyert;
    a.takaras += b.takaras;
    a.takarasNyert += b.takarasNyert;
}

void hozzaad(Rekord& r, const Lezart& m) {
    for (std::size_t i = 0; i < r.size(); ++i) leosztasokat(r[i], m.leosztasai[i]);
    Merleg& e = r[m.eros ? 1 : 0];
    // A match left for a new one is neither won nor lost, and leaves the streak as it was.
    if (m.mi == Lezart::Felbehagyott) {
        ++e.felbehagyott;
    } else if (m.mi == Lezart::Nyert) {
        ++e.nyert;
        e.leghosszabb = std::max(e.leghosszabb, ++e.sorozat);
    } else {
        ++e.vesztett;
        e.sorozat = 0;
    }
}

std::optional<Lezart> Szamlalo::esemeny(const Esemeny& e, bool eros, std::uint64_t uj) {
    std::optional<Lezart> lezart;
    switch (e.mi) {
    case Tortent::Osztas:
        // A deal dealt while one is still on: "Új játék" left that match.
        if (meccsben && leosztasban) lezart = Lezart{Lezart::Felbehagyott, eros, leosztasok, azonosito};
        if (!meccsben || leosztasban) *this = Szamlalo{{}, true, false, uj};
        leosztasban = true;
        husz = negyven = 0;
        tarolas = takaras = false;
        break;
    case Tortent::Bemondas:
        if (e.ki == kJatekos) ++(e.ertek == 40 ? negyven : husz);
        break;
    case Tortent::TarolasBemondva:
        tarolas = tarolas || e.ki == kJatekos;
        break;
    case Tortent::Takaras:
        takaras = takaras || e.ki == kJatekos;
        break;
    case Tortent::JatszmaVege: {
        if (!leosztasban) break;
        leosztasban = false;
        Merleg& m = leosztasok[eros ? 1 : 0];
        const bool nyert = e.ki == kJatekos;
        const int hely = egysegHelye(e.ertek);
        if (e.ki == kDontetlen) ++m.leosztasDontetlen;
        else if (nyert) ++m.leosztasNyert, ++m.nyertEgyseggel[hely];
        else ++m.leosztasVesztett, ++m.vesztettEgyseggel[hely];
        m.husz += husz;
        m.negyven += negyven;
        m.tarolas += tarolas;
        m.takaras += takaras;
        if (nyert) {
            m.huszNyert += husz;
            m.negyvenNyert += negyven;
            m.tarolasNyert += tarolas;
            m.takarasNyert += takaras;
        }
        break;
    }
    case Tortent::MeccsVege:
        if (!meccsben) break;
        lezart = Lezart{e.ki == kJatekos ? Lezart::Nyert : Lezart::Vesztett, eros, leosztasok, azonosito};
        *this = Szamlalo{};
        break;
    default:
        break;
    }
    return lezart;
}

}  // namespace tarolas
