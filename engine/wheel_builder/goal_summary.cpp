// A goal summed up for the Build a wheel window: bounds, known wheels, the held wheel's fitness.
#include "goal_summary.h"

#include "portfolio.h"

#include <algorithm>

namespace quorvex {

std::vector<Ticket> TicketsOf(const LineList& lines) {
    std::vector<Ticket> tickets;
    tickets.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto line = lines.line(i);
        Ticket ticket(line.begin(), line.end());
        std::sort(ticket.begin(), ticket.end());
        tickets.push_back(std::move(ticket));
    }
    return tickets;
}

GoalSummary SummarizeGoal(const WheelGoal& goal, const WheelLibrary& library, const LineList& held,
                          int heldNumbers, unsigned cores) {
    GoalSummary summary;
    summary.searches = static_cast<int>(std::clamp(cores, 1U, 2U));
    summary.refusal = GoalProblem(goal);
    if (held.empty()) {
        summary.heldUnfit = Refusal{"no wheel is held"};
    } else if (heldNumbers != goal.numbers) {
        summary.heldUnfit = Refusal{"the held wheel has " + std::to_string(heldNumbers) +
                                    " numbers; set N to " + std::to_string(heldNumbers)};
    } else if (held.uniformWidth() != 0 && held.uniformWidth() != std::size_t(goal.perTicket)) {
        summary.heldUnfit = Refusal{"its lines hold " + std::to_string(held.uniformWidth()) +
                                    " numbers; set k to " + std::to_string(held.uniformWidth())};
    } else {
        summary.heldUnfit = StartProblem(goal, TicketsOf(held));
    }
    if (summary.refusal) {
        return summary;
    }
    summary.lowerBound = LowerBound(goal);
    summary.boundKind = goal.drawn == goal.atLeast ? BoundKind::Schoenheim : BoundKind::Counting;
    summary.bestKnown = library.Find(goal);
    summary.design = library.DesignFor(goal);
    return summary;
}

std::string CostsSentence(std::size_t built, const KnownWheel* design, const WheelGoal& goal,
                          const Game& game) {
    std::string costs;
    if (built > 0) {
        costs = "This wheel: " + CostText(built, game.price);
    }
    if (design) {
        // A sentence, whichever part comes first.
        const char* name = design->goal == goal ? "best known: " : "library's design: ";
        costs += (costs.empty() ? std::string("The ") : std::string("; the ")) + name +
                 CostText(design->tickets.size(), game.price);
    }
    return costs.empty() ? costs : costs + " a draw of " + game.name + ".";
}

TimeLimit KeptTimeLimit(int typed) {
    constexpr int kShortest = 1, kLongest = 600;
    if (typed > kLongest) {
        return {kLongest, "set to 10 min, the longest"};
    }
    if (typed < kShortest) {
        return {kShortest, "set to 1 s, the shortest"};
    }
    return {typed, {}};
}

bool OffersDesign(const GoalSummary& summary, std::size_t built) {
    return !summary.refusal && summary.design != nullptr &&
           (built == 0 || summary.design->tickets.size() <= built);
}

} // namespace quorvex
