#include "wheel_search.h"

#include "coverage.h"
#include "draw_cover.h"
#include "line_list.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
#include <thread>

namespace quorvex {

namespace {

using namespace search;
using Clock = std::chrono::steady_clock;

// The plain search: single tickets, each filed under its (t-1)-sets so that a
// ticket meeting a draw in t-1 numbers is found at once.
class Search {
public:
    Search(const WheelGoal& goal, Random& random, double temperature)
        : cover_(goal), random_(random), holding_(Binomial(goal.numbers, goal.atLeast - 1)) {
        // A swap that uncovers d more draws than it covers is taken with chance e^(-d/T).
        for (std::size_t d = 0; d < acceptance_.size(); ++d) {
            acceptance_[d] = std::exp(-static_cast<double>(d) / temperature);
        }
    }

    std::size_t Size() const { return tickets_.size(); }
    std::size_t Unmet() const { return cover_.Unmet(); }
    const std::vector<Set>& Tickets() const { return tickets_; }

    void Add(Set ticket) {
        tickets_.push_back(ticket);
        cover_.Add(ticket);
        Index(ticket, static_cast<std::uint32_t>(tickets_.size() - 1), true);
    }

    // Covers an unmet draw with a new ticket: t of its numbers, then the
    // numbers the tickets use least, so that every number gets its share.
    void AddGreedily() {
        Set ticket = random_.Subset(cover_.RandomUnmet(random_), cover_.t);
        std::vector<int> uses(static_cast<std::size_t>(cover_.n), 0);
        for (Set held : tickets_) {
            for (; held != 0; held &= held - 1) {
                ++uses[static_cast<std::size_t>(std::countr_zero(held))];
            }
        }
        for (int more = cover_.k - cover_.t; more > 0; --more) {
            int pick = -1;
            std::uint64_t ties = 0;
            for (int x = 0; x < cover_.n; ++x) {
                if ((ticket & Bit(x)) != 0) {
                    continue;
                }
                const int use = uses[static_cast<std::size_t>(x)];
                if (pick < 0 || use < uses[static_cast<std::size_t>(pick)]) {
                    pick = x;
                    ties = 1;
                } else if (use == uses[static_cast<std::size_t>(pick)] &&
                           random_.Below(++ties) == 0) {
                    pick = x;
                }
            }
            ticket |= Bit(pick);
        }
        Add(ticket);
    }

    // One annealing move: an unmet draw, a ticket meeting it in t - 1 numbers,
    // and a swap of one number that makes the ticket meet it in t.
    void Move() {
        const Set draw = cover_.RandomUnmet(random_);
        const auto& candidates = holding_[Rank(random_.Subset(draw, cover_.t - 1))];
        if (candidates.empty()) {
            return;
        }
        const std::uint32_t which = candidates[random_.Below(candidates.size())];
        const Set ticket = tickets_[which];
        const Set out = random_.Subset(ticket & ~draw, 1);
        const Set in = random_.Subset(draw & ~ticket, 1);

        // The draws met only through `out` are those holding it and t - 1 other
        // numbers of the ticket, `in` not among the rest; the draws met anew
        // are the same with `in` in place of `out`.
        lost_.clear();
        gained_.clear();
        std::int64_t delta = 0;
        ForEachAround(ticket & ~out, cover_.all & ~ticket & ~in, [&](Set rest) {
            const std::uint32_t lost = Rank(rest | out);
            const std::uint32_t gained = Rank(rest | in);
            delta += (cover_.Met(lost) == 1) - (cover_.Met(gained) == 0);
            lost_.push_back(lost);
            gained_.push_back(gained);
        });
        if (delta > 0 && (static_cast<std::size_t>(delta) >= acceptance_.size() ||
                          random_.Chance() >= acceptance_[static_cast<std::size_t>(delta)])) {
            return;
        }
        for (std::uint32_t lost : lost_) {
            cover_.Unmeet(lost);
        }
        for (std::uint32_t gained : gained_) {
            cover_.Meet(gained);
        }
        Index(ticket, which, false);
        tickets_[which] = (ticket & ~out) | in;
        Index(tickets_[which], which, true);
    }

