// A goal summed up for the Build a wheel window: bounds, known wheels, the held wheel's fitness.
#include "goal_summary.h"

#include "wheel_search.h"

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

} // namespace quorvex
