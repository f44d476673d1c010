// Setting up the orbits: every ticket and draw labelled by its orbit under a group, and which
// draw orbits each ticket orbit serves.
#include "orbit_setup.h"

#include "draw_counts.h"

#include <algorithm>
#include <cmath>

namespace quorvex::search {

namespace {

// The set-up of the orbits may take this much of the time, and this memory.
constexpr double kOrbitSetUpShare = 0.25;
constexpr double kOrbitBytes = 256.0 * (1 << 20);
// The largest group whose orbits are searched: a larger one makes orbits of
// more tickets than a good wheel can spare.
constexpr int kLargestOrbitGroup = 160;
// Sets visited a second in the orbits' set-up, roughly, on one core.
constexpr double kOrbitVisitsPerSecond = 1.5e7;

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

double OrbitSetUpVisits(double seconds) {
    return kOrbitVisitsPerSecond * kOrbitSetUpShare * seconds;
}

std::vector<PermutationGroup> GroupsThatFit(const WheelGoal& goal, std::size_t wheelSize,
                                            double seconds) {
    std::vector<PermutationGroup> groups;
    OrbitCost total;
    const int largest = static_cast<int>(std::min<std::size_t>(wheelSize / 2, kLargestOrbitGroup));
    for (PermutationGroup& group : GroupsFor(goal.numbers, largest)) {
        const OrbitCost cost = EstimateOrbits(goal, group);
        if (total.bytes + cost.bytes <= kOrbitBytes &&
            total.visits + cost.visits <= OrbitSetUpVisits(seconds)) {
            groups.push_back(std::move(group));
            total.bytes += cost.bytes;
            total.visits += cost.visits;
        }
    }
    return groups;
}

} // namespace quorvex::search
