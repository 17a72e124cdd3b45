#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarolas {

enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

// Everything the rules need of the window system. Form1 implements it; tests use a recording fake.
class Platform {
public:
    virtual ~Platform() = default;
    virtual void ujrarajzol() = 0;
    virtual void felfordito(std::array<std::int16_t, 2> felfordit) = 0;
    virtual void gombbeallito() = 0;
    virtual void varakozas() = 0;
    virtual void doEvents() = 0;  // let pending window events run once
    // Modal box titled "Tarolás"; text as the core builds it (UTF-8, CR line breaks, TABs).
    virtual MsgResult messageBox(const std::string& text, MsgButtons buttons, bool informationIcon) = 0;
    virtual void setStatusText(int panel, const std::string& text) = 0;  // panel 1 or 2
    virtual void setButtonVisible(int index, bool visible) = 0;         // Command1(index)
    virtual void focusTable() = 0;
};

}  // namespace tarolas
