// Whole matches against the computer, played headless through the same procedures the window
// calls, with the state checked after every step and at every redraw.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>

#include "fake_platform.h"
#include "simulation/scripted_player.h"

namespace tarolas {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kLeosztasok = 10'000;  // the sanitizers make every step many times dearer
#else
constexpr int kLeosztasok = 30'000;
#endif

int szambolVagy(const char* nev, int alap) {
    const char* v = std::getenv(nev);
    return v != nullptr ? std::atoi(v) : alap;
}

bool azonos(const GameState& a, const GameState& b) {
    return a.kezek == b.kezek && a.kiadottlapok == b.kiadottlapok && a.talonszam == b.talonszam &&
           a.adulap == b.adulap && a.adu == b.adu && a.tet == b.tet && a.asztal == b.asztal &&
           a.gepvittlapok == b.gepvittlapok && a.jatekosvittlapok == b.jatekosvittlapok && a.soron == b.soron &&
           a.takart == b.takart && a.bemondas == b.bemondas && a.husz == b.husz && a.negyven == b.negyven &&
           a.tarolas == b.tarolas && a.tarolashato == b.tarolashato && a.egyseg == b.egyseg;
}

std::string leiras(const GameState& st) {
    std::ostringstream o;
    auto lista = [&](const char* nev, const auto& l) {
        o << nev << ':';
        for (auto c : l) o << ' ' << c;
        o << '\n';
    };
    lista("gep kez", st.kezek[kGep]);
    lista("jatekos kez", st.kezek[kJatekos]);
    lista("asztal", st.asztal);
    lista("gep vitt", st.gepvittlapok);
    lista("jatekos vitt", st.jatekosvittlapok);
    o << "adu " << st.adu << " adulap " << st.adulap << " tet " << st.tet << " talonszam " << st.talonszam
      << " takart " << st.takart << " soron " << st.soron << " bemondas " << st.bemondas[0] << '/'
      << st.bemondas[1] << " husz " << st.husz << " negyven " << st.negyven << " egyseg " << st.egyseg[0] << ':'
      << st.egyseg[1] << '\n';
    return o.str();
}

bool tetlen(const GameState& st) { return st.soron == 0 && st.kezben(kGep) + st.kezben(kJatekos) == 0; }

// The window system of the simulation: it answers the message boxes and checks what the game does
// at the moments only the window sees (redraws, the computer's cards, the score sheets).
class Szimulacio : public test::FakePlatform {
public:
    explicit Szimulacio(std::uint32_t seed) : seed_(seed), rng_(seed), lapok_(seed ^ 0x9E3779B9u) {}

    void fut(int leosztasok);

