#pragma once

// Pieces for playing whole matches headless: a repeatable card source, the rules a player's card
// must meet written out independently of the game's own checks, and a plain scripted player.

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "game/jatek.h"

namespace tarolas::test {

using Kez = std::array<Kartya, 5>;

// The dealer's numbers from a seeded generator instead of the clock, so a run repeats exactly.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : gen_(seed) {}
    void reseedFromClock() override {}
    float next() override { return static_cast<float>(gen_() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 gen_;
};

// May `c` from hand `kez` answer `tet` once following is compulsory: follow suit and beat if the
// suit can beat, else trump if possible, else anything.
inline bool koveti(const Kez& kez, Kartya c, Kartya tet, int adu) {
    bool szin = false, felul = false, vanAdu = false;
    for (Kartya h : kez) {
        if (h == 0) continue;
        if (szinje(h) == szinje(tet)) {
            szin = true;
            felul = felul || rangja(h) < rangja(tet);
        }
        vanAdu = vanAdu || szinje(h) == adu;
    }
    if (szin) return szinje(c) == szinje(tet) && (!felul || rangja(c) < rangja(tet));
    if (vanAdu) return szinje(c) == adu;
    return true;
}

// Is `c` a király or felső of a marriage held in `kez`, of the trump suit for a 40 and of another
// suit for a 20?
inline bool hazassagLapja(const Kez& kez, Kartya c, int adu, bool negyven) {
    if (rangja(c) != Kiraly && rangja(c) != Felso) return false;
    if ((szinje(c) == adu) != negyven) return false;
    const Kartya par = kartya(szinje(c), rangja(c) == Kiraly ? Felso : Kiraly);
    for (Kartya h : kez)
        if (h == par) return true;
    return false;
}

// The slots the player may play now, by the rules as the table enforces them.
inline std::vector<int> jatszhatoHelyek(const GameState& st) {
    const auto& kez = st.kezek[kJatekos];
    const bool szigoru = st.talonszam == 0 || st.takart;
    std::vector<int> helyek;
    for (int i = 0; i < 5; ++i) {
        const Kartya c = kez[i];
        if (c == 0) continue;
        bool jo = true;
        if (st.husz || st.negyven) jo = hazassagLapja(kez, c, st.adu, st.negyven);
        else if (!st.asztal.empty() && szigoru) jo = koveti(kez, c, st.tet, st.adu);
        if (jo) helyek.push_back(i);
    }
    return helyek;
}

inline bool aduAlsoKezben(const GameState& st) {
    for (Kartya c : st.kezek[kJatekos])
        if (c == kartya(st.adu, Also)) return true;
    return false;
}

// One move of a plain player that announces what it is offered, exchanges when it can, closes the
// talon now and then and otherwise plays a random allowed card. Starts a match when idle.
inline void egyetLep(Jatek& jatek, std::mt19937& rng) {
    GameState& st = jatek.st;
    if (st.soron != kJatekos) {
        jatek.ujjatek_Click();
        return;
    }
    if (st.asztal.empty()) {
        const auto gombok = offeredButtons(st);
        if (gombok[3]) return jatek.Command1_Click(3);
        if (gombok[1]) return jatek.Command1_Click(1);
        if (gombok[2]) return jatek.Command1_Click(2);
        if (jatek.talonbanJatszik()) {
            if (aduAlsoKezben(st)) return jatek.adulapcsere();
            if (rng() % 16 == 0) return jatek.talontakaras();
        }
    }
    const std::vector<int> helyek = jatszhatoHelyek(st);
    jatek.kijatszas(helyek[rng() % helyek.size()]);
}

}  // namespace tarolas::test
