#include "narration.h"

#include "game/cards.h"
#include "table/score_text.h"
#include "table/forditas.h"

namespace tarolas {

// The player's own leads, answers, marriages and Kész are not spoken: the player chose them, and a
// marriage and Kész already have their box. The computer's draw is not spoken either: its card is
// hidden, it always draws with the player, and the talon count shows it; one sentence more a trick
// would only bury the ones that matter.
std::string mondat(const Esemeny& e) {
    const bool gep = e.ki == kGep;
    const std::string lap = lapnev(e.lap), masik = lapnev(e.masik);
    switch (e.mi) {
    case Tortent::Osztas: {
        std::string kez;
        const char* elvalaszto = " ";
        for (Kartya c : e.kez)
            if (c != 0) kez.append(elvalaszto).append(lapnev(c)), elvalaszto = ", ";
        return kitolt(forditas("Felolvaso", "Új osztás. Adu: %1. Kezedben:%2."), {lap, kez});
    }
    case Tortent::Huzas:
        return gep ? "" : kitolt(forditas("Felolvaso", "Húztál: %1."), {lap});
    case Tortent::Hivas:
        return gep ? kitolt(forditas("Felolvaso", "A gép hív: %1."), {lap}) : "";
    case Tortent::Valasz:
        return gep ? kitolt(forditas("Felolvaso", "A gép válasza: %1."), {lap}) : "";
    case Tortent::Bemondas:
        return gep ? kitolt(e.ertek == 40 ? forditas("Felolvaso", "A gép bemondott 40-et: %1, %2.")
                                          : forditas("Felolvaso", "A gép bemondott 20-at: %1, %2."),
                            {lap, masik})
                   : "";
    case Tortent::Csere:
        return kitolt(gep ? forditas("Felolvaso", "A gép kicserélte az adut: a %1 az övé.")
                          : forditas("Felolvaso", "Kicserélted az adut: a %1 a tiéd."),
                      {lap});
    case Tortent::Takaras:
        return gep ? forditas("Felolvaso", "A gép betakarta a talont.")
                   : forditas("Felolvaso", "Betakartad a talont.");
    case Tortent::TarolasBemondva:
        return gep ? forditas("Felolvaso", "A gép bemondta a Tarolást.")
                   : forditas("Felolvaso", "Bemondtad a Tarolást.");
    case Tortent::Utes:
        return kitolt(gep ? forditas("Felolvaso", "A gép vitte az ütést (%1 pont).")
                          : forditas("Felolvaso", "Te vitted az ütést (%1 pont)."),
                      {std::to_string(e.ertek)});
    case Tortent::Kesz:
        return gep ? forditas("Felolvaso", "A gép elérte a 66 pontot.") : "";
    case Tortent::JatszmaVege: {
        // One unit is singular in English.
        const std::string pont = e.ertek == 1 ? forditas("Felolvaso", "1 pont")
                                              : kitolt(forditas("Felolvaso", "%1 pont"), {std::to_string(e.ertek)});
        const std::string ki = kitolt(e.ki == kDontetlen ? forditas("Felolvaso", "Döntetlen, mindkét félnek %1")
                                      : gep              ? forditas("Felolvaso", "A gép nyerte a játszmát, %1")
                                                         : forditas("Felolvaso", "Te nyerted a játszmát, %1"),
                                      {pont});
        return ki + ". " + allas(e.egyseg) + ".";
    }
    case Tortent::MeccsVege:
        return gep ? forditas("Felolvaso", "A gép nyerte a játékot.")
                   : forditas("Felolvaso", "Megnyerted a játékot.");
    }
    return {};
}

}  // namespace tarolas
