#pragma once

// Marks a text the player reads, for Qt Linguist's lupdate (which reads it as QT_TRANSLATE_NOOP);
// the core keeps the text as it is. The window translates it at its edge (table/forditas.h).
#define TAROLAS_SZOVEG(kontextus, szoveg) szoveg
