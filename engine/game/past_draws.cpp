// Past draws tallied against the tickets: by their subsets' counts, or ticket by ticket.
#include "past_draws.h"

#include "search_sets.h"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>

namespace quorvex {

namespace {

using search::Set;

// Counting tickets by their subsets pays while the table stays this small.
constexpr std::uint64_t kLargestSubsetTable = 64'000'000;
// Draws between two looks at the clock and the cancel.
constexpr std::size_t kDrawsPerLook = 64;

// The tickets as sets of the player's numbers (the numbers they use, in order).
struct PlayerTickets {
    std::vector<Set> sets;
    std::array<int, 256> index{}; // a ball's place among the player's numbers, or -1
    int numbers = 0;
    int longest = 0;
};

PlayerTickets Player(const LineList& tickets) {
    PlayerTickets player;
    std::array<bool, 256> used{};
    for (Number n : tickets.numbers()) {
        used[n] = true;
    }
    player.index.fill(-1);
    for (int n = 0; n < 256; ++n) {
        if (used[static_cast<std::size_t>(n)] && player.numbers < 64) {
            player.index[static_cast<std::size_t>(n)] = player.numbers++;
        }
    }
    player.sets.reserve(tickets.size());
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        Set set = 0;
        for (Number n : tickets.line(i)) {
            set |= player.index[n] < 0 ? 0 : Set{1} << player.index[n];
        }
        player.sets.push_back(set);
        player.longest = std::max(player.longest, std::popcount(set));
    }
    return player;
}

// How many tickets hold each set of up to `longest` of the player's numbers,
// sets of one size after another, each in colex order.
class SubsetCounts {
public:
    SubsetCounts(const PlayerTickets& player) : longest_(player.longest) {
        std::uint64_t size = 0;
        for (int j = 0; j <= longest_; ++j) {
            offset_[static_cast<std::size_t>(j)] = size;
            size += Binomial(player.numbers, j);
        }
        counts_.assign(size, 0);
        for (Set ticket : player.sets) {
            for (Set part = ticket;;
                 part = (part - 1) & ticket) { // every subset, the empty one last
                ++counts_[Place(part)];
                if (part == 0) {
                    break;
                }
            }
        }
    }

    // withHits[j] for the draw S: the tickets holding exactly j of it.
    void Tally(Set drawn, std::vector<std::uint64_t>& withHits) const {
        const int m = std::popcount(drawn);
        const int top = std::min(m, longest_);
        std::array<std::int64_t, 65> bySize{}; // the counts of the subsets of S, summed by size
        for (int i = 0; i <= top; ++i) {
            search::ForEachSubset(drawn, i, [&](Set part) {
                bySize[static_cast<std::size_t>(i)] += counts_[Place(part)];
            });
        }
        for (int j = 0; j <= top; ++j) {
            std::int64_t exactly = 0;
            for (int i = j; i <= top; ++i) {
                const auto ways = static_cast<std::int64_t>(Binomial(i, j));
                exactly += ((i - j) % 2 == 0 ? ways : -ways) * bySize[static_cast<std::size_t>(i)];
            }
            withHits[static_cast<std::size_t>(j)] = static_cast<std::uint64_t>(exactly);
        }
    }

private:
    std::uint64_t Place(Set part) const {
        return offset_[static_cast<std::size_t>(std::popcount(part))] + search::Rank(part);
    }

    int longest_;
    std::array<std::uint64_t, 66> offset_{};
    std::vector<std::uint32_t> counts_;
};

// A draw as the game reads it: its first M numbers that are balls of the game, each once.
std::bitset<kMaxBalls + 1> BallsOf(const PastDraw& draw, const Game& game) {
    std::bitset<kMaxBalls + 1> balls;
    for (int n : draw.numbers) {
        if (n >= 1 && n <= std::min(game.balls, kMaxBalls) &&
            balls.count() < static_cast<std::size_t>(game.drawn)) {
            balls[static_cast<std::size_t>(n)] = true;
        }
    }
    return balls;
}

// The player's numbers among a draw's balls.
Set DrawnOfPlayer(const PastDraw& draw, const Game& game, const PlayerTickets& player) {
    const std::bitset<kMaxBalls + 1> balls = BallsOf(draw, game);
    Set drawn = 0;
    for (int n = 1; n <= kMaxBalls; ++n) {
        const int at = player.index[static_cast<std::size_t>(n)];
        drawn |= balls[static_cast<std::size_t>(n)] && at >= 0 ? Set{1} << at : 0;
    }
    return drawn;
}

bool SubsetsPay(const PlayerTickets& player, std::size_t draws, int drawn) {
    if (player.longest > kMostDrawn) {
        return false;
    }
    std::uint64_t table = 0, perDraw = 0;
    const int m = std::min(player.numbers, drawn);
    for (int j = 0; j <= player.longest; ++j) {
        table += Binomial(player.numbers, j);
        perDraw += Binomial(m, std::min(j, m));
    }
    const double build =
        static_cast<double>(player.sets.size()) * static_cast<double>(Set{1} << player.longest);
    return table <= kLargestSubsetTable &&
           build + static_cast<double>(draws) * static_cast<double>(perDraw) <
               static_cast<double>(draws) * static_cast<double>(player.sets.size());
}

} // namespace