    void Restart(const std::vector<Set>& tickets) {
        while (!tickets_.empty()) {
            Remove(tickets_.size() - 1);
        }
        for (Set ticket : tickets) {
            Add(ticket);
        }
    }
    void DropRandom() { Remove(random_.Below(tickets_.size())); }

    // Drops every ticket whose loss uncovers nothing (duplicates among them).
    void DropRedundant() {
        for (std::size_t i = tickets_.size(); i-- > 0;) {
            if (cover_.Loss(tickets_[i]) == 0) {
                Remove(i);
            }
        }
    }

    // Drops the ticket whose loss uncovers fewest draws.
    void DropCheapest() {
        std::size_t cheapest = 0;
        std::uint64_t fewest = UINT64_MAX;
        std::uint64_t ties = 0;
        for (std::size_t i = 0; i < tickets_.size(); ++i) {
            const std::uint64_t loss = cover_.Loss(tickets_[i]);
            if (loss < fewest) {
                fewest = loss;
                cheapest = i;
                ties = 1;
            } else if (loss == fewest && random_.Below(++ties) == 0) {
                cheapest = i;
            }
        }
        Remove(cheapest);
    }

    // Brings every number into the wheel, for a lotto design can meet every
    // draw without some number: swaps it in where that uncovers nothing, or
    // adds a ticket for it.
    void UseEveryNumber() {
        for (int x = 0; x < cover_.n; ++x) {
            if ((Used() & Bit(x)) != 0 || SwapInLosslessly(Bit(x))) {
                continue;
            }
            Set ticket = Bit(x);
            for (int y = 0; std::popcount(ticket) < cover_.k; ++y) {
                ticket |= Bit(y);
            }
            Add(ticket);
        }
    }

    Set Used() const {
        Set used = 0;
        for (Set ticket : tickets_) {
            used |= ticket;
        }
        return used;
    }

private:
    // Calls visit(rest) for every set of t - 1 numbers of `inside` and m - t of `outside`.
    template <class Visit> void ForEachAround(Set inside, Set outside, Visit&& visit) {
        around_.clear();
        ForEachSubset(outside, cover_.m - cover_.t, [this](Set part) { around_.push_back(part); });
        ForEachSubset(inside, cover_.t - 1, [&](Set part) {
            for (Set other : around_) {
                visit(part | other);
            }
        });
    }

    bool SwapInLosslessly(Set in) {
        for (std::size_t which = 0; which < tickets_.size(); ++which) {
            const Set ticket = tickets_[which];
            for (Set rest = ticket; rest != 0; rest &= rest - 1) {
                const Set out = rest & -rest;
                const Set swapped = (ticket & ~out) | in;
                if (!UsedElsewhere(out, which) ||
                    std::find(tickets_.begin(), tickets_.end(), swapped) != tickets_.end()) {
                    continue;
                }
                std::uint64_t lost = 0;
                ForEachAround(ticket & ~out, cover_.all & ~ticket & ~in,
                              [&](Set part) { lost += cover_.Met(Rank(part | out)) == 1; });
                if (lost == 0) {
                    Remove(which);
                    Add(swapped);
                    return true;
                }
            }
        }
        return false;
    }

    bool UsedElsewhere(Set number, std::size_t except) const {
        for (std::size_t i = 0; i < tickets_.size(); ++i) {
            if (i != except && (tickets_[i] & number) != 0) {
                return true;
            }
        }
        return false;
    }

    void Remove(std::size_t which) {
        const Set ticket = tickets_[which];
        cover_.Remove(ticket);
        Index(ticket, static_cast<std::uint32_t>(which), false);
        const auto last = static_cast<std::uint32_t>(tickets_.size() - 1);
        if (which != last) {
            Index(tickets_[last], last, false);
            tickets_[which] = tickets_[last];
            Index(tickets_[which], static_cast<std::uint32_t>(which), true);
        }
        tickets_.pop_back();
    }

    // Files (or unfiles) the ticket under each of its (t-1)-sets.
    void Index(Set ticket, std::uint32_t which, bool add) {
        ForEachSubset(ticket, cover_.t - 1, [&](Set part) {
            std::vector<std::uint32_t>& list = holding_[Rank(part)];
            if (add) {
                list.push_back(which);
            } else {
                *std::find(list.begin(), list.end(), which) = list.back();
                list.pop_back();
            }
        });
    }

