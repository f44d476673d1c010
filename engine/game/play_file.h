#pragma once
// A play kept in a file: the game, the numbers picked (which of them are base)
// and the wheel, as a text a person can read and mend:
//
//   Quorvex play 1
//   game: 6 of 90
//   balls: 90
//   drawn: 6
//   price: 1.00
//   prizes: none                 (or one amount a number of hits, 0 hits first)
//   numbers: 03 17 52 67 71 88
//   base: 17
//   wheel:
//   1 2 3 4 5 6
//   ...
//
// The first line names the format and its version; the wheel runs to the end.

#include "game.h"
#include "refusal.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

inline constexpr std::string_view kPlayFormatLine = "Quorvex play 1";

struct Play {
    Game game;
    std::vector<int> numbers; // picked, ascending
    std::vector<int> base;    // of them, ascending
    std::string wheel;        // a wheel text as ACQUIRE takes it

    bool operator==(const Play&) const = default;
};

// The play as a file's text, lines ending CR LF. A line break in the game's
// name would end its line: it is written as a space (a name of none, "Own game").
std::string PlayText(const Play& play);

struct PlayReading {
    std::optional<Play> play;
    std::optional<Refusal> refusal; // "Line 5: ...", the line selected in the text
};

// Reads a play back; a text that is no play, or a damaged one, is refused with
// the first line at fault. CR LF or LF, and a UTF-8 byte order mark, are taken.
PlayReading ReadPlay(std::string_view text);

// Whether a text begins as a play does, to tell a play from a wheel.
bool LooksLikePlay(std::string_view text);

} // namespace quorvex
