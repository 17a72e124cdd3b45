#pragma once

#include "table/form1.h"

// A deal half-way through: nine cards in hand, one led, five in the talon, both piles started.
inline void kozepe(Form1& w) {
    tarolas::GameState& st = w.jatek().st;
    st = tarolas::GameState{};
    st.adu = tarolas::Piros;
    st.adulap = 12;
    st.talonszam = 5;
    st.soron = tarolas::kJatekos;
    st.kezek = {{{11, 23, 34, 33, 45}, {13, 14, 0, 41, 35}}};
    st.asztal = {24};
    st.gepvittlapok = {21, 25, 43, 44};
    st.jatekosvittlapok = {31, 32, 15, 42};
}