std::optional<PastDrawsTally> TallyPastDraws(const LineList& tickets,
                                             const std::vector<PastDraw>& draws, const Game& game,
                                             Progress& progress) {
    const PlayerTickets player = Player(tickets);
    PastDrawsTally tally;
    tally.reached.assign(static_cast<std::size_t>(game.drawn) + 1, 0);
    tally.cost = CostOf(draws.size(), game.price) * static_cast<MoneySum>(tickets.size());
    progress.Start(draws.size());
    std::optional<SubsetCounts> subsets;
    if (SubsetsPay(player, draws.size(), game.drawn)) {
        subsets.emplace(player);
    }
    for (std::size_t d = 0; d < draws.size(); ++d) {
        if (d % kDrawsPerLook == 0) {
            if (progress.Cancelled()) {
                return std::nullopt;
            }
            progress.Set(d);
        }
        const Set drawn = DrawnOfPlayer(draws[d], game, player);
        DrawTally row;
        row.mine = std::popcount(drawn);
        row.withHits.assign(static_cast<std::size_t>(game.drawn) + 1, 0);
        if (subsets) {
            subsets->Tally(drawn, row.withHits);
        } else {
            for (Set ticket : player.sets) {
                ++row.withHits[static_cast<std::size_t>(std::popcount(ticket & drawn))];
            }
        }
        for (int j = 0; j <= game.drawn; ++j) {
            const std::uint64_t count = row.withHits[static_cast<std::size_t>(j)];
            row.best = count > 0 ? j : row.best;
            row.won += static_cast<MoneySum>(count) * game.Prize(j);
        }
        for (int t = 1; t <= row.best; ++t) {
            ++tally.reached[static_cast<std::size_t>(t)];
        }
        tally.prizes += row.won;
        tally.draws.push_back(std::move(row));
    }
    progress.Set(draws.size());
    return tally;
}

OwnWheel AsOwnWheel(const LineList& tickets) {
    std::array<int, 256> index{};
    for (Number n : tickets.numbers()) {
        index[n] = 1;
    }
    OwnWheel wheel;
    for (int& at : index) {
        at = at != 0 ? ++wheel.numbers : 0;
    }
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        for (Number n : tickets.line(i)) {
            wheel.lines.push(static_cast<Number>(index[n]));
        }
        wheel.lines.endLine();
    }
    return wheel;
}

std::vector<Observed> ObservedAgainstExpected(const PastDrawsTally& tally,
                                              const std::vector<Chance>& chances) {
    std::vector<Observed> rows;
    for (const Chance& chance : chances) {
        const auto t = static_cast<std::size_t>(chance.atLeast);
        rows.push_back({chance.atLeast, t < tally.reached.size() ? tally.reached[t] : 0,
                        static_cast<double>(tally.draws.size()) * chance.Probability(),
                        chance.exact});
    }
    return rows;
}

std::vector<std::uint64_t> TimesDrawn(const std::vector<PastDraw>& draws, const Game& game) {
    const int balls = std::clamp(game.balls, 0, kMaxBalls);
    std::vector<std::uint64_t> times(static_cast<std::size_t>(balls) + 1, 0);
    for (const PastDraw& draw : draws) {
        const std::bitset<kMaxBalls + 1> drawn = BallsOf(draw, game);
        for (int n = 1; n <= balls; ++n) {
            times[static_cast<std::size_t>(n)] += drawn[static_cast<std::size_t>(n)];
        }
    }
    return times;
}

} // namespace quorvex
