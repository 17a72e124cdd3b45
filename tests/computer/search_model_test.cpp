// The strong opponent's rules model follows the real game move by move: random matches are played
// through the game's own procedures while a model is fed the same moves, and the two must agree on
// hands, talon, points, the lead, which answers are allowed, and how every deal is scored.

#include <gtest/gtest.h>

#include "game/scoring.h"
#include "simulation/scripted_player.h"

namespace tarolas {
namespace {

using modell::Allas;
using modell::Lapok;

Lapok lapjai(const std::array<Kartya, 5>& kez) {
    Lapok m = 0;
    for (Kartya c : kez)
        if (c != 0) m |= modell::bit(modell::indexe(c));
    return m;
}

struct Tuk : test::Meccs {
    explicit Tuk(std::uint32_t s) : Meccs(s, s) {
        jatek.setFigyelo([this](const Esemeny& e) { tortent(e); });
    }
    Allas a;

    // The model makes every move the game reports, once the game has allowed it.
    void tortent(const Esemeny& e) {
        switch (e.mi) {
        case Tortent::Osztas: {
            // The face-down cards come out in the order a copy of the card source gives.
            test::FakePlatform csendes;
            test::SeededRandom kopia = lapok;
            Jatek elore{csendes, kopia};
            elore.st = st;
            std::vector<Kartya> sorrend;
            while (elore.st.talonszam > 0) sorrend.push_back(elore.lapgeneralo());
            a = modell::allasbol(st, sorrend);
            break;
        }
        case Tortent::Takaras: modell::takar(a); break;
        case Tortent::TarolasBemondva: a.tarolas[e.ki] = true; break;
        case Tortent::Bemondas: modell::bemond(a, e.ki, szinje(e.lap)); break;
        case Tortent::Kesz:  // the player's marriage counts even when Kész comes before its lead
            if (e.ki == kJatekos && (st.husz || st.negyven)) modell::bemond(a, kJatekos, st.negyven ? st.adu : st.adu % 4 + 1);
            break;
        case Tortent::Csere:
            ellenoriz(a.cserelhet(e.ki), "an exchange the model allows");
            modell::cserel(a, e.ki);
            break;
        case Tortent::Hivas:
        case Tortent::Valasz: {
            const int lap = modell::indexe(e.lap);
            ellenoriz(a.soron == e.ki, "the same side plays");
            // The fixed-rule computer exchanges whenever it may, so before its lead it no longer can.
            ellenoriz(jatek.erosGep() || a.tet != modell::kNincs || a.soron == kJatekos || !a.cserelhet(kGep),
                      "the computer's exchange");
            ellenoriz(a.tet == modell::kNincs || (modell::valaszthato(a) & modell::bit(lap)), "an answer the model allows");
            modell::kijatszik(a, lap);
            break;
        }
        default: break;
        }
    }

    void osszevet() {
        ellenoriz(a.kez[kGep] == lapjai(st.kezek[kGep]) && a.kez[kJatekos] == lapjai(st.kezek[kJatekos]), "hands");
        ellenoriz(a.talonszam == st.talonszam && a.adulap == (st.adulap ? modell::indexe(st.adulap) : -1), "talon");
        // The player's marriage reaches the model with its lead.
        const int fuggo = st.husz ? 20 : st.negyven ? 40 : 0;
        ellenoriz(a.vitt[0] == pontosszeg(st.gepvittlapok) && a.vitt[1] == pontosszeg(st.jatekosvittlapok) &&
                      a.bemondas[kGep] == st.bemondas[kGep] && a.bemondas[kJatekos] + fuggo == st.bemondas[kJatekos],
                  "points");
        ellenoriz(a.soron == st.soron && a.tet == (st.asztal.size() == 1 ? modell::indexe(st.tet) : -1) && !a.vege(),
                  "the lead");
        if (st.asztal.empty()) {
            test::Proba p{st};
            p.jatek.adulapcsere();
            ellenoriz(a.cserelhet(kJatekos) == (p.jatek.st.adulap != st.adulap), "the player's exchange");
        }
        if (st.asztal.size() != 1 || st.husz || st.negyven) return;
        // The answers the game accepts from the player are the ones the model offers.
        Lapok elfogad = 0;
        for (int i = 0; i < 5; ++i)
            if (st.kezek[kJatekos][i] != 0 && test::Proba{st}.jatek.laptetel(i) != 0)
                elfogad |= modell::bit(modell::indexe(st.kezek[kJatekos][i]));
        ellenoriz(elfogad == modell::valaszthato(a), "the allowed answers");
    }

    MsgResult messageBox(const std::string& text, MsgButtons b, bool icon) override {
        const auto ertek = text.find("\rÉrtéke: ");
        if (ertek != std::string::npos) {
            ++leosztasok;
            // Kész, or the computer at 66 before its lead: the model ends the deal the same way.
            if (!a.vege()) {
                ellenoriz(a.tet == modell::kNincs && a.pontja(a.soron) >= 66, "a deal ended at 66 by the side to lead");
                modell::befejez(a, a.soron);
            }
            const int n = std::atoi(text.c_str() + ertek + 10);
            const int elojel = text.starts_with("A számítógép") ? 1 : text.starts_with("Te ") ? -1 : 0;
            ellenoriz(modell::egysegek(a) == elojel * n && a.pontja(0) == jatek.pontjai(0) && a.pontja(1) == jatek.pontjai(1),
                      "the deal's score");
        }
        return FakePlatform::messageBox(text, b, icon);
    }
};

// Plays `n` deals with the random scripted player, the computer as set.
std::string vegigjatszik(std::uint32_t seed, int n, bool eros) {
    Tuk t{seed};
    t.jatek.setErosGep(eros);
    t.jatek.erosBeallitas() = {seed, 2, 2};
    t.vegig(n, [&t] {
        if (t.st.soron == kJatekos) t.osszevet();
        test::egyetLep(t.jatek, t.rng);
    });
    return t.hiba;
}

TEST(SearchModel, FollowsTheGameThroughWholeDealsWithEitherComputer) {
    EXPECT_EQ(vegigjatszik(7, 2000, false), "");
    EXPECT_EQ(vegigjatszik(8, 150, true), "");
}

TEST(SearchModel, ScoresLikeTheScoreSheet) {
    for (int p0 = 0; p0 <= 130; ++p0)
        for (int p1 : {0, 1, 32, 33, 60, 65, 66, 70, 100})
            for (int j = 0; j < 16; ++j) {  // the two Tarolás flags, closed, who ended the deal
                const std::array<bool, 2> t{(j & 1) != 0, (j & 2) != 0};
                const JatszmaEredmeny e = jatszmaEredmeny(p0, p1, t, j & 4, j >> 3);
                const int vart = e.gyoztes == kDontetlen ? 0 : e.gyoztes == kGep ? e.egyseg : -e.egyseg;
                ASSERT_EQ(modell::egysegek(p0, p1, t, j & 4, j >> 3), vart) << p0 << " " << p1 << " " << j;
            }
}

}  // namespace
}  // namespace tarolas
