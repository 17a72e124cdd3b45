#include "narration.h"

#include "game/cards.h"
#include "table/score_text.h"

namespace tarolas {

// The player's own leads, answers, marriages and Kész are not spoken: the player chose them, and a
// marriage and Kész already have their box. The computer's draw is not spoken either: its card is
// hidden, it always draws with the player, and the talon count shows it; one sentence more a trick
// would only bury the ones that matter.
std::string mondat(const Esemeny& e) {
    const bool gep = e.ki == kGep;
    const std::string lap = megnevezo(e.lap), masik = megnevezo(e.masik);
    switch (e.mi) {
    case Tortent::Osztas: {
        std::string t = "Új osztás. Adu: " + lap + ". Kezedben:";
        const char* elvalaszto = " ";
        for (Kartya c : e.kez)
            if (c != 0) t.append(elvalaszto).append(megnevezo(c)), elvalaszto = ", ";
        return t + ".";
    }
    case Tortent::Huzas:
        return gep ? "" : "Húztál: " + lap + ".";
    case Tortent::Hivas:
        return gep ? "A gép hív: " + lap + "." : "";
    case Tortent::Valasz:
        return gep ? "A gép válasza: " + lap + "." : "";
    case Tortent::Bemondas:
        return gep ? "A gép bemondott " + std::string(e.ertek == 40 ? "40-et: " : "20-at: ") + lap + ", " + masik + "."
                   : "";
    case Tortent::Csere:
        return gep ? "A gép kicserélte az adut: a " + lap + " az övé." : "Kicserélted az adut: a " + lap + " a tiéd.";
    case Tortent::Takaras:
        return gep ? "A gép betakarta a talont." : "Betakartad a talont.";
    case Tortent::TarolasBemondva:
        return gep ? "A gép bemondta a Tarolást." : "Bemondtad a Tarolást.";
    case Tortent::Utes:
        return (gep ? "A gép vitte" : "Te vitted") + std::string(" az ütést (") + std::to_string(e.ertek) + " pont).";
    case Tortent::Kesz:
        return gep ? "A gép elérte a 66 pontot." : "";
    case Tortent::JatszmaVege: {
        const std::string pont = std::to_string(e.ertek) + " pont";
        const std::string ki = e.ki == kDontetlen ? "Döntetlen, mindkét félnek " + pont
                               : gep              ? "A gép nyerte a játszmát, " + pont
                                                  : "Te nyerted a játszmát, " + pont;
        return ki + ". " + allas(e.egyseg) + ".";
    }
    case Tortent::MeccsVege:
        return gep ? "A gép nyerte a játékot." : "Megnyerted a játékot.";
    }
    return {};
}

}  // namespace tarolas
