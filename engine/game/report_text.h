#pragma once
// The wheel report in words.

#include "wheel_profile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

// "all 6" when every line has 6 numbers, else "5 (3 lines), 6 (12 lines)".
std::string LengthsText(const WheelProfile& profile);

// One sentence for each kind of line a player should know about.
std::vector<std::string> WarningsText(const WheelProfile& profile);

// "Whenever 4 of your 12 numbers are drawn, at least one ticket holds 3 of them."
std::string GuaranteeSentence(int m, int t, int numbers);

struct HolesHeading {
    int numbers = 0;         // N of the wheel
    std::size_t lines = 0;   // L
    int m = 0, t = 0;        // draws of m without t on a ticket
    std::uint64_t count = 0; // all of them, listed or not
    bool inPicks = false;    // written in the player's numbers, or the wheel's
};

// The lines a saved list of holes begins with, each ending in LF.
std::string HolesHeader(const HolesHeading& heading);

} // namespace quorvex
