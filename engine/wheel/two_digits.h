#pragma once
// Every number the program writes for a player has two digits: 07, 49.

#include <string>

namespace quorvex {

// Writes n (0..99) at `out` and returns the place after it.
inline char* WriteTwoDigits(int n, char* out) {
    *out++ = static_cast<char>('0' + n / 10);
    *out++ = static_cast<char>('0' + n % 10);
    return out;
}

inline std::string TwoDigits(int n) {
    std::string text(2, '0');
    WriteTwoDigits(n, text.data());
    return text;
}

// Numbers as a line of a ticket: "05 12 33".
template <class Numbers> std::string TwoDigitLine(const Numbers& numbers) {
    std::string line;
    for (const int n : numbers) {
        line += (line.empty() ? "" : " ") + TwoDigits(n);
    }
    return line;
}

} // namespace quorvex
