// The orbit search: ticket orbits chosen to serve every draw orbit, by greedy and annealing.
#include "orbit_search.h"

#include "draw_cover.h"

#include <algorithm>
#include <cmath>

namespace quorvex::search {

namespace {

constexpr std::uint32_t kNoOrbit = UINT32_MAX;
// How many chosen orbits a swap weighs for its way out: more find better
// swaps, fewer make more of them.
constexpr std::size_t kRemovalCandidates = 8;
// How often the set-up reads the clock, in sets.
constexpr std::uint64_t kSetUpStride = 1 << 14;

Set Apply(const Permutation& g, Set set) {
    Set image = 0;
    for (; set != 0; set &= set - 1) {
        image |= Bit(g[static_cast<std::size_t>(std::countr_zero(set))]);
    }
    return image;
}

// The next set of as many numbers in colex order (Gosper's way).
Set NextSet(Set set) {
    const Set low = set & -set;
    const Set ripple = set + low;
    return ripple | (((set ^ ripple) >> 2) / low);
}

struct Labelled {
    std::vector<std::uint32_t> labels; // each set's orbit, by rank
    std::vector<Set> firsts;           // each orbit's first set in colex order
    std::vector<std::uint32_t> sizes;
};

// Numbers every set of `size` of the `numbers` points by its orbit, orbits in
// the colex order of their first sets; nothing when the budget ran out.
std::optional<Labelled> LabelOrbits(int numbers, int size, const PermutationGroup& group,
                                    SearchBudget& budget) {
    Labelled out;
    const std::uint64_t count = Binomial(numbers, size);
    out.labels.assign(count, kNoOrbit);
    std::vector<Set> queue;
    Set set = Bit(size) - 1;
    for (std::uint64_t rank = 0; rank < count; ++rank, set = NextSet(set)) {
        if (rank % kSetUpStride == 0 && budget.Over()) {
            return std::nullopt;
        }
        if (out.labels[rank] != kNoOrbit) {
            continue;
        }
        const auto orbit = static_cast<std::uint32_t>(out.firsts.size());
        out.labels[rank] = orbit;
        queue.assign(1, set);
        for (std::size_t at = 0; at < queue.size(); ++at) {
            for (const Permutation& g : group.generators) {
                const Set image = Apply(g, queue[at]);
                std::uint32_t& label = out.labels[Rank(image)];
                if (label == kNoOrbit) {
                    label = orbit;
                    queue.push_back(image);
                }
            }
        }
        out.firsts.push_back(set);
        out.sizes.push_back(static_cast<std::uint32_t>(queue.size()));
    }
    return out;
}

// Which ticket orbits are chosen, what each draw orbit is served by, and the
// budget: the state of one selection.
class Selection {
public:
    Selection(const Orbits& orbits, Random& random)
        : orbits_(orbits), random_(random), chosen_(orbits.tickets.size(), kNoOrbit),
          served_(orbits.weights.size(), 0), unservedAt_(orbits.weights.size()),
          stamp_(orbits.weights.size(), 0) {
        for (std::uint32_t j = 0; j < orbits.weights.size(); ++j) {
            unservedAt_[j] = static_cast<std::uint32_t>(unserved_.size());
            unserved_.push_back(j);
            unservedWeight_ += orbits.weights[j];
        }
        double total = 0;
        for (std::uint32_t w : orbits.weights) {
            total += w;
        }
        unit_ = total / static_cast<double>(orbits.weights.size());
    }

    std::uint64_t Cost() const { return cost_; }
    std::uint64_t Unserved() const { return unservedWeight_; }
    const std::vector<std::uint32_t>& Chosen() const { return list_; }

    // Adds the ticket orbit that serves most unserved draws for its cost among
    // those serving a random unserved draw orbit.
    void AddGreedily() {
        const std::uint32_t j = unserved_[random_.Below(unserved_.size())];
        std::uint32_t pick = kNoOrbit;
        double bestRatio = -1;
        std::uint64_t ties = 0;
        for (std::uint32_t s = orbits_.serversStart[j]; s < orbits_.serversStart[j + 1]; ++s) {
            const std::uint32_t i = orbits_.servers[s];
            const double ratio =
                static_cast<double>(Gain(i)) / static_cast<double>(orbits_.costs[i]);
            if (ratio > bestRatio) {
                bestRatio = ratio;
                pick = i;
                ties = 1;
            } else if (ratio == bestRatio && random_.Below(++ties) == 0) {
                pick = i;
            }
        }
        Add(pick);
    }

