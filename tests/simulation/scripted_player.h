#pragma once

// Pieces for playing whole matches headless: a repeatable card source, which cards the player may
// play (by the search model, not the game's own checks), and a plain scripted player.

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "computer/search_model.h"
#include "computer/strong.h"
#include "fake_platform.h"

namespace tarolas::test {

// The dealer's numbers from a seeded generator instead of the clock, so a run repeats exactly.
struct SeededRandom : RandomSource {
    std::mt19937 gen;
    explicit SeededRandom(std::uint32_t seed) : gen(seed) {}
    void reseedFromClock() override {}
    float next() override { return static_cast<float>(gen() >> 8) * (1.0f / 16777216.0f); }
};

// The player's slots the table accepts now, or with `elfogadja` false the ones it refuses: with a
// marriage pending the király or felső of one held (in trumps for a 40, else in another suit), else
// what the search model's following rule allows.
inline std::vector<int> jatszhatoHelyek(const GameState& st, bool elfogadja = true) {
    modell::Allas a = modell::allasbol(st, {});
    a.talonszam = static_cast<std::int8_t>(st.talonszam);
    const modell::Lapok szabad = st.asztal.empty() ? a.kez[kJatekos] : modell::valaszthato(a);
    std::vector<int> helyek;
    for (int i = 0; i < 5; ++i) {
        const Kartya c = st.kezek[kJatekos][i];
        if (c == 0) continue;
        const bool par = (rangja(c) == Kiraly || rangja(c) == Felso) && a.parjai(kJatekos)[szinje(c)];
        const bool jo = st.husz || st.negyven ? par && (szinje(c) == st.adu) == st.negyven
                                              : (szabad & modell::bit(modell::indexe(c))) != 0;
        if (jo == elfogadja) helyek.push_back(i);
    }
    return helyek;
}

inline bool aduAlsoKezben(const GameState& st) {
    const Kez& kez = st.kezek[kJatekos];
    return std::find(kez.begin(), kez.end(), kartya(st.adu, Also)) != kez.end();
}

// One move of a plain player: it starts a match when idle, mostly takes what the buttons offer,
// sometimes exchanges or closes the talon, and otherwise plays a random allowed card.
inline void egyetLep(Jatek& jatek, std::mt19937& rng) {
    GameState& st = jatek.st;
    if (st.soron != kJatekos) return jatek.ujjatek_Click();
    const auto gombok = offeredButtons(st);
    const unsigned r = rng() % 100;
    if (gombok[3] && r < 70) return jatek.Command1_Click(3);
    if (gombok[0] && r < 3) return jatek.Command1_Click(0);
    if ((gombok[1] || gombok[2]) && r < 60) return jatek.Command1_Click(gombok[1] && (!gombok[2] || r % 2) ? 1 : 2);
    if (jatek.talonbanJatszik() && aduAlsoKezben(st) && r < 40) return jatek.adulapcsere();
    if (jatek.talonbanJatszik() && r >= 97) return jatek.talontakaras();
    const std::vector<int> helyek = jatszhatoHelyek(st);
    jatek.kijatszas(helyek[rng() % helyek.size()]);
}

// A seeded match on a fake window, played until enough deals are scored; it keeps the first fault
// it is told of.
struct Meccs : FakePlatform {
    Meccs(std::uint32_t s, std::uint32_t lapmag) : seed(s), lapok(lapmag) {}
    std::uint32_t seed;
    std::mt19937 rng{seed};
    SeededRandom lapok;
    Jatek jatek{*this, lapok};
    GameState& st = jatek.st;
    std::string hiba;
    long lepes = 0;
    int leosztasok = 0;

    void ellenoriz(bool jo, const std::string& mi) {
        if (!jo && hiba.empty())
            hiba = "seed " + std::to_string(seed) + ", deal " + std::to_string(leosztasok) + ", step " +
                   std::to_string(lepes) + ": " + mi;
    }
    // Runs `lep` until `n` deals are scored or a fault turns up; stalling is a fault too.
    void vegig(int n, const std::function<void()>& lep) {
        jatek.Form_Load();
        for (; leosztasok < n && hiba.empty() && lepes < 100L * n; ++lepes) lep();
        ellenoriz(leosztasok >= n, "the matches make no progress");
    }
};

// A fresh game on `ablak` with seed `mag`, played by the plain player while `tovabb()` holds;
// `ablak.st` points at its state meanwhile.
template <class Ablak, class Tovabb>
void lejatszik(Ablak& ablak, std::uint32_t mag, Tovabb tovabb) {
    SeededRandom lapok{mag};
    Jatek jatek{ablak, lapok};
    ablak.st = &jatek.st;
    std::mt19937 rng{mag};
    jatek.Form_Load();
    while (tovabb()) egyetLep(jatek, rng);
    ablak.st = nullptr;
}

// The tables at the player's move (a card to lead or to answer) of a game the plain player plays.
inline std::vector<GameState> jatekosLepesei(std::uint32_t mag, std::size_t n) {
    struct Ablak : FakePlatform {
        GameState* st = nullptr;
    } ablak;
    std::vector<GameState> h;
    lejatszik(ablak, mag, [&] {
        if (ablak.st->soron == kJatekos && ablak.st->kezben(kJatekos) > 0 && ablak.st->asztal.size() < 2)
            h.push_back(*ablak.st);
        return h.size() < n;
    });
    return h;
}

// The same table with what side `oldal` cannot see dealt again: the other hand's unknown cards and
// the undealt ones shuffled among themselves, the deck's record following them.
inline GameState atkever(GameState st, int oldal, std::mt19937& rng) {
    const auto benne = [](const auto& l, Kartya c) { return std::find(l.begin(), l.end(), c) != l.end(); };
    const Lista& mutatta = oldal == kGep ? st.jatekosMutatta : st.gepMutatta;
    std::vector<Kartya> rejtett;
    for (int s = 1; s <= 4; ++s)
        for (int r = 1; r <= 5; ++r) {
            const Kartya c = kartya(s, r);
            if (c != st.adulap && !benne(st.asztal, c) && !benne(st.gepvittlapok, c) && !benne(st.jatekosvittlapok, c) &&
                !benne(mutatta, c) && !benne(st.kezek[oldal], c))
                rejtett.push_back(c);
        }
    std::vector<Kartya> uj = rejtett;
    std::shuffle(uj.begin(), uj.end(), rng);
    const auto helyett = [&](Kartya& c) {
        const auto it = std::find(rejtett.begin(), rejtett.end(), c);
        if (it != rejtett.end()) c = uj[static_cast<std::size_t>(it - rejtett.begin())];
    };
    for (Kartya& c : st.kezek[1 - oldal]) helyett(c);
    for (Kartya& c : st.kiadottlapok) helyett(c);
    return st;
}

// The tables the computer decides at: every answer, and every lead at its first pause, hands full.
struct Dontesek : FakePlatform {
    GameState* st = nullptr;
    std::vector<GameState> helyzetek;
    void gombbeallito() override {
        if (st->soron == kGep && st->asztal.size() == 1) helyzetek.push_back(*st);
    }
    void varakozas() override {
        if (st->soron == kGep && st->asztal.empty() && st->kezben(kGep) == st->kezben(kJatekos) && st->kezben(kGep) > 0 &&
            (st->talonszam == 0 || st->takart || st->kezben(kGep) == 5))
            helyzetek.push_back(*st);
    }
};

}  // namespace tarolas::test
