// What the screen reader is told when something happens, and the review keys R and S, headless.

#include <gtest/gtest.h>

#include "access/narration.h"
#include "access/review.h"
#include "table/score_text.h"

namespace tarolas::test {
namespace {

// The sentences R says again below (the computer's lead, answer, trick and exchange, a draw, and
// the moves not spoken) are checked there.
TEST(Narration, OneSentenceAnEvent) {
    Esemeny osztas{Tortent::Osztas, kJatekos, 21};
    osztas.kez = {44, 12, 0, 33, 25};
    Esemeny vege{Tortent::JatszmaVege, kJatekos, 0, 0, 2}, dontetlen{Tortent::JatszmaVege, kDontetlen, 0, 0, 1};
    vege.egyseg = {3, 2};
    dontetlen.egyseg = {4, 4};
    const std::pair<Esemeny, const char*> esetek[] = {
        {osztas, "Új osztás. Adu: Makk ász. Kezedben: Zöld felső, Piros tíz, Tök király, Makk alsó."},
        {{Tortent::Bemondas, kGep, 13, 14, 40}, "A gép bemondott 40-et: Piros király, Piros felső."},
        {{Tortent::Bemondas, kGep, 43, 44, 20}, "A gép bemondott 20-at: Zöld király, Zöld felső."},
        {{Tortent::Csere, kJatekos, 32, 35}, "Kicserélted az adut: a Tök tíz a tiéd."},
        {{Tortent::Takaras, kJatekos}, "Betakartad a talont."},
        {{Tortent::TarolasBemondva, kJatekos}, "Bemondtad a Tarolást."},
        {{Tortent::Utes, kJatekos, 12, 11, 21}, "Te vitted az ütést (21 pont)."},
        {{Tortent::Kesz, kGep}, "A gép elérte a 66 pontot."},
        {vege, "Te nyerted a játszmát, 2 pont. Állás: gép 3 – 2 te."},
        {dontetlen, "Döntetlen, mindkét félnek 1 pont. Állás: gép 4 – 4 te."},
        {{Tortent::MeccsVege, kGep}, "A gép nyerte a játékot."},
        {{Tortent::MeccsVege, kJatekos}, "Megnyerted a játékot."},
    };
    for (const auto& [e, mondja] : esetek) EXPECT_EQ(mondat(e), mondja) << static_cast<int>(e.mi) << " by " << e.ki;
}

// R: the events since a deal began, each told to the narration as it is spoken, and what R says then.
TEST(Narration, AgainHearsTheLastMove) {
    Esemeny osztas{Tortent::Osztas, kJatekos, 35}, vege{Tortent::JatszmaVege, kGep, 0, 0, 1};
    osztas.kez = {11, 12, 0, 0, 0};
    const Esemeny hiv{Tortent::Hivas, kJatekos, 44}, gepHiv{Tortent::Hivas, kGep, 21}, utes{Tortent::Utes, kGep, 44, 41, 14},
        huz{Tortent::Huzas, kJatekos, 13}, gepHuz{Tortent::Huzas, kGep};
    const std::pair<std::vector<Esemeny>, const char*> esetek[] = {
        {{osztas}, "Új osztás. Adu: Tök alsó. Kezedben: Piros ász, Piros tíz. Tarolás bemondható: Alt+T."},
        // The computer leads first: from its first action, the deal's sentence left behind.
        {{osztas, {Tortent::Csere, kGep, 35, 31}, gepHiv},
         "A gép kicserélte az adut: a Tök alsó az övé. A gép hív: Makk ász."},
        // An answer with a draw, the trick the computer's, and its new lead: all one move.
        {{osztas, hiv, {Tortent::Valasz, kGep, 41}, utes, huz, gepHuz, gepHiv},
         "A gép válasza: Zöld ász. A gép vitte az ütést (14 pont). Húztál: Piros király. A gép hív: Makk ász."},
        // The player's answer starts the next move.
        {{osztas, hiv, gepHiv, {Tortent::Valasz, kJatekos, 45}, {Tortent::Utes, kGep, 21, 45, 13}, huz, gepHuz},
         "A gép vitte az ütést (13 pont). Húztál: Piros király."},
        // A deal over and the next dealt: only the new deal's sentence.
        {{osztas, hiv, utes, vege, osztas}, "Új osztás. Adu: Tök alsó. Kezedben: Piros ász, Piros tíz. Tarolás bemondható: Alt+T."},
    };
    for (const auto& [esemenyek, mondja] : esetek) {
        UtolsoLepes r;
        for (const Esemeny& e : esemenyek) {
            r.esemeny(e);
            r.mondott(mondat(e));
            if (e.mi == Tortent::Osztas) r.mondott("Tarolás bemondható: Alt+T");
        }
        EXPECT_EQ(r.ujra(), mondja);
    }
    EXPECT_EQ(UtolsoLepes().ujra(), "");
}

// S: where things stand, in the situations of a match.
TEST(Narration, WhereThingsStand) {
    GameState nyit;
    nyit.kezek = {{{12, 13, 0, 15, 21}, {11, 22, 45, 0, 25}}};
    nyit.kiadottlapok = {12, 13, 14, 15, 21, 11, 22, 45, 24, 25, 31, 32, 33, 34, 35};
    std::tie(nyit.talonszam, nyit.adulap, nyit.adu, nyit.soron) = std::tuple(5, 35, 3, kJatekos);
    nyit.jatekosvittlapok = {31, 32, 42, 14};
    nyit.gepvittlapok = {43, 23, 34, 24};
    nyit.bemondas = {0, 20};
    nyit.egyseg = {2, 3};
    GameState gepHivott = nyit, takart = nyit, elfogyott = nyit, kozott = nyit, semmi;
    gepHivott.kezek[kGep][0] = 0;
    gepHivott.asztal = {12};
    takart.takart = true;
    takart.soron = kGep;
    elfogyott.adulap = 0;
    elfogyott.talonszam = 0;
    elfogyott.asztal = {45};
    elfogyott.kezek[kJatekos][2] = 0;
    kozott.kezek = {};
    const std::pair<GameState, const char*> esetek[] = {
        {nyit, "Adu: Tök alsó. Talon: 5 lap. Vitt lapjaid: 34 pont, bemondás 20. A gép vitt lapjai: 14 pont. "
               "Állás: gép 2 – 3 te. Te hívsz."},
        {gepHivott, "Adu: Tök alsó. Talon: 5 lap. A gép hívott: Piros tíz. Vitt lapjaid: 34 pont, bemondás 20. "
                    "A gép vitt lapjai: 14 pont. Állás: gép 2 – 3 te. Te következel."},
        {takart, "Adu: Tök. A talon le van takarva. Vitt lapjaid: 34 pont, bemondás 20. A gép vitt lapjai: 14 pont. "
                 "Állás: gép 2 – 3 te. A gép hív."},
        {elfogyott, "Adu: Tök. A talon elfogyott. Hívtál: Zöld alsó. Vitt lapjaid: 34 pont, bemondás 20. "
                    "A gép vitt lapjai: 14 pont. Állás: gép 2 – 3 te. A gép következik."},
        {kozott, "Állás: gép 2 – 3 te."},
        {semmi, "Új játék: F2."},
    };
    for (const auto& [st, mondja] : esetek) EXPECT_EQ(attekintes(st), mondja);
}

}  // namespace
}  // namespace tarolas::test
