#pragma once

// Playing from the keyboard, free of Qt: a selection over the player's hand slots or over the
// table's other objects, and the points of the table a key stands for. Keys act through the pointer-release path at these points, so a
// key can never do anything a left click there would not.

#include <array>
#include <optional>
#include <vector>

#include "game/state.h"
#include "layout.h"

namespace tarolas {

// What a key asks of the selection.
enum class Lepes { Balra, Jobbra, Elso, Utolso };

// The selection after a move, skipping empty slots; it stays put at either end. -1 with an empty hand.
int kivalasztas(const std::array<Kartya, 5>& kez, int slot, Lepes lepes);

// The selection kept valid after the hand changed: the slot itself while it holds a card, else
// the nearest card to its right, else to its left; -1 with an empty hand.
int megtartott(const std::array<Kartya, 5>& kez, int slot);

struct Pont {
    float x = 0, y = 0;
};

// The middle of the part of a hand card that a release plays (twips): the strip the next slot
// leaves uncovered, the whole card for slot 4.
Pont lapPontja(const Geometria& g, float H, int slot);
// The middle of the trump card's upper half, and of the talon's top card.
Pont aduPontja(const Geometria& g, float H);
Pont talonPontja(const Geometria& g, float H, int talonszam);

// The selection mark: the visible part of the selected card, up to the next card in hand.
struct Teglalap {
    float x = 0, y = 0, w = 0, h = 0;
};
Teglalap jelolo(const Geometria& g, float H, const std::array<Kartya, 5>& kez, int slot);

// The row above the hand: the table's other objects, top to bottom as they lie on its left.
enum class Targy { GepVitt, Adu, Talon, JatekosVitt };

// The objects on the table now, in row order: the piles while a match is on, the trump card while
// it lies face up, the talon while it holds cards.
std::vector<Targy> targyak(const GameState& st);

// The selection in the row after a move (`most` empty: nothing selected yet, so forward moves
// take the first and backward ones the last); kept valid as objects go, the nearest one after it
// first. Empty when the row is.
std::optional<Targy> targyValasztas(const GameState& st, std::optional<Targy> most, std::optional<Lepes> lepes);

// Where the pointer would rest over the object: the middle of its top card (of the trump card's
// upper half), and the mark, the part of it that shows.
Pont targyPontja(const GameState& st, const Geometria& g, float H, Targy t);
Teglalap targyJelolo(const GameState& st, const Geometria& g, float H, Targy t);

}  // namespace tarolas
