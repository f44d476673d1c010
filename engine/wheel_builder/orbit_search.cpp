// The orbit search: ticket orbits chosen to serve every draw orbit, by greedy and annealing.
#include "orbit_search.h"

#include <algorithm>
#include <cmath>

namespace quorvex::search {

namespace {

// How many chosen orbits a swap weighs for its way out: more find better
// swaps, fewer make more of them.
constexpr std::size_t kRemovalCandidates = 8;

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
