// What the screen reader is told of the computer's moves and of the match, headless.

#include <gtest/gtest.h>

#include "access/spoken_text.h"

namespace tarolas::test {
namespace {

TEST(SpokenText, TheComputersMovesWhoTookTheTrickAndTheScore) {
    // Before: the computer holds the Makk ász and the Tök alsó, the player the Piros ász; Tök is trump.
    GameState alap;
    alap.kezek = {{{21, 35, 33, 34, 0}, {11, 12, 13, 14, 15}}};
    alap.kiadottlapok = {21, 35, 33, 34, 11, 12, 13, 14, 15, 31};
    std::tie(alap.adu, alap.adulap, alap.talonszam) = std::tuple(3, 31, 10);
    const std::array<std::int16_t, 2> par{2, 3};
    const struct { const char* mi; std::function<void(GameState&)> lepes; const std::array<std::int16_t, 2>* felfordit;
                   const char* hir; } esetek[] = {
        {"lead", [](GameState& s) { s.kezek[kGep][0] = 0, s.asztal = {21}; }, nullptr, "A gép hív: Makk ász."},
        {"player's lead", [](GameState& s) { s.kezek[kJatekos][0] = 0, s.asztal = {11}; }, nullptr, ""},
        {"answer", [](GameState& s) { s.kezek[kGep][0] = 0, s.asztal.push_back(21); }, nullptr, "A gép válasza: Makk ász."},
        {"computer takes", [](GameState& s) { s.asztal.clear(), s.gepvittlapok = {11, 21}; }, nullptr, "A gép vitte az ütést."},
        {"player takes", [](GameState& s) { s.asztal.clear(), s.jatekosvittlapok = {11, 21}; }, nullptr, "Te vitted az ütést."},
        {"exchange", [](GameState& s) { s.kezek[kGep][1] = 31, s.adulap = 35; }, nullptr,
         "A gép kicserélte az adut: Tök ász helyett Tök alsó."},
        {"trump card drawn last", [](GameState& s) { s.kezek[kGep][4] = 31, s.adulap = 0, s.talonszam = 0; }, nullptr, ""},
        {"40", [](GameState&) {}, &par, "A gép bemondott 40-et: Tök király, Tök felső."},
        {"exchange and lead together", [](GameState& s) { s.kezek[kGep] = {0, 31, 33, 34, 0}, s.adulap = 35, s.asztal = {21}; },
         nullptr, "A gép kicserélte az adut: Tök ász helyett Tök alsó. A gép hív: Makk ász."},
        {"new deal", [](GameState& s) { s.kezek = {}, s.asztal.clear(), s.adulap = 0; }, nullptr, ""},
    };
    for (const auto& e : esetek) {
        GameState elotte = alap;
        if (std::string(e.mi) == "answer") elotte.asztal = {11};
        GameState most = elotte;
        e.lepes(most);
        EXPECT_EQ(bejelentes(nyom(elotte), most, e.felfordit), e.hir) << e.mi;
    }
    // The score, only while a match is on.
    GameState st;
    st.egyseg = {3, 2};
    EXPECT_EQ(allasSzoveg(st), "");
    st.kiadottlapok = {11};
    EXPECT_EQ(allasSzoveg(st), "Állás: gép 3 – 2 te");
}

}  // namespace
}  // namespace tarolas::test
