#pragma once
// Reading quorvex-bench's arguments: whole numbers within a range, and what
// to say (exit status 2) when an argument is wrong.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace quorvex {

inline bool Whole(const char* text, long low, long high, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && value >= low && value <= high;
}

inline int BadArguments(const std::string& why, const char* usage) {
    std::fprintf(stderr, "quorvex-bench: %s\nusage: %s\n", why.c_str(), usage);
    return 2;
}

} // namespace quorvex
