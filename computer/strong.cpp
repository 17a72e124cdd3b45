#include "computer/strong.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "computer/search_model.h"

namespace tarolas::eros {

using modell::Allas;
using modell::Lapok;
using modell::bit;
using modell::kNincs;

namespace {

constexpr int kVegtelen = std::numeric_limits<int>::max() / 2;
constexpr int kEgyseg = 200;  // one game unit; points ahead only break ties between equal results

std::uint64_t kever(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// What side `en` sees: the position with the other hand and the talon left empty, the cards it
// cannot place, and those of them the other side is known to hold.
struct Latvany {
    int en = kGep;
    Allas allas;
    Lapok rejtett = 0;
    Lapok ismert = 0;
    Lapok kizart = 0;  // hidden cards the other side cannot hold: they lie in the talon
    int masikKeze = 0;

    std::uint64_t ujjlenyomat() const {
        std::uint64_t h = 0x243F6A8885A308D3ull;
        auto add = [&](std::uint64_t v) {
            h ^= v;
            kever(h);
        };
        const Allas& a = allas;
        add(a.kez[en]);
        add(rejtett);
        add(ismert);
        add(kizart);
        add(static_cast<std::uint64_t>(masikKeze) | static_cast<std::uint64_t>(a.talonszam) << 8 |
            static_cast<std::uint64_t>(a.adulap + 1) << 16 | static_cast<std::uint64_t>(a.adu) << 24 |
            static_cast<std::uint64_t>(a.soron) << 32 | static_cast<std::uint64_t>(a.tet + 1) << 40 |
            static_cast<std::uint64_t>(a.takart) << 48 | static_cast<std::uint64_t>(a.tarolas[0]) << 49 |
            static_cast<std::uint64_t>(a.tarolas[1]) << 50);
        add(static_cast<std::uint64_t>(a.vitt[0]) | static_cast<std::uint64_t>(a.vitt[1]) << 16 |
            static_cast<std::uint64_t>(a.bemondas[0]) << 32 | static_cast<std::uint64_t>(a.bemondas[1]) << 48);
        return h;
    }
};

Lapok lapjai(const Lista& l) {
    Lapok m = 0;
    for (Kartya c : l) m |= bit(modell::indexe(c));
    return m;
}

// Only the fields named here are read; the other side's hand is read for its count alone.
Latvany latvany(const GameState& st, int en) {
    Latvany v;
    v.en = en;
    GameState nyilt;
    nyilt.kezek[en] = st.kezek[en];
    nyilt.adulap = st.adulap;
    nyilt.adu = st.adu;
    nyilt.soron = st.soron;
    nyilt.asztal = st.asztal;
    nyilt.gepvittlapok = st.gepvittlapok;
    nyilt.jatekosvittlapok = st.jatekosvittlapok;
    nyilt.takart = st.takart;
    nyilt.bemondas = st.bemondas;
    nyilt.tarolas = st.tarolas;
    v.allas = modell::allasbol(nyilt, {});
    v.allas.talonszam = static_cast<std::int8_t>(st.talonszam);
    v.masikKeze = st.kezben(1 - en);

    Lapok latott = v.allas.kez[en] | lapjai(st.asztal) | lapjai(st.gepvittlapok) | lapjai(st.jatekosvittlapok);
    if (st.adulap != 0) latott |= bit(modell::indexe(st.adulap));
    v.rejtett = ~latott & ((Lapok{1} << 20) - 1);
    v.ismert = lapjai(en == kGep ? st.jatekosMutatta : st.gepMutatta) & v.rejtett;
    v.kizart = lapjai(en == kGep ? st.jatekosnakNincs : st.gepnekNincs) & v.rejtett & ~v.ismert;
    return v;
}

// One guess of the hidden cards: the known ones in the other hand, the rest shuffled.
Allas minta(const Latvany& v, std::uint64_t& rng) {
    std::array<std::int8_t, 20> szabad{};
    int n = 0;
    for (int i = 0; i < 20; ++i)
        if ((v.rejtett & ~v.ismert) & bit(i)) szabad[n++] = static_cast<std::int8_t>(i);
    for (int i = n - 1; i > 0; --i) std::swap(szabad[i], szabad[kever(rng) % static_cast<std::uint64_t>(i + 1)]);
    std::stable_partition(szabad.begin(), szabad.begin() + n, [&](std::int8_t i) { return !(v.kizart & bit(i)); });

    // The cards it cannot hold come last, so they go to the talon.
    Allas a = v.allas;
    const int masik = 1 - v.en;
    a.kez[masik] = v.ismert;
    const int talonba = std::min<int>(v.allas.talonszam, n);
    for (int k = 0; k < n - talonba; ++k) a.kez[masik] |= bit(szabad[k]);
    a.talonszam = 0;
    for (int k = n - talonba; k < n; ++k) a.talon[a.talonszam++] = szabad[k];
    return a;
}

int vegErtek(const Allas& a) {
    const int elony = std::clamp(a.pontja(kGep) - a.pontja(kJatekos), -99, 99);
    return modell::egysegek(a) * kEgyseg + elony;
}

// Below the search horizon: points ahead, plus trumps and aces still in hand.
constexpr Lapok kAszok = bit(modell::indexe(11)) | bit(modell::indexe(21)) | bit(modell::indexe(31)) | bit(modell::indexe(41));

int becsles(const Allas& a) {
    int e = a.pontja(kGep) - a.pontja(kJatekos);
    for (int oldal = 0; oldal < 2; ++oldal) {
        const int elojel = oldal == kGep ? 1 : -1;
        e += elojel * 6 * modell::darab(a.kez[oldal] & modell::szinLapjai(a.adu));
        e += elojel * 4 * modell::darab(a.kez[oldal] & kAszok);
    }
    return std::clamp(e, -150, 150);
}

bool parLapja(const Allas& a, int oldal, int lap) {
    const int r = lap % 5 + 1;
    return (r == Kiraly || r == Felso) && a.parjai(oldal)[modell::szine(lap)];
}

// A lead of `lap`, announcing its marriage; true when the announcement reaches 66 and ends the deal.
bool hiv(Allas& a, int lap) {
    const int s = a.soron;
    if (parLapja(a, s, lap)) {
        modell::bemond(a, s, modell::szine(lap));
        if (a.pontja(s) >= 66) {
            modell::befejez(a, s);
            return true;
        }
    }
    modell::kijatszik(a, lap);
    return false;
}

struct Kereso {
    int melyseg = 0;

    // Cards in the order worth trying: tricks won cheaply, then cheap cards, for the answer; the
    // strongest cards first for a lead.
    int sorrend(const Allas& a, Lapok lapok, std::array<std::int8_t, 5>& ki) const {
        int n = 0;
        std::array<int, 5> kulcs{};
        for (Lapok l = lapok; l; l &= l - 1) {
            const int lap = std::countr_zero(l);
            int k;
            if (a.tet == kNincs) {
                k = -modell::erteke(lap) + (modell::szine(lap) == a.adu ? 8 : 0);
            } else {
                const bool nyer = modell::szine(lap) == modell::szine(a.tet) ? lap < a.tet : modell::szine(lap) == a.adu;
                k = (nyer ? 0 : 100) + modell::erteke(lap) + (modell::szine(lap) == a.adu ? 5 : 0);
            }
            int j = n++;
            while (j > 0 && kulcs[j - 1] > k) {
                kulcs[j] = kulcs[j - 1];
                ki[j] = ki[j - 1];
                --j;
            }
            kulcs[j] = k;
            ki[j] = static_cast<std::int8_t>(lap);
        }
        return n;
    }

    int ertek(const Allas& a0, int alfa, int beta, int utesek) {
        if (a0.vege()) return vegErtek(a0);
        Allas a = a0;
        const int s = a.soron;
        if (a.tet == kNincs) {
            if (melyseg > 0 && utesek >= melyseg && !a.szigoru()) return becsles(a);
            if (a.cserelhet(s)) modell::cserel(a, s);
            if (a.pontja(s) >= 66) {
                modell::befejez(a, s);
                return vegErtek(a);
            }
        }
        const Lapok lapok = a.tet == kNincs ? a.kez[s] : modell::valaszthato(a);
        std::array<std::int8_t, 5> ki{};
        const int n = sorrend(a, lapok, ki);
        const bool max = s == kGep;
        int legjobb = max ? -kVegtelen : kVegtelen;
        for (int k = 0; k < n; ++k) {
            Allas b = a;
            int v;
            if (b.tet == kNincs) v = hiv(b, ki[k]) ? vegErtek(b) : ertek(b, alfa, beta, utesek);
            else {
                modell::kijatszik(b, ki[k]);
                v = ertek(b, alfa, beta, utesek + 1);
            }
            if (max) {
                legjobb = std::max(legjobb, v);
                alfa = std::max(alfa, v);
            } else {
                legjobb = std::min(legjobb, v);
                beta = std::min(beta, v);
            }
            if (alfa >= beta) break;
        }
        return legjobb;
    }
};

// A move at the top: exchange first or not, close the talon or not, then the card.
struct Valasztas {
    bool csere = false;
    bool takar = false;
    int lap = kNincs;
};

// The király and felső of the marriages a pending 20 (or 40) may be led from.
Lapok fuggoLapjai(const Allas& a, int oldal, bool negyven) {
    Lapok l = 0;
    const auto parok = a.parjai(oldal);
    for (int s = 1; s <= 4; ++s)
        if (parok[s] && (s == a.adu) == negyven) l |= bit(modell::indexe(kartya(s, Kiraly))) | bit(modell::indexe(kartya(s, Felso)));
    return l;
}

Valasztas legjobb(const GameState& st, const Beallitas& b, int en) {
    const Latvany v = latvany(st, en);
    std::vector<Valasztas> jeloltek;
    const bool hivo = v.allas.tet == kNincs;
    // Only the player leads with a marriage already announced: it counts, and one of its cards must follow.
    const bool fuggo = hivo && en == kJatekos && (st.husz || st.negyven);
    // Closing is the player's alone, before its lead while face-down cards are left. Once closed
    // the talon's cards never come into play, so the search below runs to the end of the deal.
    const bool takarhat = hivo && en == kJatekos && b.takarhat && !v.allas.takart && v.allas.talonszam > 0;
    if (hivo) {
        // Playing on comes before closing, so a tie keeps the talon open.
        for (bool takar : {false, true}) {
            if (takar && !takarhat) continue;
            for (bool csere : {true, false}) {
                if (csere && !v.allas.cserelhet(en)) continue;
                Allas a = v.allas;
                if (csere) modell::cserel(a, en);
                const Lapok lapok = fuggo ? a.kez[en] & fuggoLapjai(a, en, st.negyven) : a.kez[en];
                for (Lapok l = lapok; l; l &= l - 1) jeloltek.push_back({csere, takar, std::countr_zero(l)});
            }
        }
    } else {
        for (Lapok l = modell::valaszthato(v.allas); l; l &= l - 1) jeloltek.push_back({false, false, std::countr_zero(l)});
    }
    if (jeloltek.size() <= 1) return jeloltek.empty() ? Valasztas{} : jeloltek[0];

    std::vector<long> osszeg(jeloltek.size(), 0);
    std::vector<int> nyer(jeloltek.size(), 0);  // guessed deals in which the move wins the deal
    std::uint64_t rng = b.mag ^ v.ujjlenyomat();
    kever(rng);
    // With nothing hidden one deal is the whole truth.
    const int mintak = v.rejtett == v.ismert ? 1 : std::max(1, b.mintak);
    Kereso kereso{b.melyseg};
    // The side's own score of a candidate in one guessed deal.
    const auto ertekel = [&](const Valasztas& jelolt, Allas c) {
        if (jelolt.csere) modell::cserel(c, en);
        if (jelolt.takar) modell::takar(c);
        int e;
        if (hivo && !fuggo) e = hiv(c, jelolt.lap) ? vegErtek(c) : kereso.ertek(c, -kVegtelen, kVegtelen, 0);
        else {
            modell::kijatszik(c, jelolt.lap);
            e = kereso.ertek(c, -kVegtelen, kVegtelen, hivo ? 0 : 1);
        }
        // The search scores from the computer's side; the player's seat wants the least.
        return en == kGep ? e : -e;
    };
    for (int m = 0; m < mintak; ++m) {
        const Allas a = minta(v, rng);
        for (std::size_t j = 0; j < jeloltek.size(); ++j) {
            const int sajat = ertekel(jeloltek[j], a);
            osszeg[j] += sajat;
            nyer[j] += sajat > kEgyseg / 2;
        }
    }
    // Ties go to the first candidate: open before closed, the exchange before none, a stronger card
    // before a weaker.
    std::size_t best = 0, nyitott = 0;
    // Each guessed deal is solved with every card in sight, which flatters the closed game most of
    // all: its play is searched to the end, the open one only to an estimate. So a close counts
    // only when it wins the deal in every guess, as a player closes who can count the 66.
    for (std::size_t j = 1; j < jeloltek.size(); ++j) {
        if (osszeg[j] > osszeg[best] && (!jeloltek[j].takar || nyer[j] == mintak)) best = j;
        if (osszeg[j] > osszeg[nyitott] && !jeloltek[j].takar) nyitott = j;
    }
    // And it must hold in three times as many guesses again: the more cards unseen, the likelier a
    // few guesses all miss the hand that beats it.
    if (jeloltek[best].takar && mintak > 1)
        for (int m = 0; m < 3 * mintak; ++m)
            if (ertekel(jeloltek[best], minta(v, rng)) <= kEgyseg / 2) return jeloltek[nyitott];
    return jeloltek[best];
}

}  // namespace

int bemondottSzin(const std::array<Kartya, 5>& kez, Kartya lap) {
    if (rangja(lap) != Kiraly && rangja(lap) != Felso) return 0;
    const Parok p = parokat(kez);
    return p.megvan(szinje(lap)) ? szinje(lap) : 0;
}

Hivas hivas(const GameState& st, const Beallitas& b, int en) {
    const Valasztas v = legjobb(st, b, en);
    return {v.csere, modell::kodja(v.lap), v.takar};
}

Kartya valasz(const GameState& st, const Beallitas& b, int en) { return modell::kodja(legjobb(st, b, en).lap); }

}  // namespace tarolas::eros
