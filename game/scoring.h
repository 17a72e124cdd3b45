#pragma once

// Scoring a deal: the rule table and the score sheet as pure functions, so both are checked
// without playing a deal.

#include <array>
#include <cstdint>
#include <string>

namespace tarolas {

inline constexpr int kDontetlen = 2;  // winner index of a drawn deal: both sides score

struct JatszmaEredmeny {
    int gyoztes = 0;          // 0 computer, 1 player, 2 both
    std::int16_t egyseg = 0;  // game units the deal is worth
    std::string indok;        // the reason shown on the score sheet
};

// Decides a deal from the points of both sides (announcements included), the all-tricks flags,
// whether the talon was closed, and the side that ended the deal.
JatszmaEredmeny jatszmaEredmeny(int p0, int p1, std::array<bool, 2> tarolas, bool takart, int utolsouto);

// The text of the score sheet; `egyseg` is the match score after this deal's units were added.
std::string eredmenylap(const JatszmaEredmeny& e, std::array<std::int32_t, 2> vitt,
                        std::array<std::int16_t, 2> bemondas, std::array<std::int16_t, 2> egyseg);

// The question at the end of a match (some side has 7 units); the computer's win is tested first.
std::string jatekVegeKerdes(std::array<std::int16_t, 2> egyseg);

}  // namespace tarolas
