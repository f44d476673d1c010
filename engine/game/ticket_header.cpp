// The lines above saved and printed tickets.
#include "ticket_header.h"

#include "two_digits.h"

#include "mDichiarazioni.h"

namespace quorvex {

std::vector<std::string> TicketsHeader(std::string_view date, const Game& game) {
    if (gSystemLineCount == 0) {
        return {};
    }
    std::string numbers = "Your numbers:";
    for (std::size_t i = 0; i < gSystemPicks.size(); ++i) {
        const int n = gSystemPicks[i];
        numbers += ' ' + TwoDigits(n);
        if (i < static_cast<std::size_t>(gSystemBaseCount)) {
            numbers += '*';
        }
    }
    if (gSystemBaseCount > 0) {
        numbers += " (* base)";
    }
    return {"Quorvex - " + std::string(date), numbers,
            std::to_string(gSystemPicks.size()) +
                (gSystemPicks.size() == 1 ? " number; " : " numbers; ") + game.name + ": " +
                CostText(gSystemLineCount, game.price)};
}

} // namespace quorvex
