#include "draw_check.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace quorvex {

namespace {

bool IsDrawSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ';';
}

} // namespace

DrawEntry ParseDraw(std::string_view text) {
    DrawEntry entry;
    std::uint64_t seen = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsDrawSeparator(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && !IsDrawSeparator(text[i])) {
            ++i;
        }
        const std::string_view token = text.substr(start, i - start);
        unsigned value = 0;
        for (char c : token) {
            // Saturated, so that no run of digits can wrap round to a valid number.
            value = c >= '0' && c <= '9' ? std::min(value * 10 + unsigned(c - '0'), 100u) : 1000u;
        }
        if (value < 1 || value > kHighestNumber) {
            entry.problem = QuoteToken(token) + " is not a number 1-49";
            return entry;
        }
        const std::uint64_t bit = std::uint64_t{1} << value;
        if (seen & bit) {
            entry.problem = std::to_string(value) + " appears twice";
            return entry;
        }
        seen |= bit;
        entry.numbers.push_back(static_cast<int>(value));
    }
    if (entry.numbers.empty()) {
        entry.problem = "type the numbers drawn";
    } else if (entry.numbers.size() > kMostDrawn) {
        entry.problem = std::to_string(entry.numbers.size()) + " numbers: a draw has at most " +
                        std::to_string(kMostDrawn);
    }
    return entry;
}

DrawResult CheckDraw(const LineList& tickets, std::span<const int> drawn, std::size_t limit) {
    std::uint64_t drawnSet = 0;
    for (int n : drawn) {
        drawnSet |= std::uint64_t{1} << n;
    }
    DrawResult result;
    result.ticketsWithHits.assign(drawn.size() + 1, 0);
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        std::uint64_t ticket = 0;
        for (Number n : tickets.line(i)) {
            ticket |= std::uint64_t{1} << n;
        }
        const int hits = std::popcount(ticket & drawnSet);
        ++result.ticketsWithHits[static_cast<std::size_t>(hits)];
        if (hits > result.mostHits) {
            result.mostHits = hits;
            result.bestTickets.clear();
        }
        if (hits == result.mostHits && result.bestTickets.size() < limit) {
            result.bestTickets.push_back(i);
        }
    }
    return result;
}

} // namespace quorvex
