// A built wheel as text, and how often each number appears on it.
#include "wheel_text.h"

#include <algorithm>

namespace quorvex {

std::string WheelText(const std::vector<Ticket>& tickets) {
    std::string text;
    for (const Ticket& ticket : tickets) {
        for (std::size_t i = 0; i < ticket.size(); ++i) {
            text += (i == 0 ? "" : " ") + std::to_string(ticket[i]);
        }
        text += '\n';
    }
    return text;
}

std::pair<std::size_t, std::size_t> Appearances(const std::vector<Ticket>& tickets, int numbers) {
    std::vector<std::size_t> uses(static_cast<std::size_t>(std::max(numbers, 1)), 0);
    for (const Ticket& ticket : tickets) {
        for (int x : ticket) {
            if (x >= 1 && x <= numbers) {
                ++uses[static_cast<std::size_t>(x - 1)];
            }
        }
    }
    const auto [fewest, most] = std::minmax_element(uses.begin(), uses.end());
    return {*fewest, *most};
}

} // namespace quorvex
