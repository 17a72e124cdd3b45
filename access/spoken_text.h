#pragma once

// What a screen reader is told about the table, free of Qt: the things on it with their names,
// the one the keyboard selects, and where the play stands. What happens is told from the game's
// events (access/narration.h).

#include <optional>
#include <string>
#include <vector>

#include "game/state.h"
#include "table/keyboard.h"
#include "table/layout.h"

namespace tarolas {

// One thing on the table as read out: its name (UTF-8) and where it lies (twips). `slot` is the
// hand slot of one of the player's cards, -1 for anything else; `targy` the object of the row
// above the hand it is, if any.
struct AsztalElem {
    std::string nev;
    Teglalap hely;
    int slot = -1;
    std::optional<Targy> targy = std::nullopt;
};

// The table in reading order, grouped from the pictures a redraw paints (`lapok`, in their
// painting order): the computer's pile, its hand (and a shown marriage), the trump card, the
// talon, the trick, the player's hand, the player's pile.
std::vector<AsztalElem> asztalElemei(const GameState& st, const Geometria& g, float H,
                                      const std::vector<FestettLap>& lapok);

// The entry the keyboard's selection stands for, which becomes the focused child: the card in hand
// `slot`, or with `targy` that object; -1 for none.
int valasztottElem(const std::vector<AsztalElem>& elemek, int slot, std::optional<Targy> targy);

// What a key offers once its button appears: "Kész bemondható: Alt+K" (0 Tarolás, 1 40, 2 20, 3 Kész).
std::string gombSzoveg(int gomb);

// Where the play stands now, as told when the focus comes back to the table: whose card is
// expected and what lies in the trick; while no match is on, how to start one. Empty between deals.
std::string allapotSzoveg(const GameState& st);

}  // namespace tarolas
