// The wheel report's sentences.
#include "report_text.h"

namespace quorvex {

namespace {

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string LengthsText(const WheelProfile& profile) {
    if (profile.linesOfLength.size() == 1) {
        return "all " + std::to_string(profile.linesOfLength.begin()->first);
    }
    std::string text;
    for (const auto& [length, lines] : profile.linesOfLength) {
        text += (text.empty() ? "" : ", ") + std::to_string(length) + " (" +
                Count(lines, "line", "lines") + ")";
    }
    return text;
}

std::vector<std::string> WarningsText(const WheelProfile& profile) {
    std::vector<std::string> warnings;
    if (profile.repeatingLines > 0) {
        warnings.push_back(Count(profile.repeatingLines, "line repeats", "lines repeat") +
                           " a number (the first is line " +
                           std::to_string(profile.firstRepeating) +
                           "); a repeat counts once towards a win.");
    }
    if (profile.sameLines > 0) {
        warnings.push_back(Count(profile.sameLines, "line holds", "lines hold") +
                           " the same numbers as an earlier line (the first is line " +
                           std::to_string(profile.firstSame) +
                           "); they add nothing to the guarantees.");
    }
    if (profile.shorterLines > 0) {
        warnings.push_back(Count(profile.shorterLines, "line is", "lines are") +
                           " shorter than the longest (the first is line " +
                           std::to_string(profile.firstShorter) + ").");
    }
    return warnings;
}

std::string HolesHeader(const HolesHeading& h) {
    return "# Holes of a wheel of " + std::to_string(h.numbers) + " numbers in " +
           Count(h.lines, "line", "lines") + "\n# Draws of " + std::to_string(h.m) +
           " numbers where no ticket holds " + std::to_string(h.t) +
           " of them: " + std::to_string(h.count) + " in all\n# Numbers: " +
           (h.inPicks ? std::string("yours, as picked on the keypad")
                      : "the wheel's own, 1-" + std::to_string(h.numbers)) +
           "\n";
}

std::string GuaranteeSentence(int m, int t, int numbers) {
    const std::string drawn = "Whenever " + std::to_string(m) + " of your " +
                              std::to_string(numbers) + " numbers " +
                              (m == 1 ? "is drawn, " : "are drawn, ");
    if (t == 0) {
        return drawn + "no ticket is sure to hold " + (m == 1 ? "it." : "any of them.");
    }
    if (t == m) {
        return drawn + "at least one ticket holds " +
               (m == 1   ? "it."
                : m == 2 ? "both of them."
                         : "all " + std::to_string(m) + " of them.");
    }
    return drawn + "at least one ticket holds " + std::to_string(t) + " of them.";
}

} // namespace quorvex
