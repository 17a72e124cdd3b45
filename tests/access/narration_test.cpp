// What the screen reader is told when something happens, and the match score, headless.

#include <gtest/gtest.h>

#include "access/narration.h"
#include "table/score_text.h"

namespace tarolas::test {
namespace {

TEST(Narration, OneSentenceAnEventTheMatchScore) {
    Esemeny osztas{Tortent::Osztas, kJatekos, 21};
    osztas.kez = {44, 12, 0, 33, 25};
    Esemeny vege{Tortent::JatszmaVege, kJatekos, 0, 0, 2}, dontetlen{Tortent::JatszmaVege, kDontetlen, 0, 0, 1};
    vege.egyseg = {3, 2};
    dontetlen.egyseg = {4, 4};
    const std::pair<Esemeny, const char*> esetek[] = {
        {osztas, "Új osztás. Adu: Makk ász. Kezedben: Zöld felső, Piros tíz, Tök király, Makk alsó."},
        {{Tortent::Huzas, kJatekos, 33}, "Húztál: Tök király."},
        {{Tortent::Hivas, kGep, 21}, "A gép hív: Makk ász."},
        {{Tortent::Hivas, kJatekos, 21}, ""},  // the player's own moves and the computer's draw: not spoken
        {{Tortent::Huzas, kGep}, ""},
        {{Tortent::Valasz, kGep, 45}, "A gép válasza: Zöld alsó."},
        {{Tortent::Bemondas, kGep, 13, 14, 40}, "A gép bemondott 40-et: Piros király, Piros felső."},
        {{Tortent::Bemondas, kGep, 43, 44, 20}, "A gép bemondott 20-at: Zöld király, Zöld felső."},
        {{Tortent::Csere, kGep, 31, 35}, "A gép kicserélte az adut: a Tök ász az övé."},
        {{Tortent::Csere, kJatekos, 32, 35}, "Kicserélted az adut: a Tök tíz a tiéd."},
        {{Tortent::Takaras, kJatekos}, "Betakartad a talont."},
        {{Tortent::TarolasBemondva, kJatekos}, "Bemondtad a Tarolást."},
        {{Tortent::Utes, kJatekos, 12, 11, 21}, "Te vitted az ütést (21 pont)."},
        {{Tortent::Utes, kGep, 45, 15, 4}, "A gép vitte az ütést (4 pont)."},
        {{Tortent::Kesz, kGep}, "A gép elérte a 66 pontot."},
        {vege, "Te nyerted a játszmát, 2 pont. Állás: gép 3 – 2 te."},
        {dontetlen, "Döntetlen, mindkét félnek 1 pont. Állás: gép 4 – 4 te."},
        {{Tortent::MeccsVege, kGep}, "A gép nyerte a játékot."},
        {{Tortent::MeccsVege, kJatekos}, "Megnyerted a játékot."},
    };
    for (const auto& [e, mondja] : esetek) EXPECT_EQ(mondat(e), mondja) << static_cast<int>(e.mi) << " by " << e.ki;

    // The score panel, only while a match is on.
    GameState st;
    st.egyseg = {3, 2};
    EXPECT_EQ(allasSzoveg(st), "");
    st.kiadottlapok = {11};
    EXPECT_EQ(allasSzoveg(st), "Állás: gép 3 – 2 te");
}

}  // namespace
}  // namespace tarolas::test
