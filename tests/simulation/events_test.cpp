// What the game reports as it happens: one seeded deal, event by event.

#include <gtest/gtest.h>

#include "simulation/scripted_player.h"

namespace tarolas {
namespace {

// "what who card card value", side 0 the computer, 1 the player; a deal adds the hand, its end
// the reason and the match score.
std::string leiras(const Esemeny& e) {
    static constexpr const char* nevek[] = {"Osztas", "Huzas", "Hivas", "Valasz", "Bemondas", "Csere", "Takaras",
                                            "Tarolas", "Utes", "Kesz", "JatszmaVege", "MeccsVege"};
    std::string t = nevek[static_cast<int>(e.mi)] + (' ' + std::to_string(e.ki));
    for (int v : {e.lap, e.masik, static_cast<Kartya>(e.ertek), e.kez[0], e.kez[1], e.kez[2], e.kez[3], e.kez[4]})
        if (v != 0) t += ' ' + std::to_string(v);
    if (!e.indok.empty()) t += ", " + e.indok + ", " + std::to_string(e.egyseg[0]) + '-' + std::to_string(e.egyseg[1]);
    return t;
}

TEST(Events, OneSeededDealInOrderAndNoExchangeAtANewMatch) {
    test::FakePlatform ablak;
    test::SeededRandom lapok{10635};
    Jatek jatek{ablak, lapok};
    std::vector<std::string> esemenyek;
    bool jatszmaVege = false, meccsVege = false;
    jatek.setFigyelo([&](const Esemeny& e) {
        esemenyek.push_back(leiras(e));
        jatszmaVege |= e.mi == Tortent::JatszmaVege;
        meccsVege |= e.mi == Tortent::MeccsVege;
    });
    std::mt19937 rng{10635};
    jatek.Form_Load();
    jatek.ujjatek_Click();
    while (!jatszmaVege) test::egyetLep(jatek, rng);
    // Zöld is trump. Codes: suit 1 Piros, 2 Makk, 3 Tök, 4 Zöld; rank 1 ász, 2 tíz, 3 király, 4 felső, 5 alsó.
    const std::vector<std::string> vart{
        "Osztas 1 42 34 21 12 22 31",
        "Hivas 1 12", "Valasz 0 11", "Utes 0 12 11 21", "Huzas 0", "Huzas 1 41",  // the winner draws first
        "Bemondas 0 43 44 40", "Hivas 0 44",  // 40 + 21 is not yet 66: a card of the marriage is led
        "Valasz 1 41", "Utes 1 44 41 14", "Huzas 1 45", "Huzas 0",
        "Csere 1 42 45", "Takaras 1",                      // the alsó just drawn buys the trump tíz
        "Hivas 1 34", "Valasz 0 32", "Utes 0 34 32 13",    // closed: the computer must beat
        "Bemondas 0 23 24 20", "Kesz 0",                   // 60 + 34 points: it ends the deal
        "JatszmaVege 0 2, Az ellenfél 'macsban' maradt, 2-0",  // the player has 14
        "Osztas 1 31 32 24 35 23 34"};
    EXPECT_EQ(esemenyek, vart);

    // The match played out and refused again; a new one reports its deal and nothing else, wherever the old cards lie.
    while (!meccsVege) test::egyetLep(jatek, rng);
    esemenyek.clear();
    test::egyetLep(jatek, rng);
    ASSERT_EQ(esemenyek.size(), 1u);
    EXPECT_EQ(esemenyek[0].rfind("Osztas", 0), 0u);
}

}  // namespace
}  // namespace tarolas