    DrawCover cover_;
    Random& random_;
    std::array<double, 64> acceptance_{};
    std::vector<Set> tickets_;
    std::vector<std::vector<std::uint32_t>> holding_; // per (t-1)-set: the tickets holding it
    std::vector<Set> around_;
    std::vector<std::uint32_t> lost_, gained_;
};

struct Found {
    std::vector<Set> tickets; // empty when no wheel was found
    std::size_t size = 0;     // its size once every number is brought in
    std::uint64_t steps = 0;
};

// When a search stops: after its steps, at its deadline, or at a cancel.
struct Budget {
    std::uint64_t steps = 0; // 0: no limit but the deadline
    Clock::time_point start, deadline;
};

std::size_t Missing(const std::vector<Set>& tickets, int numbers) {
    Set used = 0;
    for (Set ticket : tickets) {
        used |= ticket;
    }
    return static_cast<std::size_t>(numbers - std::popcount(used));
}

// Greedy until every draw is met, then: keep the wheel, drop a ticket,
// anneal until every draw is met again, and so on. Every move and every drop
// is one step; the clock and the cancel are read every thousand. Numbers a
// wheel leaves out are brought in only at the end, so that the search itself
// only ever drops tickets.
void Descend(Search& search, const WheelGoal& goal, const Budget& budget, std::uint64_t floor,
             Progress& progress, Found& found) {
    const std::uint64_t stepsBefore = found.steps;
    const auto stop = [&] {
        if (budget.steps != 0) {
            progress.Set(found.steps);
            return found.steps - stepsBefore >= budget.steps || progress.Cancelled();
        }
        const auto now = Clock::now();
        progress.Set(static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now - budget.start).count()));
        return progress.Cancelled() || now >= budget.deadline;
    };
    std::uint64_t lastCover = found.steps;
    while (search.Unmet() > 0) {
        if (progress.Cancelled()) {
            return;
        }
        search.AddGreedily();
    }
    while (true) {
        if (search.Unmet() == 0) {
            search.DropRedundant();
            const std::vector<Set> tickets = search.Tickets();
            const std::size_t size = tickets.size() + Missing(tickets, goal.numbers);
            if (found.tickets.empty() || size < found.size) {
                found.tickets = tickets;
                found.size = size;
                progress.OfferBest(size);
            }
            if (found.size <= floor || search.Size() <= 1) {
                return;
            }
            search.DropCheapest();
            ++found.steps;
            lastCover = found.steps;
        }
        // Stuck at one size for long: back to the smallest wheel, and another ticket
        // dropped. Small wheels gain most from a fresh try; a large one would lose
        // more than it gains, so its patience grows with the square of its size.
        const std::uint64_t size = found.tickets.size();
        if (found.steps - lastCover > std::max<std::uint64_t>(100'000, 200 * size * size)) {
            search.Restart(found.tickets);
            search.DropRandom();
            lastCover = found.steps;
        }
        for (int i = 0; i < 1024 && search.Unmet() > 0; ++i) {
            search.Move();
            ++found.steps;
            if (budget.steps != 0 && found.steps - stepsBefore >= budget.steps) {
                break;
            }
        }
        if (stop()) {
            return;
        }
    }
}

Set SetOf(const Ticket& ticket) {
    Set set = 0;
    for (int x : ticket) {
        set |= Bit(x - 1);
    }
    return set;
}

Found RunSearch(const BuildRequest& request, std::uint64_t seed, double temperature,
                std::uint64_t floor, Progress& progress) {
    Random random(seed);
    Found found;
    const auto now = Clock::now();
    const auto seconds = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(std::max(0.0, request.seconds)));
    Budget budget{request.maxSteps, now, now + seconds};
    Search search(request.goal, random, temperature);
    for (const Ticket& ticket : request.start) {
        search.Add(SetOf(ticket));
    }
    Descend(search, request.goal, budget, floor, progress, found);
    return found;
}