    // One annealing move under `budget` tickets at temperature `temperature`
    // (in draw orbits of average weight).
    void Move(std::uint64_t budget, double temperature) {
        const std::uint32_t j = unserved_[random_.Below(unserved_.size())];
        const std::uint32_t first = orbits_.serversStart[j];
        const std::uint32_t i =
            orbits_.servers[first + random_.Below(orbits_.serversStart[j + 1] - first)];
        if (cost_ + orbits_.costs[i] <= budget) {
            Add(i);
            return;
        }
        if (list_.empty()) {
            return;
        }
        // Of a few chosen orbits (all, when there are few), the one whose loss,
        // with i in, leaves the fewest draws unserved: the draws only it
        // serves, unless i serves them too.
        ++stampNow_;
        ForEachServed(i, [this](std::uint32_t d) { stamp_[d] = stampNow_; });
        std::uint32_t r = kNoOrbit;
        std::int64_t least = 0;
        std::uint64_t ties = 0;
        const std::size_t tries = std::min(kRemovalCandidates, list_.size());
        for (std::size_t n = 0; n < tries; ++n) {
            const std::uint32_t c =
                tries == list_.size() ? list_[n] : list_[random_.Below(list_.size())];
            if (cost_ - orbits_.costs[c] + orbits_.costs[i] > budget) {
                continue;
            }
            std::int64_t loss = 0;
            ForEachServed(c, [&](std::uint32_t d) {
                if (served_[d] == 1 && stamp_[d] != stampNow_) {
                    loss += orbits_.weights[d];
                }
            });
            if (r == kNoOrbit || loss < least) {
                r = c;
                least = loss;
                ties = 1;
            } else if (loss == least && random_.Below(++ties) == 0) {
                r = c;
            }
        }
        if (r == kNoOrbit) {
            return;
        }
        const std::int64_t delta = least - static_cast<std::int64_t>(Gain(i));
        if (delta > 0 &&
            random_.Chance() >= std::exp(-static_cast<double>(delta) / (unit_ * temperature))) {
            return;
        }
        Remove(r);
        Add(i);
    }

    // Drops the chosen orbit whose draws others serve most, until the cost is
    // at most `budget`.
    void ShrinkTo(std::uint64_t budget) {
        while (cost_ > budget && !list_.empty()) {
            std::uint32_t cheapest = list_[0];
            double fewest = -1;
            for (std::uint32_t i : list_) {
                std::uint64_t alone = 0;
                ForEachServed(
                    i, [&](std::uint32_t d) { alone += served_[d] == 1 ? orbits_.weights[d] : 0; });
                const double perTicket =
                    static_cast<double>(alone) / static_cast<double>(orbits_.costs[i]);
                if (fewest < 0 || perTicket < fewest ||
                    (perTicket == fewest && random_.Below(2) == 0)) {
                    fewest = perTicket;
                    cheapest = i;
                }
            }
            Remove(cheapest);
        }
    }

private:
    template <class Visit> void ForEachServed(std::uint32_t i, Visit&& visit) const {
        for (std::uint32_t s = orbits_.servedStart[i]; s < orbits_.servedStart[i + 1]; ++s) {
            visit(orbits_.served[s]);
        }
    }
    std::uint64_t Gain(std::uint32_t i) const {
        std::uint64_t gain = 0;
        ForEachServed(i,
                      [&](std::uint32_t d) { gain += served_[d] == 0 ? orbits_.weights[d] : 0; });
        return gain;
    }
    void Add(std::uint32_t i) {
        chosen_[i] = static_cast<std::uint32_t>(list_.size());
        list_.push_back(i);
        cost_ += orbits_.costs[i];
        ForEachServed(i, [this](std::uint32_t d) {
            if (served_[d]++ == 0) {
                const std::uint32_t moved = unserved_.back();
                unserved_[unservedAt_[d]] = moved;
                unservedAt_[moved] = unservedAt_[d];
                unserved_.pop_back();
                unservedWeight_ -= orbits_.weights[d];
            }
        });
    }
    void Remove(std::uint32_t i) {
        const std::uint32_t moved = list_.back();
        list_[chosen_[i]] = moved;
        chosen_[moved] = chosen_[i];
        list_.pop_back();
        chosen_[i] = kNoOrbit;
        cost_ -= orbits_.costs[i];
        ForEachServed(i, [this](std::uint32_t d) {
            if (--served_[d] == 0) {
                unservedAt_[d] = static_cast<std::uint32_t>(unserved_.size());
                unserved_.push_back(d);
                unservedWeight_ += orbits_.weights[d];
            }
        });
    }

