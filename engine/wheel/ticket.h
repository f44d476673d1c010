#pragma once
// A ticket of a built or known wheel: its numbers 1..N, ascending.

#include "line_list.h"

#include <vector>

namespace quorvex {

using Ticket = std::vector<int>;

// Tickets as the lines of a wheel, for the report's engine.
inline LineList LinesOf(const std::vector<Ticket>& tickets) {
    LineList lines;
    for (const Ticket& ticket : tickets) {
        for (int x : ticket) {
            lines.push(static_cast<Number>(x));
        }
        lines.endLine();
    }
    return lines;
}

} // namespace quorvex
