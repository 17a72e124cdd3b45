// Whole matches against the computer through the procedures the window calls, checked at every step.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <tuple>
#include <utility>

#include "simulation/scripted_player.h"

namespace tarolas {
namespace {

constexpr int kLeosztasok = 30'000;  // well under a minute even with the sanitizers
constexpr char kErtek[] = "\rÉrtéke: ";

auto mezok(const GameState& s) {
    return std::tie(s.kezek, s.kiadottlapok, s.talonszam, s.adulap, s.adu, s.tet, s.asztal, s.gepvittlapok,
                    s.jatekosvittlapok, s.soron, s.takart, s.bemondas, s.husz, s.negyven, s.tarolas, s.tarolashato,
                    s.egyseg);
}

bool tetlen(const GameState& st) { return st.soron == 0 && st.kezben(kGep) + st.kezben(kJatekos) == 0; }

// Plays the player, answers the boxes and checks what only the window sees.
struct Szimulacio : test::Meccs {
    explicit Szimulacio(std::uint32_t s) : Meccs(s, s ^ 0x9E3779B9u) {
        jatek.setFigyelo([this](const Esemeny& e) { figyel(e); });
    }
    int ikonos = 0;
    int utesek = 0, huzasok = 0;          // reported this deal
    std::set<std::string> indokok;        // the reasons seen on the score sheets
    std::array<std::int16_t, 2> elozo{};  // the match score before this deal
    bool vegeJon = false;                 // a side has 7: the match-over question must come next

    void lep() {
        const GameState elotte = st;
        const int ikon = ikonos;
        const unsigned r = rng() % 100;
        if (tetlen(st) || r >= 6) {
            test::egyetLep(jatek, rng);
            ellenoriz(mezok(elotte) != mezok(st), "an allowed move is taken");
        } else {
            // A move the rules refuse changes nothing; some get a box that says why.
            const std::vector<int> rossz = test::jatszhatoHelyek(st, false);
            int uzenet = 0;
            if (r < 3 && !rossz.empty()) {
                uzenet = st.husz || st.negyven ? 0 : 1;
                jatek.kijatszas(rossz[rng() % rossz.size()]);
            } else if (!jatek.talonbanJatszik()) {
                r % 2 ? jatek.talontakaras() : jatek.adulapcsere();
            } else if (!test::aduAlsoKezben(st)) {
                uzenet = 1;
                jatek.adulapcsere();
            }
            ellenoriz(mezok(elotte) == mezok(st) && ikonos - ikon == uzenet, "a refused move changes nothing");
        }
        ellenoriz(st.mindenLapMegvan() && !(st.husz && st.negyven), "every card in one place, one marriage at most");
        if (tetlen(st)) return ellenoriz(!vegeJon, "the match-over question came at 7");
        ellenoriz(st.egyseg[0] < 7 && st.egyseg[1] < 7 && st.soron == kJatekos && st.asztal.size() <= 1 &&
                      !test::jatszhatoHelyek(st).empty(),
                  "in a match below 7 the player is to move and can");
    }

    // Every trick and every card drawn is reported once; an exchange only as it happens.
    void figyel(const Esemeny& e) {
        if (e.mi == Tortent::Osztas) utesek = huzasok = 0;
        utesek += e.mi == Tortent::Utes;
        huzasok += e.mi == Tortent::Huzas;
        if (e.mi == Tortent::Csere)
            ellenoriz(st.adulap == e.masik && std::ranges::count(st.kezek[e.ki], e.lap) == 1, "a true exchange");
        if (e.mi == Tortent::JatszmaVege)
            ellenoriz(2 * utesek == static_cast<int>(st.gepvittlapok.size() + st.jatekosvittlapok.size()) &&
                          huzasok == static_cast<int>(st.kiadottlapok.size()) - 11 + (st.adulap == 0),
                      "one event a trick and a card drawn");
    }

    void ujrarajzol() override {
        ellenoriz(st.mindenLapMegvan() && st.asztal.size() <= 2 && !(st.husz && st.negyven), "a sound table at a redraw");
    }
    void doEvents() override {
        if (st.soron == kGep && st.asztal.size() == 1) ellenoriz(jatek.pontjai(kGep) < 66, "the computer leads below 66");
    }
    MsgResult messageBox(const std::string& text, MsgButtons b, bool icon) override {
        ikonos += icon;
        if (b == MsgButtons::YesNo) {
            ellenoriz(std::exchange(vegeJon, false), "the match-over question only when a side has 7");
            elozo = {0, 0};
            return rng() % 2 ? MsgResult::Yes : MsgResult::No;
        }
        const auto ertek = text.find(kErtek);
        if (ertek == std::string::npos) return MsgResult::Ok;

        // A score sheet: the deal's units go to the side it names first, to both on a draw.
        ++leosztasok;
        const int n = std::atoi(text.c_str() + ertek + sizeof kErtek - 1);
        const bool gep = !text.starts_with("Te "), jatekos = !text.starts_with("A számítógép");
        ellenoriz((n == 1 || n == 2 || n == 3 || n == 6) && st.egyseg[0] - elozo[0] == gep * n &&
                      st.egyseg[1] - elozo[1] == jatekos * n,
                  "a deal's 1, 2, 3 or 6 units go to its winner");
        const auto indok = text.rfind('\r', ertek - 1) + 1;
        indokok.insert(text.substr(indok, ertek - indok));
        elozo = st.egyseg;
        vegeJon = st.egyseg[0] >= 7 || st.egyseg[1] >= 7;
        return MsgResult::Ok;
    }
};

// The strong opponent is slower: fewer deals, a lighter search, the same checks.
TEST(MatchSimulation, WholeMatchesKeepEveryCardAndScoreConsistentWithEitherComputer) {
    const char* mag = std::getenv("TAROLAS_SIM_SEED");
    for (const bool eros : {false, true}) {
        Szimulacio sim{mag ? static_cast<std::uint32_t>(std::strtoul(mag, nullptr, 10)) : 20240521u};
        sim.jatek.setErosGep(eros);
        if (eros) sim.jatek.erosBeallitas() = {sim.seed, 3, 2};
        sim.vegig(eros ? 300 : kLeosztasok, [&sim] { sim.lep(); });
        EXPECT_EQ(sim.hiba, "") << (eros ? "strong" : "fixed-rule");
        if (!eros) {
            EXPECT_EQ(sim.indokok.size(), 8u) << "seed " << sim.seed << ": not every way of scoring a deal came up";
        }
    }
}

}  // namespace
}  // namespace tarolas
