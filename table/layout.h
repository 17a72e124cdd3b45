#pragma once

// Table geometry in twips (15 twips to a logical pixel), free of Qt so it is tested on its own:
// the card size and hand places, the list of cards a redraw paints, the talon counter and the
// action button row.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "game/state.h"

namespace tarolas {

inline constexpr int kTwipPerPixel = 15;

// Twips to whole logical pixels, for placing widgets. Halves go up, not to even, so buttons
// standing side by side neither overlap nor leave a one-pixel gap.
inline int pixelben(float twip) { return static_cast<int>(std::floor(twip / kTwipPerPixel + 0.5f)); }

// What every redraw stores and the pointer handlers hit-test against.
struct Geometria {
    std::int32_t kezkezdet = 0;    // x of hand slot 0
    std::int32_t laptavolsag = 0;  // step between hand slots
    float lapmagassag = 0;         // card height
    double lapszelesseg = 0;       // card width
};

// Height-to-width ratio of the card pictures (194 / 117).
inline constexpr double kLaparany = 1.6581196;

// The geometry of a table W x H twips (its inner size).
Geometria asztalGeometria(float W, float H);

// One picture of a redraw, stretched into its rectangle (twips).
struct FestettLap {
    enum class Kep : std::uint8_t { Arc, Hatlap, Keresztlap };  // face, upright back, crosswise back
    Kep kep = Kep::Arc;
    Kartya kartya = 0;  // the face shown; 0 for a back
    float x = 0, y = 0, w = 0, h = 0;
    bool operator==(const FestettLap&) const = default;
};

// Everything a redraw paints, in painting order (a later card covers an earlier one): trump card,
// talon, closed-talon cover, the hands slot by slot (computer's, then player's), the trick, the
// computer's pile, the player's pile. With `felfordit` the computer's two named slots show their
// faces and the piles are stacked tighter, as while a marriage is shown.
std::vector<FestettLap> festettLapok(const GameState& st, const Geometria& g, float W, float H,
                                     const std::array<std::int16_t, 2>* felfordit = nullptr);

// The talon counter `Label1`; its height never changes.
inline constexpr float kFeliratMagassag = 255;
struct TalonFelirat {
    float left = 0, top = 0, width = 0;
    std::string caption;  // UTF-8
};
TalonFelirat talonFelirat(const GameState& st, const Geometria& g, float H);

// The action buttons `Command1`(0..3): their widths and height.
inline constexpr std::array<float, 4> kGombSzelesseg{855, 375, 375, 495};
inline constexpr float kGombMagassag = 255;
struct GombHely {
    float left = 0, top = 0;
    bool operator==(const GombHely&) const = default;
};
// The shown buttons side by side in index order, the row centred on the table with its bottom
// 160 twips above the player's cards; a hidden button waits where it would stand.
std::array<GombHely, 4> gombsor(const std::array<bool, 4>& lathato, float scaleWidth, float scaleHeight,
                                float lapmagassag, const std::array<float, 4>& szelesseg = kGombSzelesseg,
                                const std::array<float, 4>& magassag = {kGombMagassag, kGombMagassag,
                                                                        kGombMagassag, kGombMagassag});

}  // namespace tarolas
