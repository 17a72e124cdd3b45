#pragma once

// A window system for the headless game: it keeps the texts the game shows and answers No to
// every question.

#include <deque>
#include <string>
#include <vector>

#include "game/jatek.h"

namespace tarolas::test {

using Kez = std::array<Kartya, 5>;

struct FakePlatform : Platform {
    std::vector<std::string> messages;
    std::vector<bool> messageIcons;
    std::array<std::string, 3> status;
    std::array<bool, 4> buttons{};

    void ujrarajzol() override {}
    void felfordito(std::array<std::int16_t, 2>) override {}
    void gombbeallito() override {}
    void varakozas() override {}
    void doEvents() override {}
    MsgResult messageBox(const std::string& text, MsgButtons b, bool icon) override {
        messages.push_back(text);
        messageIcons.push_back(icon);
        return b == MsgButtons::Ok ? MsgResult::Ok : MsgResult::No;
    }
    void setStatusText(int panel, const std::string& text) override { status.at(panel) = text; }
    void setButtonVisible(int index, bool visible) override { buttons.at(index) = visible; }
    void focusTable() override {}
};

// Numbers from a list, then from the ordinary source.
struct ScriptedRandom : RandomSource {
    std::deque<float> numbers;
    float next() override {
        if (numbers.empty()) return RandomSource::next();
        const float r = numbers.front();
        numbers.pop_front();
        return r;
    }
};

// A throwaway game on a silent window, to try a move on a copy of a position.
struct Proba {
    FakePlatform ablak;
    RandomSource random;
    Jatek jatek{ablak, random};
    explicit Proba(const GameState& st) { jatek.st = st; }
};

}  // namespace tarolas::test
