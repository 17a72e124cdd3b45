// The hint: it reads nothing the player cannot see, and it is always a move the table accepts.

#include <gtest/gtest.h>

#include <tuple>

#include "computer/hint.h"
#include "simulation/scripted_player.h"

namespace tarolas {
namespace {

bool benne(const auto& lapok, Kartya c) { return std::find(lapok.begin(), lapok.end(), c) != lapok.end(); }

// Over the tables of plain games at the player's move: what the player is told of the computer's
// hand is true; the hint is the same whatever the computer holds; and carried out through the
// table's own procedures, every step is offered and the card is taken.
TEST(Hint, SameVisibleTableSameHintAndAlwaysAMoveTheTableAccepts) {
    std::mt19937 rng{7};
    int kulonbozo = 0;
    std::array<int, 5> fajtak{};  // exchanges, closes, announcements, Kész, answers
    for (std::uint32_t mag : {4u, 5u}) {
        for (const GameState& st : test::jatekosLepesei(mag, 200)) {
            for (Kartya c : st.gepnekNincs) EXPECT_FALSE(benne(st.kezek[kGep], c)) << megnevezo(c);
            for (Kartya c : st.gepMutatta)
                EXPECT_TRUE(benne(st.kezek[kGep], c) || benne(st.gepvittlapok, c) || benne(st.jatekosvittlapok, c) ||
                            benne(st.asztal, c)) << megnevezo(c);

            test::Proba p{st};
            Jatek& j = p.jatek;
            j.erosBeallitas().mag = mag;  // every kind of step turns up, whatever the clock
            const Tipp t = j.tipp();
            const std::string mi = tippSzoveg(t, st.asztal.empty());
            ASSERT_FALSE(mi.empty());
            j.st = test::atkever(st, kJatekos, rng);
            kulonbozo += j.st.kezek[kGep] != st.kezek[kGep];
            EXPECT_EQ(j.tipp(), t) << mi;
            j.st = st;

            if (t.csere) {
                ASSERT_TRUE(j.talonbanJatszik() && test::aduAlsoKezben(j.st)) << mi;
                j.adulapcsere();
            }
            if (t.takaras) {
                ASSERT_TRUE(j.talonbanJatszik()) << mi;
                j.talontakaras();
            }
            if (t.bemondas != 0) {
                ASSERT_TRUE(offeredButtons(j.st)[t.bemondas == 40 ? 1 : 2]) << mi;
                j.Command1_Click(t.bemondas == 40 ? 1 : 2);
            }
            fajtak[0] += t.csere;
            fajtak[1] += t.takaras;
            fajtak[2] += t.bemondas != 0;
            fajtak[3] += t.kesz;
            fajtak[4] += !st.asztal.empty();
            // Kész exactly when the table offers it at a lead.
            if (st.asztal.empty()) {
                EXPECT_EQ(t.kesz, offeredButtons(j.st)[3]) << mi;
            }
            if (t.kesz) {
                EXPECT_EQ(t.lap, 0) << mi;
                continue;
            }
            const auto& kez = j.st.kezek[kJatekos];
            const auto slot = std::find(kez.begin(), kez.end(), t.lap) - kez.begin();
            ASSERT_LT(slot, 5) << mi;
            EXPECT_EQ(j.laptetel(static_cast<int>(slot)), t.lap) << mi << " was refused";
        }
    }
    EXPECT_GT(kulonbozo, 100);
    for (int n : fajtak) EXPECT_GT(n, 0);
}

// Whole sentences for the cards' names as objects; TippInEnglish holds every other part to the core's words.
TEST(Hint, InWords) {
    const std::tuple<Tipp, bool, const char*> sorok[] = {
        {{false, true, 40, 41}, true, "Tipp: cseréld az adut, mondj 40-et, majd hívd a Zöld ászt."},
        {{false, false, 0, 22}, false, "Tipp: rakd a Makk tizet."},
        {{false, true, 20, 13, true}, true, "Tipp: cseréld az adut, takard be a talont, mondj 20-at, majd hívd a Piros királyt."},
    };
    for (const auto& [t, hiv, vart] : sorok) EXPECT_EQ(tippSzoveg(t, hiv), vart);
}

}  // namespace
}  // namespace tarolas
