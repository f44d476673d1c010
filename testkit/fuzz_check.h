#pragma once
// What every fuzz target does when the engine and its plain model differ.

#include <cstdio>
#include <cstdlib>

inline void Check(bool same, const char* what) {
    if (!same) {
        std::fprintf(stderr, "the engine and the model differ: %s\n", what);
        std::abort();
    }
}
