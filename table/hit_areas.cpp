#include "hit_areas.h"

#include <cmath>

#include "game/cards.h"
#include "forditas.h"

namespace tarolas {

// The mixed arithmetic below follows the redraw's types: whole-twip positions, a single-precision
// card height and table height, a double-precision card width.

std::int32_t kezhezag(const Geometria& g) {
    const double hezag = std::nearbyint(static_cast<double>(g.laptavolsag) - g.lapszelesseg);
    return hezag < 0 ? 0 : static_cast<std::int32_t>(hezag);
}

KezTalalat kezTalalat(const Geometria& g, float H, const std::array<Kartya, 5>& kez, float x, float y) {
    KezTalalat t;
    const float h = g.lapmagassag;
    if (!(y > H - h - 100.0f && y < H - 100.0f)) return t;

    const std::int64_t L = g.kezkezdet;
    const std::int64_t S = g.laptavolsag;
    const std::int64_t gap = kezhezag(g);
    const double X = x;
    const double w = g.lapszelesseg;

    int sav = -1;
    for (int j = 0; j < 4 && sav < 0; ++j) {
        if (X > static_cast<double>(L + j * S) && X < static_cast<double>(L + (j + 1) * S - gap)) sav = j;
    }
    if (sav < 0 && X > static_cast<double>(L + 4 * S) && X < static_cast<double>(L + 4 * S) + w) sav = 4;
    if (sav < 0) return t;

    if (kez[sav] != 0) {
        t.slot = sav;
    } else if (sav == 0) {
        t.ures0 = true;
    } else {
        for (int j = sav - 1; j >= 0; --j) {
            if (kez[j] != 0 && X < static_cast<double>(L + j * S) + w) {
                t.slot = j;
                break;
            }
        }
    }
    return t;
}

bool aduTerulet(const Geometria& g, float H, float x, float y) {
    const float h = g.lapmagassag;
    const float fel = H / 2.0f;
    return y > fel - h / 2.0f && y < fel && x > h / 4.0f && static_cast<double>(x) < static_cast<double>(h / 4.0f) + g.lapszelesseg;
}

bool talonTerulet(const Geometria& g, float H, int talonszam, float x, float y) {
    const float teteje = H / 2.0f + static_cast<float>(6 * talonszam);
    const int bal = 2 * talonszam + 100;
    return y > teteje && static_cast<double>(y) < static_cast<double>(teteje) + g.lapszelesseg &&
           x > static_cast<float>(bal) && x < static_cast<float>(bal) + g.lapmagassag;
}

bool vittTerulet(const Geometria& g, float H, int oldal, int darab, float x, float y) {
    const int bal = 100 + 6 * darab;
    if (!(x > static_cast<float>(bal) && static_cast<double>(x) < bal + g.lapszelesseg)) return false;
    const float h = g.lapmagassag;
    if (oldal == kGep) {
        const int teteje = 120 - 2 * darab;
        return y > static_cast<float>(teteje) && y < static_cast<float>(teteje) + h;
    }
    const float alja = H - 120.0f - static_cast<float>(2 * darab);
    return y > alja - h && y < alja;
}

std::string vittSugo(const GameState& st, int oldal) {
    const Lista& vitt = oldal == kGep ? st.gepvittlapok : st.jatekosvittlapok;
    return kitolt(forditas("Asztal", "Vitt lapok értéke: %1   Bemondás: %2 "),
                  {std::to_string(pontosszeg(vitt)), std::to_string(st.bemondas[static_cast<std::size_t>(oldal)])});
}

std::string sugo(const GameState& st, const Geometria& g, float H, float x, float y) {
    std::string szoveg;
    const KezTalalat kt = kezTalalat(g, H, st.kezek[kJatekos], x, y);
    if (kt.slot >= 0) szoveg = kitolt(forditas("Asztal", "%1 választása "), {lapnev(st.kezek[kJatekos][kt.slot])});
    if (st.asztal.empty() && !st.takart && st.talonszam > 0) {
        if (aduTerulet(g, H, x, y)) szoveg = forditas("Asztal", "Talon alján levő lap cseréje adu alsóra ");
        if (talonTerulet(g, H, st.talonszam, x, y)) szoveg = forditas("Asztal", "A talon letakarása ");
    }
    const int u0 = static_cast<int>(st.gepvittlapok.size());
    const int u1 = static_cast<int>(st.jatekosvittlapok.size());
    if (vittTerulet(g, H, kGep, u0, x, y)) szoveg = vittSugo(st, kGep);
    if (vittTerulet(g, H, kJatekos, u1, x, y)) szoveg = vittSugo(st, kJatekos);
    return szoveg;
}

}  // namespace tarolas
