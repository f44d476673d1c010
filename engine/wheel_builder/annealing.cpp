// The plain search: greedy start, then annealing on single tickets, dropping one at a time.
#include "annealing.h"

#include <cmath>

namespace quorvex::search {

namespace {

// Moves at one temperature; the draws a swap loses and gains are kept between moves.
class Mover {
public:
    Mover(SearchWheel& wheel, double temperature, Random& random) : wheel_(wheel), random_(random) {
        for (std::size_t d = 0; d < acceptance_.size(); ++d) {
            acceptance_[d] = std::exp(-static_cast<double>(d) / temperature);
        }
    }

    // One move: an unmet draw, a ticket meeting it in t - 1 numbers, and a
    // swap of one number that makes the ticket meet it in t.
    void Move() {
        const DrawCover& cover = wheel_.Cover();
        const Set draw = cover.RandomUnmet(random_);
        const auto& candidates = wheel_.Holding(random_.Subset(draw, cover.t - 1));
        if (candidates.empty()) {
            return;
        }
        const std::uint32_t which = candidates[random_.Below(candidates.size())];
        const Set ticket = wheel_.Tickets()[which];
        const Set out = random_.Subset(ticket & ~draw, 1);
        const Set in = random_.Subset(draw & ~ticket, 1);

        // The draws met only through `out` are those holding it and t - 1 other
        // numbers of the ticket, `in` not among the rest; the draws met anew
        // are the same with `in` in place of `out`.
        lost_.clear();
        gained_.clear();
        std::int64_t delta = 0;
        ForEachAround(cover, ticket & ~out, cover.all & ~ticket & ~in, scratch_, [&](Set rest) {
            const std::uint32_t lost = Rank(rest | out);
            const std::uint32_t gained = Rank(rest | in);
            delta += (cover.Met(lost) == 1) - (cover.Met(gained) == 0);
            lost_.push_back(lost);
            gained_.push_back(gained);
        });
        if (delta > 0 && (static_cast<std::size_t>(delta) >= acceptance_.size() ||
                          random_.Chance() >= acceptance_[static_cast<std::size_t>(delta)])) {
            return;
        }
        wheel_.Replace(which, (ticket & ~out) | in, lost_, gained_);
    }

private:
    SearchWheel& wheel_;
    Random& random_;
    std::array<double, 64> acceptance_{};
    std::vector<Set> scratch_;
    std::vector<std::uint32_t> lost_, gained_;
};

} // namespace

double PlainTemperature(const WheelGoal& goal) {
    return goal.drawn == goal.atLeast ? kCoveringTemperature : kLottoTemperature;
}

bool Greedy(SearchWheel& wheel, Random& random, SearchBudget& budget, BestFound& best,
            const std::string& method) {
    const WheelGoal goal{wheel.Cover().n, wheel.Cover().k, wheel.Cover().t, wheel.Cover().m};
    while (wheel.Unmet() > 0) {
        if (!budget.Affords(TicketSeconds(goal))) {
            return false;
        }
        wheel.AddGreedily(random);
        if (budget.Spend(1)) {
            return false;
        }
    }
    if (!wheel.DropRedundant(budget)) {
        return false;
    }
    best.Offer(wheel.Tickets(), wheel.Cover().n, method, budget.Reports());
    return true;
}

void Anneal(SearchWheel& wheel, double temperature, std::uint64_t floor, Random& random,
            SearchBudget& budget, BestFound& best, const std::string& method) {
    const int numbers = wheel.Cover().n;
    if (!Greedy(wheel, random, budget, best, method)) {
        return;
    }
    Mover mover(wheel, temperature, random);
    Pace pace(budget);
    std::vector<Set> smallest; // this search's own, to go back to
    std::uint64_t moves = 0, lastCover = 0;
    while (true) {
        if (wheel.Unmet() == 0) {
            if (!wheel.DropRedundant(budget)) {
                return;
            }
            smallest = wheel.Tickets();
            best.Offer(smallest, numbers, method, budget.Reports());
            if (smallest.size() <= floor || wheel.Size() <= 1 ||
                !wheel.DropCheapest(random, budget)) {
                return;
            }
            lastCover = moves;
        }
        const std::uint64_t size = smallest.size();
        if (moves - lastCover > std::max(kPatienceMoves, kPatiencePerSquaredTicket * size * size)) {
            if (!wheel.Restart(smallest, budget)) {
                return;
            }
            wheel.Remove(random.Below(wheel.Size()));
            lastCover = moves;
        }
        std::uint64_t made = 0;
        for (; made < pace.Moves() && wheel.Unmet() > 0; ++made) {
            mover.Move();
        }
        moves += made;
        if (budget.Spend(made)) {
            return;
        }
        pace.Looked();
    }
}

} // namespace quorvex::search
