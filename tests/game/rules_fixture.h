#pragma once

// A game on a fake window, for positions laid out by hand.

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
};

}  // namespace tarolas::test
