#include "review.h"

namespace tarolas {

namespace {
bool cselekves(Tortent t) {
    switch (t) {
    case Tortent::Hivas: case Tortent::Valasz: case Tortent::Bemondas: case Tortent::Csere:
    case Tortent::Takaras: case Tortent::TarolasBemondva: case Tortent::Kesz:
        return true;
    default:
        return false;
    }
}
}  // namespace

void UtolsoLepes::esemeny(const Esemeny& e) {
    // The computer's moves after the player's own belong to the player's move, as its answer.
    if (e.mi == Tortent::Osztas) {
        kezdte_ = Kezdte::Osztas;
    } else if (cselekves(e.mi) && (e.ki == kJatekos || kezdte_ == Kezdte::Osztas)) {
        kezdte_ = e.ki == kJatekos ? Kezdte::Jatekos : Kezdte::Gep;
    } else {
        return;
    }
    mondatok_.clear();
}

void UtolsoLepes::mondott(const std::string& mondat) {
    if (!mondat.empty()) mondatok_.push_back(mondat);
}

std::string UtolsoLepes::ujra() const {
    std::string t;
    for (const std::string& m : mondatok_) {
        t += (t.empty() ? "" : " ") + m;
        // "Kész bemondható: Alt+K" is a sentence of its own too.
        if (!m.ends_with('.') && !m.ends_with('!') && !m.ends_with('?')) t += '.';
    }
    return t;
}

}  // namespace tarolas
