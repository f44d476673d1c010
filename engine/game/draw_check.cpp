// Reading a draw, and counting the tickets' hits on it.
#include "draw_check.h"

#include "parse_matrix.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <cstdint>

namespace quorvex {

DrawEntry ParseDraw(std::string_view text, int balls, int most) {
    DrawEntry entry;
    std::bitset<kMaxBalls + 1> seen;
    const auto refuse = [&entry](std::string reason, std::size_t start, std::size_t length) {
        entry.refusal = Refusal{std::move(reason), start, length};
        return entry;
    };
    std::size_t tooMany = 0; // where the numbers past the most begin
    std::size_t end = 0;     // where the last number ends
    for (const std::string_view token : Tokens(text)) {
        const auto start = static_cast<std::size_t>(token.data() - text.data());
        end = start + token.size();
        const bool digits =
            std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
        const unsigned value = digits ? DigitsValue(token) : 0;
        if (value < 1 || value > static_cast<unsigned>(balls)) {
            return refuse(QuoteToken(token) + " is not a number 1-" + std::to_string(balls), start,
                          token.size());
        }
        if (seen[value]) {
            return refuse(std::to_string(value) + " appears twice", start, token.size());
        }
        seen[value] = true;
        entry.numbers.push_back(static_cast<int>(value));
        if (entry.numbers.size() == static_cast<std::size_t>(most) + 1) {
            tooMany = start;
        }
    }
    if (entry.numbers.empty()) {
        return refuse("type the numbers drawn", 0, 0);
    }
    if (entry.numbers.size() > static_cast<std::size_t>(most)) {
        return refuse(std::to_string(entry.numbers.size()) + " numbers: a draw has at most " +
                          std::to_string(most),
                      tooMany, end - tooMany);
    }
    return entry;
}

DrawnSet SetOfDrawn(std::span<const int> drawn) {
    DrawnSet set;
    for (int n : drawn) {
        set[static_cast<std::size_t>(n)] = true;
    }
    return set;
}

DrawResult CheckDraw(const LineList& tickets, std::span<const int> drawn, std::size_t limit) {
    DrawResult result;
    result.drawn = SetOfDrawn(drawn);
    // Tickets hold 1..49 only, so their hits fit one word.
    const std::uint64_t drawnSet = (result.drawn & DrawnSet(~std::uint64_t{0})).to_ullong();
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
