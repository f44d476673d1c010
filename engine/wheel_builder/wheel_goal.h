#pragma once
// What a player asks a built wheel for: N numbers, k a ticket, and the
// guarantee "t if m" (whenever m of the N numbers are drawn, some ticket holds
// at least t of them). m = t asks for a covering design C(N, k, t); m > t for
// a lotto design. Also the smallest size any such wheel can have, where a
// proof of it is known.

#include "refusal.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvex {

struct WheelGoal {
    int numbers = 10;  // N, 2..49
    int perTicket = 6; // k, 1..N
    int atLeast = 3;   // t, 1..min(k, m)
    int drawn = 4;     // m, t..min(N, 8)

    bool operator==(const WheelGoal&) const = default;
};

// The most m-sets a search will keep figures for: past this a search would
// need too much memory and find nothing useful in any reasonable time.
constexpr std::uint64_t kMaxSearchCases = 50'000'000;

// Why no wheel can (or should) be built for the goal, or nothing when one can.
std::optional<Refusal> GoalProblem(const WheelGoal& goal);

// Schönheim's bound for a covering design: L(N,k,t) = ceil(N/k * L(N-1,k-1,t-1)),
// L(.,.,0) = 1. Nothing where no such design exists (t > k, k > N).
std::optional<std::uint64_t> SchoenheimBound(int numbers, int perTicket, int atLeast);

// A size no wheel for the goal can go below, or nothing where none is known.
std::optional<std::uint64_t> LowerBound(const WheelGoal& goal);

// The goal Build a wheel starts from: the player's picked numbers once there
// are two or more (else 10), 6 a ticket, "3 if 4", as far as they fit.
WheelGoal FirstGoal(int picked);

// The name a wheel for the goal is offered under: "wheel-8-4-3if3.txt".
std::string WheelFileName(const WheelGoal& goal);

} // namespace quorvex
