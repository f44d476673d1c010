// A history read under one game and counted under another, as when the player
// changes the game with past draws open: the tallies, the balls' counts and the
// fairness test must never reach outside their tables, and must agree with a
// plain count of each draw as the counting game reads it (its first M numbers
// that are balls of it, each once).
//
// Input: P and M of the game read under, of the game counted under, a byte for
// the tickets, then the text.

#include "draw_history.h"
#include "fairness.h"
#include "fuzz_check.h"
#include "past_draws.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

Game GameOf(std::uint8_t balls, std::uint8_t drawn) {
    Game game;
    game.balls = balls % 89 + 2;
    game.drawn = drawn % std::min(game.balls, 20) + 1;
    game.prizes.assign(static_cast<std::size_t>(game.drawn) + 1, 0);
    game.prizes.back() = 1000000000000;
    return game;
}

// Tickets over 1..P of the counting game, from one byte: a few runs of numbers.
LineList TicketsOf(std::uint8_t seed, const Game& game) {
    LineList tickets;
    const int width = seed % std::min(game.balls, 14) + 1;
    for (int start = 1; start + width - 1 <= game.balls && start <= 1 + 3 * (seed % 5);
         start += 3) {
        for (int n = start; n < start + width; ++n) {
            tickets.push(static_cast<Number>(n));
        }
        tickets.endLine();
    }
    return tickets;
}

// The draw as the game reads it.
std::set<int> AsDrawn(const PastDraw& draw, const Game& game) {
    std::set<int> balls;
    for (int n : draw.numbers) {
        if (n >= 1 && n <= game.balls && static_cast<int>(balls.size()) < game.drawn) {
            balls.insert(n);
        }
    }
    return balls;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) {
        return 0;
    }
    const Game readUnder = GameOf(data[0], data[1]);
    const Game countUnder = GameOf(data[2], data[3]);
    const LineList tickets = TicketsOf(data[4], countUnder);
    const std::string text(reinterpret_cast<const char*>(data) + 5, size - 5);
    const DrawHistory history = ParseHistory(text, readUnder.balls, readUnder.drawn);

    Progress progress;
    const auto tally = TallyPastDraws(tickets, history.draws, countUnder, progress);
    Check(tally.has_value() && tally->draws.size() == history.draws.size(), "a row a draw");
    std::vector<std::uint64_t> times(static_cast<std::size_t>(countUnder.balls) + 1, 0);
    for (std::size_t d = 0; d < history.draws.size(); ++d) {
        const std::set<int> drawn = AsDrawn(history.draws[d], countUnder);
        for (int n : drawn) {
            ++times[static_cast<std::size_t>(n)];
        }
        int best = 0;
        std::vector<std::uint64_t> withHits(static_cast<std::size_t>(countUnder.drawn) + 1, 0);
        for (std::size_t i = 0; i < tickets.size(); ++i) {
            int hits = 0;
            for (Number n : tickets.line(i)) {
                hits += static_cast<int>(drawn.count(n));
            }
            ++withHits[static_cast<std::size_t>(hits)];
            best = std::max(best, hits);
        }
        const DrawTally& row = tally->draws[d];
        Check(row.withHits == withHits, "the tickets at each number of hits");
        Check(row.best == best, "the best ticket");
    }
    const std::vector<std::uint64_t> counted = TimesDrawn(history.draws, countUnder);
    Check(counted == times, "how often each ball came out");
    const Fairness fairness = TestFairness(counted, history.draws.size(), countUnder.drawn);
    Check(fairness.p >= 0 && fairness.p <= 1, "a chance");
    return 0;
}