std::optional<int> CheckedGuarantee(const WheelGoal& goal, const std::vector<Ticket>& tickets) {
    LineList lines;
    for (const Ticket& ticket : tickets) {
        for (int x : ticket) {
            lines.push(static_cast<Number>(x));
        }
        lines.endLine();
    }
    Progress own; // the user's Stop must not stop the check
    const auto table = ComputeCoverage(WheelSetsOf(lines, goal.numbers), goal.drawn, own);
    return table ? std::optional<int>(table->Guarantee(goal.drawn)) : std::nullopt;
}

} // namespace

std::optional<Refusal> StartProblem(const WheelGoal& goal, const std::vector<Ticket>& start) {
    for (std::size_t i = 0; i < start.size(); ++i) {
        const Ticket& ticket = start[i];
        const bool inRange = std::all_of(ticket.begin(), ticket.end(),
                                         [&](int x) { return x >= 1 && x <= goal.numbers; });
        if (!inRange ||
            std::popcount(inRange ? SetOf(ticket) : 0) != static_cast<int>(ticket.size()) ||
            static_cast<int>(ticket.size()) != goal.perTicket) {
            return Refusal{"Line " + std::to_string(i + 1) + " of the held wheel does not hold " +
                           std::to_string(goal.perTicket) + " different numbers 1-" +
                           std::to_string(goal.numbers) +
                           ": the search can only start from lines of " +
                           std::to_string(goal.perTicket) + " numbers."};
        }
    }
    return std::nullopt;
}

BuildOutcome BuildWheel(const BuildRequest& request, Progress& progress) {
    BuildOutcome outcome;
    outcome.refusal = GoalProblem(request.goal);
    if (!outcome.refusal) {
        outcome.refusal = StartProblem(request.goal, request.start);
    }
    if (outcome.refusal) {
        return outcome;
    }
    const std::uint64_t floor = LowerBound(request.goal).value_or(1);
    progress.Start(request.maxSteps != 0
                       ? request.maxSteps
                       : static_cast<std::uint64_t>(std::max(1.0, request.seconds * 1000)));

    // Independent searches at two temperatures: the lower one falls fast, the
    // higher one gets out of the dead ends near the end. A lotto design's
    // swaps change many draws at once, and it wants a higher temperature.
    const int searches = std::clamp(request.searches, 1, 64);
    std::vector<Found> found(static_cast<std::size_t>(searches));
    std::vector<std::thread> threads;
    for (int i = 0; i < searches; ++i) {
        const double temperature =
            (request.goal.drawn == request.goal.atLeast ? 0.2 : 0.35) * (i % 2 == 0 ? 1.0 : 1.5);
        auto run = [&, i, temperature] {
            found[static_cast<std::size_t>(i)] =
                RunSearch(request, request.seed + static_cast<std::uint64_t>(i), temperature, floor,
                          progress);
        };
        if (i + 1 == searches) {
            run();
        } else {
            threads.emplace_back(run);
        }
    }
    for (std::thread& thread : threads) {
        thread.join();
    }

    const Found* best = nullptr;
    for (const Found& each : found) {
        outcome.steps += each.steps;
        if (!each.tickets.empty() && (best == nullptr || each.size < best->size)) {
            best = &each;
        }
    }
    if (best == nullptr) {
        outcome.refusal = Refusal{"The search stopped before it found a wheel."};
        return outcome;
    }
    Random random(request.seed);
    Search complete(request.goal, random, 1.0);
    for (Set set : best->tickets) {
        complete.Add(set);
    }
    complete.UseEveryNumber();
    for (Set set : complete.Tickets()) {
        Ticket ticket;
        for (; set != 0; set &= set - 1) {
            ticket.push_back(std::countr_zero(set) + 1);
        }
        outcome.tickets.push_back(std::move(ticket));
    }
    std::sort(outcome.tickets.begin(), outcome.tickets.end());
    const std::optional<int> guarantee = CheckedGuarantee(request.goal, outcome.tickets);
    outcome.guarantee = guarantee.value_or(0);
    if (outcome.guarantee < request.goal.atLeast) {
        outcome.refusal = Refusal{"The wheel found does not keep the guarantee."};
        outcome.tickets.clear();
    }
    return outcome;
}

} // namespace quorvex
