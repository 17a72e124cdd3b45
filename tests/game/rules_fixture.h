#pragma once

// A game with a fake window that reports each call as it happens, and a way to lay out a
// position by hand with the deck bookkeeping made consistent.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fake_platform.h"

namespace tarolas::test {

// Logs every call into the window as a letter and calls the hook: 'P' pause, 'R' redraw,
// 'E' events, 'G' buttons, 'M' message box, 'B' button shown or hidden, 'F' focus.
struct FigyeloPlatform : FakePlatform {
    std::function<void(char)> figyel;
    std::string log;
    std::vector<std::pair<int, bool>> gombvaltas;  // setButtonVisible calls, in order

    void jel(char c) {
        log += c;
        if (figyel) figyel(c);
    }
    void ujrarajzol() override { FakePlatform::ujrarajzol(), jel('R'); }
    void gombbeallito() override { FakePlatform::gombbeallito(), jel('G'); }
    void varakozas() override { FakePlatform::varakozas(), jel('P'); }
    void doEvents() override { FakePlatform::doEvents(), jel('E'); }
    void focusTable() override { FakePlatform::focusTable(), jel('F'); }
    MsgResult messageBox(const std::string& text, MsgButtons b, bool icon) override {
        const MsgResult r = FakePlatform::messageBox(text, b, icon);
        jel('M');
        return r;
    }
    void setButtonVisible(int index, bool visible) override {
        FakePlatform::setButtonVisible(index, visible);
        gombvaltas.emplace_back(index, visible);
        jel('B');
    }
};

struct Allas : ::testing::Test {
    FigyeloPlatform platform;
    RandomSource random;
    Jatek jatek{platform, random};
    GameState& st = jatek.st;

    // Every card on view counts as taken out of the deck and the talon count follows. With
    // `talonban` given, unseen cards beyond that many go to the computer's pile first.
    void rendez(int talonban = -1) {
        auto latszik = [&](Kartya c) {
            for (const auto& kez : st.kezek)
                if (std::find(kez.begin(), kez.end(), c) != kez.end()) return true;
            for (const Lista* l : {&st.asztal, &st.gepvittlapok, &st.jatekosvittlapok})
                if (std::find(l->begin(), l->end(), c) != l->end()) return true;
            return c == st.adulap;
        };
        Lista rejtett;
        for (int s = 1; s <= 4; ++s)
            for (int r = 1; r <= 5; ++r)
                if (!latszik(kartya(s, r))) rejtett.push_back(kartya(s, r));
        if (talonban >= 0) st.gepvittlapok.insert(st.gepvittlapok.end(), rejtett.begin() + talonban, rejtett.end());
        st.kiadottlapok.clear();
        for (int s = 1; s <= 4; ++s)
            for (int r = 1; r <= 5; ++r)
                if (latszik(kartya(s, r))) st.kiadottlapok.push_back(kartya(s, r));
        st.talonszam = static_cast<std::int16_t>(20 - st.kiadottlapok.size());
        platform = FigyeloPlatform{};
    }
};

}  // namespace tarolas::test