    const Orbits& orbits_;
    Random& random_;
    std::vector<std::uint32_t> chosen_; // per ticket orbit: its place in list_, if chosen
    std::vector<std::uint32_t> list_;   // the chosen ticket orbits
    std::vector<std::uint32_t> served_; // per draw orbit: the chosen orbits serving it
    std::vector<std::uint32_t> unserved_, unservedAt_;
    std::vector<std::uint32_t> stamp_;
    std::uint32_t stampNow_ = 0;
    std::uint64_t cost_ = 0, unservedWeight_ = 0;
    double unit_ = 1;
};

} // namespace

OrbitCost EstimateOrbits(const WheelGoal& goal, const PermutationGroup& group) {
    const auto [n, k, t, m] = goal;
    if (k > kMostDrawn) { // tickets past the ranks' reach: and far too many of them
        return {INFINITY, INFINITY};
    }
    double reach = 0; // draws one ticket meets in t or more numbers
    for (int j = t; j <= std::min(k, m); ++j) {
        reach += static_cast<double>(Binomial(k, j)) * static_cast<double>(Binomial(n - k, m - j));
    }
    const double gens = static_cast<double>(group.generators.size());
    const double tickets = static_cast<double>(Binomial(n, k));
    const double draws = static_cast<double>(Binomial(n, m));
    const double order = static_cast<double>(group.elements.size());
    return {tickets * gens + (k == m ? 0 : draws * gens) + tickets / order * reach,
            4 * (tickets + (k == m ? 0 : draws)) +
                8 * tickets / order * std::min(reach, draws / order)};
}

std::optional<Orbits> FindOrbits(const WheelGoal& goal, const PermutationGroup& group,
                                 SearchBudget& budget) {
    auto ticketSets = LabelOrbits(goal.numbers, goal.perTicket, group, budget);
    if (!ticketSets) {
        return std::nullopt;
    }
    std::optional<Labelled> drawSets;
    if (goal.drawn != goal.perTicket) {
        drawSets = LabelOrbits(goal.numbers, goal.drawn, group, budget);
        if (!drawSets) {
            return std::nullopt;
        }
    }
    // When tickets and draws have one size, their orbits are the same.
    const Labelled& draws = drawSets ? *drawSets : *ticketSets;
    Orbits orbits;
    orbits.group = &group;
    orbits.weights = draws.sizes;
    orbits.tickets = std::move(ticketSets->firsts);
    orbits.costs = std::move(ticketSets->sizes);
    if (drawSets) {
        ticketSets->labels = {};
    }

    // Which draw orbits each ticket orbit serves, from its representative;
    // then, turned round, which ticket orbits serve each draw orbit.
    std::vector<std::uint32_t> stamp(orbits.weights.size(), kNoOrbit);
    orbits.servedStart.assign(1, 0);
    for (std::uint32_t i = 0; i < orbits.tickets.size(); ++i) {
        if (i % 64 == 0 && budget.Over()) {
            return std::nullopt;
        }
        ForEachDrawMet(goal, orbits.tickets[i], [&](Set draw) {
            const std::uint32_t d = draws.labels[Rank(draw)];
            if (stamp[d] != i) {
                stamp[d] = i;
                orbits.served.push_back(d);
            }
        });
        orbits.servedStart.push_back(static_cast<std::uint32_t>(orbits.served.size()));
    }
    orbits.served.shrink_to_fit();
    orbits.serversStart.assign(orbits.weights.size() + 1, 0);
    for (std::uint32_t d : orbits.served) {
        ++orbits.serversStart[d + 1];
    }
    for (std::size_t d = 0; d < orbits.weights.size(); ++d) {
        orbits.serversStart[d + 1] += orbits.serversStart[d];
    }
    orbits.servers.resize(orbits.served.size());
    std::vector<std::uint32_t> next(orbits.serversStart.begin(), orbits.serversStart.end() - 1);
    for (std::uint32_t i = 0; i < orbits.tickets.size(); ++i) {
        for (std::uint32_t s = orbits.servedStart[i]; s < orbits.servedStart[i + 1]; ++s) {
            orbits.servers[next[orbits.served[s]]++] = i;
        }
    }
    return orbits;
}

std::vector<Set> ExpandOrbits(const Orbits& orbits, const std::vector<std::uint32_t>& chosen) {
    std::vector<Set> tickets;
    for (std::uint32_t i : chosen) {
        const std::size_t first = tickets.size();
        for (const Permutation& g : orbits.group->elements) {
            tickets.push_back(Apply(g, orbits.tickets[i]));
        }
        std::sort(tickets.begin() + static_cast<std::ptrdiff_t>(first), tickets.end());
        tickets.erase(
            std::unique(tickets.begin() + static_cast<std::ptrdiff_t>(first), tickets.end()),
            tickets.end());
    }
    return tickets;
}

std::uint64_t SearchOrbits(const Orbits& orbits, int numbers, std::uint64_t floor,
                           double temperature, Random& random, SearchBudget& budget,
                           BestFound& best, const std::string& method) {
    Selection selection(orbits, random);
    while (selection.Unserved() > 0) {
        selection.AddGreedily();
    }
    std::uint64_t limit = 0;
    const auto keep = [&] {
        limit = selection.Cost() - 1;
        if (best.tickets.empty() || selection.Cost() < best.size) {
            best.Offer(ExpandOrbits(orbits, selection.Chosen()), numbers, method, budget.Reports());
        }
    };
    keep();
    Pace pace(budget);
    while (limit >= floor) {
        selection.ShrinkTo(limit);
        for (std::uint64_t i = 0; i < pace.Moves() && selection.Unserved() > 0; ++i) {
            selection.Move(limit, temperature);
        }
        if (selection.Unserved() == 0) {
            keep();
        }
        if (budget.Spend(pace.Moves())) {
            break;
        }
        pace.Looked();
    }
    return limit + 1;
}

} // namespace quorvex::search
