#pragma once
// Reading a matrix text: one pass over its bytes into lines of numbers, or
// the first reason the text cannot be a matrix.

#include "line_list.h"
#include "refusal.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// A matrix text read into lines, or the first reason it cannot be a matrix.
struct ParsedMatrix {
    LineList lines;
    std::optional<Refusal> refusal; // the token that is no number 1..49, or too much text
};

// Splits a text into lines (CR LF or LF), drops blank ones, and reads every
// run of digits between separators as a number that must lie in 1..49.
ParsedMatrix ParseMatrix(std::string_view text);

// How many bytes the separator at text[at] takes, or 0 when there is none.
// Spreadsheets export commas and semicolons; editors, spaces and tabs; web
// pages, no-break spaces (U+00A0, two bytes of UTF-8).
constexpr std::size_t SeparatorAt(std::string_view text, std::size_t at) {
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == ',' || c == ';') {
        return 1;
    }
    return c == '\xC2' && at + 1 < text.size() && text[at + 1] == '\xA0' ? 2 : 0;
}

// The tokens of a line between its separators, each a view into `line`, so
// that its place is known too.
std::vector<std::string_view> Tokens(std::string_view line);

// The value of a run of digits, saturated at 100: no run of digits, however
// long, can wrap round to a number that looks valid.
unsigned DigitsValue(std::string_view digits);

// A token as it can be shown in a one-line notice, quoted: its characters as
// typed, at most 8 of them; control characters and bytes that are no UTF-8
// written as U+XXXX.
std::string QuoteToken(std::string_view token);

// The length of the well-formed UTF-8 character that `text` starts with, or 0
// when it starts with none (overlong forms, surrogates and values above
// U+10FFFF are not UTF-8).
std::size_t Utf8Length(std::string_view text);

} // namespace quorvex