    std::string hiba;  // the first fault found, with the seed and the step
    int leosztasok = 0;
    int meccsek = 0;
    std::map<std::string, int> indokok;  // reasons on the score sheets, counted
    int gepVegzett = 0;                   // deals the computer ended at 66
    int elutasitva = 0;                   // refused moves tried

private:
    bool ellenoriz(bool jo, const std::string& mi) {
        if (!jo && hiba.empty()) {
            std::ostringstream o;
            o << "seed " << seed_ << ", step " << lepes_ << ": " << mi << '\n' << leiras(st());
            hiba = o.str();
        }
        return jo;
    }
    GameState& st() { return jatek_.st; }
    bool esely(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int valamelyik(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

    void lep();
    void vezet();
    void valaszol();
    template <class F>
    void tilos(F lepes, int uzenet, const char* mi);
    void allapot(const char* mikor);

    void ujrarajzol() override;
    void felfordito(std::array<std::int16_t, 2> f) override;
    void gombbeallito() override;
    void doEvents() override;
    MsgResult messageBox(const std::string& text, MsgButtons b, bool icon) override;

    std::uint32_t seed_;
    std::mt19937 rng_;
    test::SeededRandom lapok_;
    Jatek jatek_{*this, lapok_};
    long lepes_ = 0;

    std::array<std::int16_t, 2> elozoEgyseg_{};
    bool kerdesJar_ = false;  // a side reached 7: the match-over question must come next
    int igenek_ = 0;          // "play again" answered Yes this many more times
    int uzenetek_ = 0;
    int ikonos_ = 0;

    // The computer's hand when it was asked to answer, to judge its card.
    std::optional<test::Kez> valaszElott_;
    int bemondottSzin_ = 0;  // the suit of the marriage the computer has just shown
};

void Szimulacio::fut(int cel) {
    jatek_.Form_Load();
    while (leosztasok < cel && hiba.empty()) {
        ++lepes_;
        lep();
        if (lepes_ > 200L * (cel + 10)) ellenoriz(false, "the matches make no progress");
    }
}

void Szimulacio::lep() {
    if (tetlen(st())) {
        igenek_ = valamelyik(3);
        elozoEgyseg_ = {0, 0};
        jatek_.ujjatek_Click();
        ellenoriz(st().egyseg == (std::array<std::int16_t, 2>{0, 0}) && st().soron == kJatekos,
                  "a new match starts at 0 : 0 with the player to lead");
        return allapot("after starting a match");
    }
    if (esely(0.0005)) {
        // "Új játék" in the middle of a match.
        elozoEgyseg_ = {0, 0};
        jatek_.ujjatek_Click();
        return allapot("after restarting the match");
    }
    ellenoriz(st().soron == kJatekos, "the player is to move between steps");
    if (st().asztal.empty()) vezet();
    else valaszol();
    allapot("after the step");
}

// Something the rules must refuse: the state stays exactly as it was, with `uzenet` refusal boxes.
template <class F>
void Szimulacio::tilos(F lepes, int uzenet, const char* mi) {
    ++elutasitva;
    const GameState elotte = st();
    const int ikonos = ikonos_;
    lepes();
    ellenoriz(azonos(elotte, st()), std::string("refused without a change: ") + mi);
    ellenoriz(ikonos_ - ikonos == uzenet, std::string("the refusal is explained as it should be: ") + mi);
}

void Szimulacio::vezet() {
    GameState& s = st();
    const auto gombok = offeredButtons(s);
    const std::vector<int> helyek = test::jatszhatoHelyek(s);

    if (gombok[3] && esely(0.7)) {
        ellenoriz(jatek_.pontjai(kJatekos) >= 66, "\"Kész\" only at 66");
        const int elotte = leosztasok;
        jatek_.Command1_Click(3);
        ellenoriz(leosztasok == elotte + 1, "\"Kész\" ends the deal");
        return;
    }
    if (gombok[0] && esely(0.03)) {
        jatek_.Command1_Click(0);
        ellenoriz(s.tarolas[kJatekos] && !offeredButtons(s)[0], "all tricks announced once");
        return;
    }
    if ((gombok[1] || gombok[2]) && esely(0.6)) {
        const int gomb = gombok[1] && (!gombok[2] || esely(0.5)) ? 1 : 2;
        const int bemondas = s.bemondas[kJatekos];
        jatek_.Command1_Click(gomb);
        const auto utana = offeredButtons(s);
        ellenoriz(gomb == 1 ? s.negyven : s.husz, "the announcement waits for its lead");
        ellenoriz(s.bemondas[kJatekos] == bemondas + (gomb == 1 ? 40 : 20), "the marriage counts at once");
        ellenoriz(!utana[1] && !utana[2], "no second marriage before the lead");
        return;
    }

    const bool talonnal = jatek_.talonbanJatszik();
    if (esely(0.04)) {
        // Moves the rules turn down.
        if (s.husz || s.negyven) {
            std::vector<int> rossz;
            for (int i = 0; i < 5; ++i)
                if (s.kezek[kJatekos][i] != 0 && !test::hazassagLapja(s.kezek[kJatekos], s.kezek[kJatekos][i], s.adu, s.negyven))
                    rossz.push_back(i);
            if (!rossz.empty())
                return tilos([&] { jatek_.kijatszas(rossz[valamelyik(static_cast<int>(rossz.size()))]); }, 0,
                             "a card outside the announced marriage");
        }
        if (!talonnal) {
            if (esely(0.5)) return tilos([&] { jatek_.talontakaras(); }, 0, "closing a talon that is not in play");
            return tilos([&] { jatek_.adulapcsere(); }, 0, "exchanging with the talon not in play");
        }
        if (!test::aduAlsoKezben(s)) return tilos([&] { jatek_.adulapcsere(); }, 1, "exchanging without the alsó");
    }
    if (talonnal && test::aduAlsoKezben(s) && esely(0.4)) {
        const Kartya adulap = s.adulap;
        jatek_.adulapcsere();
        ellenoriz(s.adulap == kartya(s.adu, Also) && !test::aduAlsoKezben(s) && !s.tarolashato,
                  "the exchange puts the alsó under the talon");
        bool kapta = false;
        for (Kartya c : s.kezek[kJatekos]) kapta = kapta || c == adulap;
        ellenoriz(kapta, "the exchange gives the trump card to the player");
        return;
    }
    if (talonnal && esely(0.03)) {
        jatek_.talontakaras();
        ellenoriz(s.takart && !s.tarolashato && !jatek_.talonbanJatszik(), "closing the talon");
        return;
    }

    if (!ellenoriz(!helyek.empty(), "the player has a card to lead")) return;
    const int hely = helyek[valamelyik(static_cast<int>(helyek.size()))];
    const GameState elotte = s;
    jatek_.kijatszas(hely);
    ellenoriz(!azonos(elotte, s), "an allowed lead is taken");
}

void Szimulacio::valaszol() {
    GameState& s = st();
    ellenoriz(!s.husz && !s.negyven && s.tet == s.asztal[0], "the computer's lead is on the table alone");
    if (esely(0.03)) {
        if (esely(0.5)) return tilos([&] { jatek_.adulapcsere(); }, 0, "exchanging while answering");
        return tilos([&] { jatek_.talontakaras(); }, 0, "closing while answering");
    }
    const bool szigoru = s.talonszam == 0 || s.takart;
    const std::vector<int> helyek = test::jatszhatoHelyek(s);
    std::vector<int> rossz;
    for (int i = 0; i < 5; ++i)
        if (s.kezek[kJatekos][i] != 0 && std::find(helyek.begin(), helyek.end(), i) == helyek.end()) rossz.push_back(i);
    if (!szigoru) ellenoriz(rossz.empty(), "any card answers while the talon is open");

    if (!rossz.empty() && esely(0.3))
        return tilos([&] { jatek_.kijatszas(rossz[valamelyik(static_cast<int>(rossz.size()))]); }, 1,
                     "an answer against the following rules");
    if (!ellenoriz(!helyek.empty(), "the player has a card to answer with")) return;
    const GameState elotte = s;
    jatek_.kijatszas(helyek[valamelyik(static_cast<int>(helyek.size()))]);
    ellenoriz(!azonos(elotte, s), "an allowed answer is taken");
}

void Szimulacio::allapot(const char* mikor) {
    const GameState& s = st();
    const std::string hol = std::string(" (") + mikor + ")";
    ellenoriz(s.mindenLapMegvan(), "every card in exactly one place" + hol);
    ellenoriz(!(s.husz && s.negyven), "at most one marriage waiting" + hol);
    ellenoriz(!kerdesJar_, "the match-over question came at 7" + hol);
    if (tetlen(s)) return;
    ellenoriz(s.soron == kJatekos && s.asztal.size() <= 1, "the player's turn" + hol);
    ellenoriz(s.egyseg[0] < 7 && s.egyseg[1] < 7, "a running match is below 7" + hol);
}

void Szimulacio::ujrarajzol() {
    FakePlatform::ujrarajzol();
    const GameState& s = st();
    ellenoriz(s.mindenLapMegvan(), "every card in exactly one place at a redraw");
    ellenoriz(s.asztal.size() <= 2, "at most two cards on the table");
    ellenoriz(!(s.husz && s.negyven), "at most one marriage waiting at a redraw");
}

void Szimulacio::felfordito(std::array<std::int16_t, 2> f) {
    const test::Kez& kez = st().kezek[kGep];
    const Kartya a = kez[f[0]], b = kez[f[1]];
    ellenoriz(f[0] < f[1] && szinje(a) == szinje(b) && rangja(a) + rangja(b) == Kiraly + Felso && a != b,
              "the computer shows a marriage, lower slot first");
    bemondottSzin_ = szinje(a);
}

void Szimulacio::gombbeallito() {
    FakePlatform::gombbeallito();
    // The computer's reply starts here, before it picks its card.
    if (st().soron == kGep && st().asztal.size() == 1) valaszElott_ = st().kezek[kGep];
}

void Szimulacio::doEvents() {
    FakePlatform::doEvents();
    const GameState& s = st();
    if (valaszElott_ && s.asztal.size() == 2) {
        // The computer has answered. Its rule meets the following rules even while the talon is
        // open, so the answer is held to them always.
        const test::Kez elotte = *valaszElott_;
        valaszElott_.reset();
        const Kartya lap = s.asztal[1];
        bool volt = false;
        for (int i = 0; i < 5; ++i) volt = volt || (elotte[i] == lap && s.kezek[kGep][i] == 0);
        ellenoriz(volt, "the computer answers from its hand");
        ellenoriz(test::koveti(elotte, lap, s.tet, s.adu), "the computer's answer follows the rules");
    } else if (s.soron == kGep && s.asztal.size() == 1) {
        // The computer has led.
        ellenoriz(s.tet == s.asztal[0], "the computer's lead is the stake");
        ellenoriz(jatek_.pontjai(kGep) < 66, "at 66 the computer ends the deal instead of leading");
        if (bemondottSzin_ != 0) {
            ellenoriz(szinje(s.tet) == bemondottSzin_ && (rangja(s.tet) == Kiraly || rangja(s.tet) == Felso),
                      "after a marriage the computer leads one of its cards");
        } else {
            bool nemadu = szinje(s.tet) != s.adu;
            int legjobb = rangja(s.tet);
            for (Kartya c : s.kezek[kGep]) {
                if (c == 0) continue;
                if (szinje(c) != s.adu && !nemadu) ellenoriz(false, "the computer leads a trump holding a side card");
                if ((szinje(c) != s.adu) == nemadu) legjobb = std::min(legjobb, rangja(c));
            }
            ellenoriz(legjobb == rangja(s.tet), "the computer leads its strongest card of the kind");
        }
        bemondottSzin_ = 0;
    }
}

MsgResult Szimulacio::messageBox(const std::string& text, MsgButtons b, bool icon) {
    ++uzenetek_;
    if (icon) ++ikonos_;
    const GameState& s = st();
    if (b == MsgButtons::YesNo) {
        ellenoriz(kerdesJar_, "the match-over question only when a side has 7");
        const bool gep = s.egyseg[kGep] >= 7;
        ellenoriz(text.rfind(gep ? "A számítógép megnyerte a játékot!" : "Megnyerted a játékot!", 0) == 0,
                  "the match-over question names the winner");
        kerdesJar_ = false;
        ++meccsek;
        elozoEgyseg_ = {0, 0};
        if (igenek_ > 0) {
            --igenek_;
            return MsgResult::Yes;
        }
        return MsgResult::No;
    }
    const auto ertek = text.find("\rÉrtéke: ");
    if (ertek == std::string::npos) return MsgResult::Ok;

    // A score sheet: one finished deal.
    ++leosztasok;
    bemondottSzin_ = 0;  // a marriage that reached 66 is never led
    ellenoriz(!kerdesJar_, "no deal after the match was won");
    const int egyseg = std::atoi(text.c_str() + ertek + std::string("\rÉrtéke: ").size());
    ellenoriz(egyseg == 1 || egyseg == 2 || egyseg == 3 || egyseg == 6, "a deal is worth 1, 2, 3 or 6 units");
    const int d0 = s.egyseg[0] - elozoEgyseg_[0];
    const int d1 = s.egyseg[1] - elozoEgyseg_[1];
    const bool dontetlen = text.rfind("Döntetlen az állás!", 0) == 0;
    ellenoriz(dontetlen ? d0 == egyseg && d1 == egyseg : d0 + d1 == egyseg && (d0 == 0 || d1 == 0),
              "the units go to the winner of the deal");
    const auto indokEleje = text.rfind('\r', ertek - 1);
    indokok[text.substr(indokEleje + 1, ertek - indokEleje - 1)]++;
    if (s.asztal.empty() && s.kezben(kGep) > 0 && s.soron == kGep) ++gepVegzett;
    elozoEgyseg_ = s.egyseg;
    kerdesJar_ = s.egyseg[0] >= 7 || s.egyseg[1] >= 7;
    return MsgResult::Ok;
}

TEST(MatchSimulation, WholeMatchesKeepEveryCardAndScoreConsistent) {
    const auto seed = static_cast<std::uint32_t>(szambolVagy("TAROLAS_SIM_SEED", 20240521));
    const int cel = szambolVagy("TAROLAS_SIM_DEALS", kLeosztasok);
    Szimulacio sim{seed};
    sim.fut(cel);
    ASSERT_TRUE(sim.hiba.empty()) << sim.hiba;
    EXPECT_GE(sim.leosztasok, cel) << "seed " << seed;

    // The run reached every way a deal can be scored, and the computer ended deals at 66.
    std::ostringstream o;
    for (const auto& [indok, db] : sim.indokok) o << indok << ": " << db << '\n';
    o << "computer ended at 66: " << sim.gepVegzett << ", matches: " << sim.meccsek
      << ", refused moves: " << sim.elutasitva << '\n';
    if (cel >= kLeosztasok) {
        for (const char* indok : {"Bukott Tarolás", "Takartál, de nem érted el a 66-ot", "Utolsó ütés",
                                  "Döntetlen (60-60 pont)", "Összegyűlt a 66 pont", "Az ellenfél 'macsban' maradt",
                                  "Csendes Tarolás", "Tarolás"})
            EXPECT_GT(sim.indokok[indok], 0) << indok << "\nseed " << seed << '\n' << o.str();
        EXPECT_GT(sim.gepVegzett, 0) << o.str();
        EXPECT_GT(sim.meccsek, 100) << o.str();
    }
    std::cout << o.str();
}

}  // namespace
}  // namespace tarolas
