#pragma once

// A fake window system that also writes the order of the calls the computer makes, one letter
// each: P pause, R redraw, F marriage shown, E events, G buttons. At the first event pump it keeps
// a copy of the trick and of the computer's hand, which is what the computer decided before the
// trick evaluation takes over.

#include <optional>
#include <string>

#include "fake_platform.h"

namespace tarolas::test {

struct RecordingPlatform : FakePlatform {
    const GameState* st = nullptr;
    std::string log;
    std::optional<Lista> asztal;
    std::optional<std::array<Kartya, 5>> kez;

    void ujrarajzol() override {
        FakePlatform::ujrarajzol();
        log += 'R';
    }
    void felfordito(std::array<std::int16_t, 2> f) override {
        FakePlatform::felfordito(f);
        log += 'F';
    }
    void gombbeallito() override {
        FakePlatform::gombbeallito();
        log += 'G';
    }
    void varakozas() override {
        FakePlatform::varakozas();
        log += 'P';
    }
    void doEvents() override {
        FakePlatform::doEvents();
        log += 'E';
        if (st != nullptr && !asztal) {
            asztal = st->asztal;
            kez = st->kezek[kGep];
        }
    }
};

}  // namespace tarolas::test
