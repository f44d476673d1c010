#pragma once
// What the Build a wheel window shows about a goal before anything runs, in
// one call: whether it can be built, the lower bound and its kind, the best
// known size with its credit, the library design that keeps the goal, whether
// the held wheel can start a search (and why not), and how many searches run
// side by side.

#include "best_known.h"
#include "game.h"
#include "line_list.h"
#include "refusal.h"
#include "wheel_goal.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvex {

enum class BoundKind { Schoenheim, Counting };

struct GoalSummary {
    std::optional<Refusal> refusal; // the goal cannot (or should not) be built
    std::optional<std::uint64_t> lowerBound;
    BoundKind boundKind = BoundKind::Schoenheim; // Schönheim's for a covering, else counting
    const KnownWheel* bestKnown = nullptr;       // the smallest known for exactly this goal
    const KnownWheel* design = nullptr;          // a library design with tickets keeping the goal
    std::optional<Refusal> heldUnfit;            // why the held wheel cannot start a search
    int searches = 1;                            // searches side by side, one a core, two at most

    // The library's design for a goal that can be built, or nullptr.
    const KnownWheel* Design() const { return refusal ? nullptr : design; }
};

// The held wheel is `held` on the numbers 1..heldNumbers (no lines: none held).
GoalSummary SummarizeGoal(const WheelGoal& goal, const WheelLibrary& library, const LineList& held,
                          int heldNumbers, unsigned cores);

// Whether the window offers the library's design beside a wheel of `built`
// tickets (0: none built): until a smaller one is built, as one as small may
// still be the one the player would rather play, with its credit.
bool OffersDesign(const GoalSummary& summary, std::size_t built);

// What a wheel of `built` tickets (0: none) and the library's design (or
// nullptr) cost a draw of the game: "This wheel: 14 tickets × 1.00 = 14.00;
// the best known: 14 tickets × 1.00 = 14.00 a draw of 6 of 49."; empty for neither.
std::string CostsSentence(std::size_t built, const KnownWheel* design, const WheelGoal& goal,
                          const Game& game);

// The time limit a search is given, 1 s to 10 min, and what the window says
// of a time typed outside it.
struct TimeLimit {
    int seconds = 10;
    std::string note; // "set to 10 min, the longest", or empty
};
TimeLimit KeptTimeLimit(int typed);

// The held wheel's lines as tickets to start a search from, each ascending.
std::vector<Ticket> TicketsOf(const LineList& lines);

} // namespace quorvex
