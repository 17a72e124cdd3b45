// A match taken up from its file plays on exactly as it would have: seeded matches, each saved after
// every action in turn, written, read back into a fresh game and played to the end.

#include <gtest/gtest.h>

#include "simulation/scripted_player.h"
#include "store/files.h"

namespace tarolas {
namespace {

// The card generator's own numbers without the clock, so its saved state is all there is to it.
struct Kevero : RandomSource {
    explicit Kevero(std::uint64_t mag) { beallit({mag, 0}); }
    void reseedFromClock() override {}
};

// Everything the player is shown or told, in order.
struct Nyom : test::FakePlatform {
    std::vector<std::string> sorok;
    MsgResult messageBox(const std::string& text, MsgButtons b, bool icon) override {
        sorok.push_back(text);
        return FakePlatform::messageBox(text, b, icon);
    }
};

struct Jatszo {
    Nyom ablak;
    Kevero lapok{0};
    Jatek jatek{ablak, lapok};
    std::mt19937 rng;
    bool vege = false;
    explicit Jatszo(std::uint32_t mag) : rng(mag) {
        jatek.setFigyelo([this](const Esemeny& e) {
            std::string s = std::to_string(static_cast<int>(e.mi)) + ' ' + std::to_string(e.ki) + ' ' +
                            std::to_string(e.lap) + ' ' + std::to_string(e.masik) + ' ' + std::to_string(e.ertek);
            ablak.sorok.push_back(s);
            vege = vege || e.mi == Tortent::MeccsVege;
        });
    }
    void vegig() {
        while (!vege) test::egyetLep(jatek, rng);
    }
};

TEST(Resume, EveryActionOfSeededMatchesPlaysOnWithTheSameTrace) {
    for (std::uint32_t mag = 1; mag <= 40; ++mag) {
        Jatszo egyben(mag);
        egyben.lapok.beallit({mag * 7919ull, 0});
        egyben.jatek.setErosGep(mag % 4 == 0);
        egyben.jatek.erosBeallitas() = {mag, 2, 1};  // a quick strong opponent is enough here
        egyben.jatek.Form_Load();
        egyben.jatek.ujjatek_Click();
        struct Pont {
            QByteArray fajl;
            std::mt19937 rng;
            std::size_t hossz;
        };
        std::vector<Pont> pontok;
        while (!egyben.vege) {
            const Pillanatkep kep = egyben.jatek.pillanatkep();
            ASSERT_TRUE(ertelmes(kep)) << "seed " << mag << " step " << pontok.size();
            pontok.push_back({meccsSzoveg({kep, {}}), egyben.rng, egyben.ablak.sorok.size()});
            test::egyetLep(egyben.jatek, egyben.rng);
        }
        for (std::size_t i = 0; i < pontok.size(); ++i) {
            const std::optional<Mentes> m = meccsbol(pontok[i].fajl);
            ASSERT_TRUE(m) << "seed " << mag << " step " << i;
            Jatszo ujra(0);
            ujra.jatek.folytat(m->kep);
            ujra.rng = pontok[i].rng;
            ujra.vegig();
            const std::vector<std::string> hatra(egyben.ablak.sorok.begin() + static_cast<std::ptrdiff_t>(pontok[i].hossz),
                                                 egyben.ablak.sorok.end());
            ASSERT_EQ(ujra.ablak.sorok, hatra) << "seed " << mag << " resumed after action " << i;
        }
    }
}

}  // namespace
}  // namespace tarolas
