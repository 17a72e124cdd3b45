#pragma once

// A game on a fake window, and positions laid out by hand with the deck bookkeeping kept right.

#include <gtest/gtest.h>

#include "fake_platform.h"

// Positions name only the members that matter; GCC 12 would warn about every one left out.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tarolas::test {

struct Allas : ::testing::Test {
    FakePlatform platform;
    ScriptedRandom random;
    Jatek jatek{platform, random};
    GameState& st = jatek.st;

    // Every card on view counts as taken out of the deck; the talon holds the rest.
    void rendez() {
        Lista& ki = st.kiadottlapok = {st.adulap};
        for (const auto& kez : st.kezek) ki.insert(ki.end(), kez.begin(), kez.end());
        for (const auto& l : {st.asztal, st.gepvittlapok, st.jatekosvittlapok}) ki.insert(ki.end(), l.begin(), l.end());
        std::erase(ki, 0);
        st.talonszam = static_cast<std::int16_t>(20 - ki.size());
    }
};

}  // namespace tarolas::test
