#pragma once

// A window system for the headless game: it records what the game asks of it and answers message
// boxes from a script.

#include <deque>
#include <string>
#include <vector>

#include "game/jatek.h"

namespace tarolas::test {

struct FakePlatform : Platform {
    int redraws = 0;
    int pauses = 0;
    int events = 0;
    std::vector<std::array<std::int16_t, 2>> shown;  // felfordito calls
    std::vector<std::string> messages;
    std::vector<bool> messageIcons;
    std::deque<MsgResult> answers;  // for Yes/No boxes; No when empty
    std::array<std::string, 3> status;
    std::array<bool, 4> buttons{};

    void ujrarajzol() override { ++redraws; }
    void felfordito(std::array<std::int16_t, 2> f) override { shown.push_back(f); }
    void gombbeallito() override {}
    void varakozas() override { ++pauses; }
    void doEvents() override { ++events; }
    MsgResult messageBox(const std::string& text, MsgButtons b, bool icon) override {
        messages.push_back(text);
        messageIcons.push_back(icon);
        if (b == MsgButtons::Ok) return MsgResult::Ok;
        if (answers.empty()) return MsgResult::No;
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
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
