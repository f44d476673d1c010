#pragma once
// The wheel report in words.

#include "wheel_profile.h"

#include <string>
#include <vector>

namespace quorvex {

// "all 6" when every line has 6 numbers, else "5 (3 lines), 6 (12 lines)".
std::string LengthsText(const WheelProfile& profile);

// One sentence for each kind of line a player should know about.
std::vector<std::string> WarningsText(const WheelProfile& profile);

// "Whenever 4 of your 12 numbers are drawn, at least one ticket holds 3 of them."
std::string GuaranteeSentence(int m, int t, int numbers);

} // namespace quorvex
