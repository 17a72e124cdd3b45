#pragma once

// A game with a fake window that can report each call as it happens, and a way to lay out a
// position by hand with the deck bookkeeping made consistent.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fake_platform.h"

namespace tarolas::test {

// Calls the hook at every call of the game into the window: 'P' pause, 'R' redraw, 'E' events,
// 'G' buttons, 'M' message box, 'B' button shown or hidden, 'S' status text, 'F' focus.
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
    MsgResult messageBox(const std::string& text, MsgButtons b, bool icon) override {
        const MsgResult r = FakePlatform::messageBox(text, b, icon);
        jel('M');
        return r;
    }
    void setStatusText(int panel, const std::string& text) override {
        FakePlatform::setStatusText(panel, text);
        jel('S');
    }
    void setButtonVisible(int index, bool visible) override {
        FakePlatform::setButtonVisible(index, visible);
        gombvaltas.emplace_back(index, visible);
        jel('B');
    }
    void focusTable() override { FakePlatform::focusTable(), jel('F'); }
};

struct Allas : ::testing::Test {
    FigyeloPlatform platform;
    RandomSource random;
    Jatek jatek{platform, random};
    GameState& st = jatek.st;

    // Every card on view counts as taken out of the deck, and the talon count follows. With
    // `talonban` given, the unseen cards beyond that many are put in `pile` first, as if captured
    // earlier in the deal.
    void rendez(int talonban = -1, Lista* pile = nullptr) {
        auto latszik = [&](Kartya c) {
            for (const auto& kez : st.kezek)
                if (std::find(kez.begin(), kez.end(), c) != kez.end()) return true;
            for (const Lista* l : {&st.asztal, &st.gepvittlapok, &st.jatekosvittlapok})
                if (std::find(l->begin(), l->end(), c) != l->end()) return true;
            return c == st.adulap;
        };
        if (talonban >= 0) {
            Lista rejtett;
            for (int s = 1; s <= 4; ++s)
                for (int r = 1; r <= 5; ++r)
                    if (!latszik(kartya(s, r))) rejtett.push_back(kartya(s, r));
            Lista& ide = pile != nullptr ? *pile : st.gepvittlapok;
            for (std::size_t i = static_cast<std::size_t>(talonban); i < rejtett.size(); ++i) ide.push_back(rejtett[i]);
        }
        st.kiadottlapok.clear();
        for (int s = 1; s <= 4; ++s)
            for (int r = 1; r <= 5; ++r)
                if (latszik(kartya(s, r))) st.kiadottlapok.push_back(kartya(s, r));
        st.talonszam = static_cast<std::int16_t>(20 - st.kiadottlapok.size());
    }

    void torol() {
        platform.log.clear();
        platform.gombvaltas.clear();
        platform.messages.clear();
        platform.messageIcons.clear();
        platform.redraws = platform.pauses = platform.events = platform.buttonUpdates = platform.focus = 0;
    }
};

}  // namespace tarolas::test
