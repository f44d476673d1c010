// Past draws, timed: 10 000 draws of 6 of 49 tallied against 100 000 and a
// million tickets of 6 on one thread, after a plain ticket-by-ticket count has
// given the same tallies; and a history of 10 000 lines read.
//
//   quorvex-past-draws-bench

#include "draw_history.h"
#include "past_draws.h"
#include "wheel_generator.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>

using namespace quorvex;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// Each ticket against each draw, one by one: the tickets at each number of hits.
std::vector<std::vector<std::uint64_t>> PlainCount(const LineList& tickets,
                                                   const std::vector<PastDraw>& draws, int drawn) {
    std::vector<std::uint64_t> sets;
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        std::uint64_t set = 0;
        for (Number n : tickets.line(i)) {
            set |= std::uint64_t{1} << n;
        }
        sets.push_back(set);
    }
    std::vector<std::vector<std::uint64_t>> counts;
    for (const PastDraw& draw : draws) {
        std::uint64_t set = 0;
        for (int n : draw.numbers) {
            set |= std::uint64_t{1} << n;
        }
        std::vector<std::uint64_t> withHits(static_cast<std::size_t>(drawn) + 1, 0);
        for (std::uint64_t ticket : sets) {
            ++withHits[static_cast<std::size_t>(std::popcount(ticket & set))];
        }
        counts.push_back(std::move(withHits));
    }
    return counts;
}

} // namespace

int main() {
    const Game game = StandardGames().front();
    std::mt19937 random(2026);
    std::vector<PastDraw> draws(10'000);
    std::string history = "Date;N1;N2;N3;N4;N5;N6;Bonus\n";
    for (std::size_t d = 0; d < draws.size(); ++d) {
        std::vector<int> balls(49);
        std::iota(balls.begin(), balls.end(), 1);
        std::shuffle(balls.begin(), balls.end(), random);
        draws[d].numbers.assign(balls.begin(), balls.begin() + 6);
        history += "2026-01-01";
        for (int i = 0; i < 7; ++i) {
            history += ";" + std::to_string(balls[static_cast<std::size_t>(i)]);
        }
        history += "\n";
    }
    std::printf("%-12s %9s %7s %12s %12s\n", "past draws", "tickets", "draws", "quorvex ms",
                "plain ms");
    for (std::size_t count : {100'000, 1'000'000}) {
        LineList tickets;
        for (const auto& row : bench::RandomWheel(random, count, {49, 6, 6, false})) {
            for (int n : row) {
                tickets.push(static_cast<Number>(n));
            }
            tickets.endLine();
        }
        auto start = Clock::now();
        const auto plain = PlainCount(tickets, draws, game.drawn);
        const double plainMs = Milliseconds(start);
        std::vector<double> times;
        for (int run = 0; run < 3; ++run) {
            Progress progress;
            start = Clock::now();
            const auto tally = TallyPastDraws(tickets, draws, game, progress);
            times.push_back(Milliseconds(start));
            for (std::size_t d = 0; d < draws.size(); ++d) {
                if (tally->draws[d].withHits != plain[d]) {
                    std::fprintf(stderr, "the tallies differ at draw %zu\n", d);
                    return 1;
                }
            }
        }
        std::sort(times.begin(), times.end());
        std::printf("%-12s %9zu %7zu %12.1f %12.1f\n", game.name.c_str(), count, draws.size(),
                    times[1], plainMs);
    }
    std::vector<double> reads;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        const DrawHistory read = ParseHistory(history, game.balls, game.drawn);
        reads.push_back(Milliseconds(start));
        if (read.draws.size() != draws.size() || !read.skipped.empty()) {
            std::fprintf(stderr, "the history was not read whole\n");
            return 1;
        }
    }
    std::sort(reads.begin(), reads.end());
    std::printf("a history of %zu lines read in %.1f ms\n", draws.size() + 1, reads[2]);
    std::printf("(one thread; median of 3 tallies, of 5 readings; the tallies equal to a\n"
                " plain count of every ticket on every draw)\n");
    return 0;
}
