#pragma once
// Reading a matrix text: one pass over its bytes into lines of numbers, or
// the first reason the text cannot be a matrix.

#include "line_list.h"

#include <string>
#include <string_view>

namespace quorvex {

// A matrix text read into lines, or the first reason it cannot be a matrix.
struct ParsedMatrix {
    LineList lines;
    std::string problem; // empty when every token was a number 1..49
    // Where the token that is not a number lies in the text, in bytes.
    std::size_t tokenStart = 0;
    std::size_t tokenLength = 0;
};

// Splits a text into lines (CR LF or LF), drops blank ones, and reads every
// run of digits between spaces, tabs, commas or semicolons as a number that
// must lie in 1..49.
ParsedMatrix ParseMatrix(std::string_view text);

// Spreadsheets export commas and semicolons; editors, spaces and tabs.
constexpr bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ';';
}

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
