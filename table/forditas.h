#pragma once

// Texts in the player's language for what is built without Qt: the core's messages as they reach
// the window, and the table's and the screen reader's own texts. The Hungarian texts are the
// source; with no translator set (a Hungarian game) everything here gives them back unchanged.
// lupdate reads `forditas` as QCoreApplication::translate and TAROLAS_SZOVEG as
// QT_TRANSLATE_NOOP; `forditott` looks up a text that is not a literal.

#include <initializer_list>
#include <string>

#include "game/cards.h"
#include "game/jatek.h"
#include "game/szoveg.h"

namespace tarolas {

// Gives the translation of `szoveg` (UTF-8) in `kontextus`, or the text itself when it has none.
using Fordito = std::string (*)(const char* kontextus, const char* szoveg);

void setFordito(Fordito f);  // nullptr: the Hungarian source texts

std::string forditas(const char* kontextus, const char* szoveg);
std::string forditott(const char* kontextus, const std::string& szoveg);

// `minta` with %1, %2... replaced by `ertekek`, in one pass.
std::string kitolt(const std::string& minta, std::initializer_list<std::string> ertekek);

// A card's name, "Piros ász" or "Ace of Hearts".
std::string lapnev(Kartya c);

// A text of the core (a message box or a status panel) in the player's language: line by line
// (CR) and column by column (TAB), each piece as it is marked in the core, or with its numbers as
// %1, %2... when it has them (the score sheet's "Értéke: 2 pont").
std::string jatekSzoveg(const std::string& szoveg);

// Tipp's sentence (computer/hint.h) in the player's language.
std::string tippMondat(const Tipp& t, bool hiv);

}  // namespace tarolas
