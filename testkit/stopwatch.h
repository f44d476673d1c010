#pragma once
// A clock for tests that hold a search to its time limit or to Stop.

#include <algorithm>
#include <chrono>
#include <ctime>

namespace quorvex {

// Under the sanitizers everything runs about three times slower: the time limits, and the
// times a search is held to, scale with it.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kSlowdown = 3;
#else
constexpr double kSlowdown = 1;
#endif

// How long a search went on from a moment: on a loaded machine the wall clock runs on while
// the search waits for a core, so the processor time it used counts instead; a search that
// does not look at its clock or at Stop runs long by both.
class Stopwatch {
public:
    void Start() {
        wall_ = std::chrono::steady_clock::now();
        processor_ = std::clock();
    }
    double Seconds() const {
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_).count();
        return std::min(wall, static_cast<double>(std::clock() - processor_) / CLOCKS_PER_SEC);
    }

private:
    std::chrono::steady_clock::time_point wall_;
    std::clock_t processor_ = 0;
};

} // namespace quorvex
