#pragma once

// Screen-reader support for the main window, added from outside it: the table's accessible face
// and the narrator that tells what happens in the game.

class Form1;

// Once per window, after it is built and before it is shown: nothing happens in a game before.
void akadalymentesseg(Form1& ablak);
