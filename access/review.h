#pragma once

// R, free of Qt: what hearing the last move again says. (S, where things stand, is a status bar
// text: table/score_text.h.)

#include <string>
#include <vector>

#include "game/events.h"

namespace tarolas {

// The sentences of the last move, as they were said: from the player's last action, or from the
// computer's first action of a deal, to now; with nothing done yet in a deal, its deal sentence.
class UtolsoLepes {
public:
    // An event of the game, told before its own sentence is said.
    void esemeny(const Esemeny& e);
    // A sentence said to the player as part of the play.
    void mondott(const std::string& mondat);
    // What R says: the sentences, one after the other; empty while none has been said.
    std::string ujra() const;

private:
    enum class Kezdte { Osztas, Jatekos, Gep };
    Kezdte kezdte_ = Kezdte::Osztas;
    std::vector<std::string> mondatok_;
};

}  // namespace tarolas
