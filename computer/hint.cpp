#include "computer/hint.h"

#include "computer/strong.h"

namespace tarolas {

// The strong opponent's search seated as the player. It sees only what the player sees, so the
// hint never depends on the computer's hand or the talon's order.
Tipp Jatek::tipp() const {
    Tipp t;
    if (st.soron != kJatekos || st.asztal.size() > 1 || st.kezben(kJatekos) == 0) return t;
    if (!st.asztal.empty()) {
        t.lap = eros::valasz(st, *eros_, kJatekos);
        return t;
    }
    // Ending now wins the deal, and playing on can only give the computer points.
    if (pontjai(kJatekos) >= 66) {
        t.kesz = true;
        return t;
    }
    const eros::Hivas h = eros::hivas(st, *eros_, kJatekos);
    if (!ervenyes(h.lap)) return t;  // nothing to lead: a marriage pending without its pair
    auto kez = st.kezek[kJatekos];
    if (h.csere)
        for (Kartya& c : kez)
            if (c == kartya(st.adu, Also)) c = st.adulap;
    const int szin = st.husz || st.negyven ? 0 : eros::bemondottSzin(kez, h.lap);
    t.csere = h.csere;
    t.takaras = h.takar;
    t.bemondas = szin == 0 ? 0 : szin == st.adu ? 40 : 20;
    t.lap = h.lap;
    if (t.bemondas != 0 && pontjai(kJatekos) + t.bemondas >= 66) {
        t.kesz = true;
        t.lap = 0;
        t.takaras = false;  // the announcement ends the deal: nothing left to close for
        // The exchange only matters when it completes the marriage.
        if (parokat(st.kezek[kJatekos]).megvan(szin)) t.csere = false;
    }
    return t;
}

namespace {

// A card's name as the object of the sentence: "a Zöld ászt", "a Piros tizet".
std::string targyeset(Kartya c) {
    static constexpr const char* szinek[] = {"", "Piros", "Makk", "Tök", "Zöld"};
    static constexpr const char* rangok[] = {"", "ászt", "tizet", "királyt", "felsőt", "alsót"};
    return std::string("a ") + szinek[szinje(c)] + " " + rangok[rangja(c)];
}

}  // namespace

// One short sentence: the steps before the card in the order they are made, then the card.
std::string tippSzoveg(const Tipp& t, bool hiv) {
    if (!t.kesz && !ervenyes(t.lap)) return {};
    std::string s = "Tipp: ";
    if (t.csere) s += "cseréld az adut, ";
    if (t.takaras) s += "takard be a talont, ";
    if (t.bemondas != 0) s += t.bemondas == 40 ? "mondj 40-et, " : "mondj 20-at, ";
    const bool elotte = t.csere || t.takaras || t.bemondas != 0;
    if (t.kesz) return s + (elotte ? "majd Kész." : "Kész, megvan a 66.");
    return s + (elotte ? "majd hívd " : hiv ? "hívd " : "rakd ") + targyeset(t.lap) + ".";
}

}  // namespace tarolas
