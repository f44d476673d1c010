#pragma once
// Whether past draws look like a fair draw, in one sentence: how often each
// ball came out against the draws * M / P a fair draw expects, by Pearson's
// chi-square test with P - 1 degrees of freedom. What happened, and what
// chance alone predicts; nothing about the next draw.

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

struct Fairness {
    double chiSquare = 0;
    int degrees = 0;
    double p = 1; // the chance of a deviation this large or larger under a fair draw
};

// timesDrawn[n] for the balls n = 1..P (index 0 unused), over `draws` draws of M.
Fairness TestFairness(const std::vector<std::uint64_t>& timesDrawn, std::uint64_t draws, int drawn);

// "consistent with a fair draw: p = 0.43", or "unlikely under a fair draw: p = 0.002".
std::string FairnessSentence(const Fairness& fairness);

// The chance that a chi-square variable of `degrees` degrees of freedom is x or more.
double ChiSquareTail(double x, int degrees);

} // namespace quorvex
