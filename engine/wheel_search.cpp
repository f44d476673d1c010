#include "wheel_search.h"

#include "combinations.h"
#include "coverage.h"
#include "line_list.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>
#include <thread>

namespace quorvex {

namespace {

using Set = std::uint64_t; // number i of 1..N is bit i - 1
using Clock = std::chrono::steady_clock;

Set Bit(int index) {
    return Set{1} << index;
}

// The colex rank of a set among the sets of its size.
std::uint32_t Rank(Set set) {
    std::uint64_t rank = 0;
    for (int size = 1; set != 0; ++size, set &= set - 1) {
        rank += Binomial(std::countr_zero(set), size);
    }
    return static_cast<std::uint32_t>(rank);
}

Set Unrank(std::uint64_t rank, int size, int numbers) {
    Set set = 0;
    int a = numbers - 1;
    for (int i = size; i >= 1; --i, --a) {
        while (Binomial(a, i) > rank) {
            --a;
        }
        set |= Bit(a);
        rank -= Binomial(a, i);
    }
    return set;
}

// Calls visit(subset) for every subset of `pool` with `size` members.
template <class Visit> void ForEachSubset(Set pool, int size, Visit&& visit) {
    std::array<Set, 64> members;
    int count = 0;
    for (; pool != 0; pool &= pool - 1) {
        members[static_cast<std::size_t>(count++)] = pool & -pool;
    }
    if (size > count) {
        return;
    }
    std::array<int, 64> at{};
    for (int i = 0; i < size; ++i) {
        at[static_cast<std::size_t>(i)] = i;
    }
    while (true) {
        Set subset = 0;
        for (int i = 0; i < size; ++i) {
            subset |= members[static_cast<std::size_t>(at[static_cast<std::size_t>(i)])];
        }
        visit(subset);
        int i = size - 1;
        while (i >= 0 && at[static_cast<std::size_t>(i)] == count - size + i) {
            --i;
        }
        if (i < 0) {
            return;
        }
        ++at[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < size; ++j) {
            at[static_cast<std::size_t>(j)] = at[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

// One search: the tickets, and for every draw (an m-set, by colex rank) how
// many tickets meet it in t or more numbers, with the unmet draws in a list.
class Search {
public:
    Search(const WheelGoal& goal, std::uint64_t seed, double temperature)
        : n_(goal.numbers), k_(goal.perTicket), t_(goal.atLeast), m_(goal.drawn),
          all_(n_ == 64 ? ~Set{0} : Bit(n_) - 1), random_(seed), met_(Binomial(n_, m_), 0),
          place_(Binomial(n_, m_), 0), holding_(Binomial(n_, t_ - 1)) {
        unmet_.reserve(met_.size());
        for (std::uint32_t draw = 0; draw < met_.size(); ++draw) {
            place_[draw] = draw;
            unmet_.push_back(draw);
        }
        // A swap that uncovers d more draws than it covers is taken with chance e^(-d/T).
        for (std::size_t d = 0; d < acceptance_.size(); ++d) {
            acceptance_[d] = std::exp(-static_cast<double>(d) / temperature);
        }
    }

    std::size_t Size() const { return tickets_.size(); }
    std::size_t Unmet() const { return unmet_.size(); }
    const std::vector<Set>& Tickets() const { return tickets_; }

    void Add(Set ticket) {
        tickets_.push_back(ticket);
        ForEachDrawMet(ticket, [this](Set draw) { Meet(Rank(draw)); });
        Index(ticket, static_cast<std::uint32_t>(tickets_.size() - 1), true);
    }

    // Covers an unmet draw with a new ticket: t of its numbers, then the
    // numbers the tickets use least, so that every number gets its share.
    void AddGreedily() {
        const Set draw = Unrank(unmet_[Below(unmet_.size())], m_, n_);
        Set ticket = RandomSubset(draw, t_);
        std::vector<int> uses(static_cast<std::size_t>(n_), 0);
        for (Set held : tickets_) {
            for (; held != 0; held &= held - 1) {
                ++uses[static_cast<std::size_t>(std::countr_zero(held))];
            }
        }
        for (int more = k_ - t_; more > 0; --more) {
            int pick = -1;
            int ties = 0;
            for (int x = 0; x < n_; ++x) {
                if ((ticket & Bit(x)) != 0) {
                    continue;
                }
                if (pick < 0 ||
                    uses[static_cast<std::size_t>(x)] < uses[static_cast<std::size_t>(pick)]) {
                    pick = x;
                    ties = 1;
                } else if (uses[static_cast<std::size_t>(x)] ==
                               uses[static_cast<std::size_t>(pick)] &&
                           Below(static_cast<std::uint64_t>(++ties)) == 0) {
                    pick = x;
                }
            }
            ticket |= Bit(pick);
        }
        Add(ticket);
    }

    // One annealing move; false when no ticket can be moved towards the draw picked.
    bool Move() {
        const Set draw = Unrank(unmet_[Below(unmet_.size())], m_, n_);
        const std::vector<std::uint32_t>& candidates = holding_[Rank(RandomSubset(draw, t_ - 1))];
        if (candidates.empty()) {
            return false;
        }
        const std::uint32_t which = candidates[Below(candidates.size())];
        const Set ticket = tickets_[which];
        const Set out = RandomSubset(ticket & ~draw, 1);
        const Set in = RandomSubset(draw & ~ticket, 1);

        // The draws met only through `out` are those holding it and t - 1 other
        // numbers of the ticket, `in` not among the rest; the draws met anew
        // are the same with `in` in place of `out`.
        lost_.clear();
        gained_.clear();
        std::int64_t delta = 0;
        ForEachAround(ticket & ~out, all_ & ~ticket & ~in, [&](Set rest) {
            const std::uint32_t lost = Rank(rest | out);
            const std::uint32_t gained = Rank(rest | in);
            delta += (met_[lost] == 1) - (met_[gained] == 0);
            lost_.push_back(lost);
            gained_.push_back(gained);
        });
        if (delta > 0 && (static_cast<std::size_t>(delta) >= acceptance_.size() ||
                          Chance() >= acceptance_[static_cast<std::size_t>(delta)])) {
            return true;
        }
        for (std::uint32_t lost : lost_) {
            Unmeet(lost);
        }
        for (std::uint32_t gained : gained_) {
            Meet(gained);
        }
        Index(ticket, which, false);
        tickets_[which] = (ticket & ~out) | in;
        Index(tickets_[which], which, true);
        return true;
    }

    // Drops every ticket whose loss uncovers nothing (duplicates among them).
    void DropRedundant() {
        for (std::size_t i = tickets_.size(); i-- > 0;) {
            if (Loss(tickets_[i]) == 0) {
                Remove(i);
            }
        }
    }

    // Drops the ticket whose loss uncovers fewest draws.
    void DropCheapest() {
        std::size_t cheapest = 0;
        std::uint64_t fewest = UINT64_MAX;
        int ties = 0;
        for (std::size_t i = 0; i < tickets_.size(); ++i) {
            const std::uint64_t loss = Loss(tickets_[i]);
            if (loss < fewest) {
                fewest = loss;
                cheapest = i;
                ties = 1;
            } else if (loss == fewest && Below(static_cast<std::uint64_t>(++ties)) == 0) {
                cheapest = i;
            }
        }
        Remove(cheapest);
    }

    // How many of 1..N no ticket uses.
    int MissingNumbers() const {
        Set used = 0;
        for (Set ticket : tickets_) {
            used |= ticket;
        }
        return n_ - std::popcount(used);
    }

    // Brings every number into the wheel, for a lotto design can meet every
    // draw without some number: swaps it in where that uncovers nothing, or
    // adds a ticket for it.
    void UseEveryNumber() {
        for (int x = 0; x < n_; ++x) {
            Set used = 0;
            for (Set ticket : tickets_) {
                used |= ticket;
            }
            if ((used & Bit(x)) != 0) {
                continue;
            }
            if (!SwapInLosslessly(Bit(x))) {
                Set ticket = Bit(x);
                for (int y = 0; std::popcount(ticket) < k_; ++y) {
                    ticket |= Bit(y);
                }
                Add(ticket);
            }
        }
    }

private:
    // Calls visit(rest) for every set of t - 1 numbers of `inside` and m - t of `outside`.
    template <class Visit> void ForEachAround(Set inside, Set outside, Visit&& visit) {
        around_.clear();
        ForEachSubset(outside, m_ - t_, [this](Set part) { around_.push_back(part); });
        ForEachSubset(inside, t_ - 1, [&](Set part) {
            for (Set other : around_) {
                visit(part | other);
            }
        });
    }

    // Calls visit(draw) for every draw the ticket meets in t or more numbers.
    template <class Visit> void ForEachDrawMet(Set ticket, Visit&& visit) {
        for (int j = t_; j <= std::min(k_, m_); ++j) {
            ForEachSubset(ticket, j, [&](Set inside) {
                ForEachSubset(all_ & ~ticket, m_ - j,
                              [&](Set outside) { visit(inside | outside); });
            });
        }
    }

    std::uint64_t Loss(Set ticket) {
        std::uint64_t loss = 0;
        ForEachDrawMet(ticket, [&](Set draw) { loss += met_[Rank(draw)] == 1; });
        return loss;
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
                ForEachAround(ticket & ~out, all_ & ~ticket & ~in,
                              [&](Set part) { lost += met_[Rank(part | out)] == 1; });
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
        ForEachDrawMet(ticket, [this](Set draw) { Unmeet(Rank(draw)); });
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
        ForEachSubset(ticket, t_ - 1, [&](Set part) {
            std::vector<std::uint32_t>& list = holding_[Rank(part)];
            if (add) {
                list.push_back(which);
            } else {
                *std::find(list.begin(), list.end(), which) = list.back();
                list.pop_back();
            }
        });
    }

    void Meet(std::uint32_t draw) {
        if (met_[draw]++ == 0) {
            const std::uint32_t moved = unmet_.back();
            unmet_[place_[draw]] = moved;
            place_[moved] = place_[draw];
            unmet_.pop_back();
        }
    }
    void Unmeet(std::uint32_t draw) {
        if (--met_[draw] == 0) {
            place_[draw] = static_cast<std::uint32_t>(unmet_.size());
            unmet_.push_back(draw);
        }
    }

    std::uint64_t Below(std::uint64_t bound) { return random_() % bound; }
    double Chance() { return static_cast<double>(random_() >> 11) * 0x1.0p-53; }

    // `size` members of `set`, picked at random.
    Set RandomSubset(Set set, int size) {
        std::array<Set, 64> members;
        int count = 0;
        for (; set != 0; set &= set - 1) {
            members[static_cast<std::size_t>(count++)] = set & -set;
        }
        Set picked = 0;
        for (int i = 0; i < size; ++i) {
            const auto j =
                static_cast<std::size_t>(i) + Below(static_cast<std::uint64_t>(count - i));
            std::swap(members[static_cast<std::size_t>(i)], members[j]);
            picked |= members[static_cast<std::size_t>(i)];
        }
        return picked;
    }

    const int n_, k_, t_, m_;
    const Set all_;
    std::mt19937_64 random_;
    std::array<double, 64> acceptance_{};
    std::vector<Set> tickets_;
    std::vector<std::uint32_t> met_;   // per draw: the tickets meeting it in t or more
    std::vector<std::uint32_t> place_; // per unmet draw: its place in unmet_
    std::vector<std::uint32_t> unmet_;
    std::vector<std::vector<std::uint32_t>> holding_; // per (t-1)-set: the tickets holding it
    std::vector<Set> around_;
    std::vector<std::uint32_t> lost_, gained_;
};

Set SetOf(const Ticket& ticket) {
    Set set = 0;
    for (int x : ticket) {
        set |= Bit(x - 1);
    }
    return set;
}

struct Found {
    std::vector<Set> tickets; // empty when no wheel was found
    std::size_t size = 0;     // its size once every number is brought in
    std::uint64_t steps = 0;
};

// Every move and every drop is one step; the clock and the cancel are read
// every thousand. Numbers a wheel leaves out are brought in only at the end
// (UseEveryNumber), so that the search itself only ever drops tickets.
Found RunSearch(const BuildRequest& request, std::uint64_t seed, double temperature,
                Clock::time_point deadline, std::uint64_t floor, Progress& progress) {
    Search search(request.goal, seed, temperature);
    for (const Ticket& ticket : request.start) {
        search.Add(SetOf(ticket));
    }
    Found found;
    const auto start = Clock::now();
    const auto outOfTime = [&] {
        if (request.maxSteps != 0) {
            progress.Set(found.steps);
            return found.steps >= request.maxSteps || progress.Cancelled();
        }
        const auto now = Clock::now();
        progress.Set(static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now - start).count()));
        return progress.Cancelled() || now >= deadline;
    };
    while (search.Unmet() > 0) {
        if (progress.Cancelled()) {
            return found;
        }
        search.AddGreedily();
    }
    while (true) {
        if (search.Unmet() == 0) {
            search.DropRedundant();
            const std::size_t size =
                search.Size() + static_cast<std::size_t>(search.MissingNumbers());
            if (found.tickets.empty() || size < found.size) {
                found.tickets = search.Tickets();
                found.size = size;
                progress.OfferBest(size);
            }
            if (found.size <= floor || search.Size() <= 1) {
                return found;
            }
            search.DropCheapest();
            ++found.steps;
        }
        for (int i = 0; i < 1024 && search.Unmet() > 0; ++i) {
            search.Move();
            ++found.steps;
            if (request.maxSteps != 0 && found.steps >= request.maxSteps) {
                break;
            }
        }
        if (outOfTime()) {
            return found;
        }
    }
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

std::string StartProblem(const WheelGoal& goal, const std::vector<Ticket>& start) {
    for (std::size_t i = 0; i < start.size(); ++i) {
        const Ticket& ticket = start[i];
        const bool inRange = std::all_of(ticket.begin(), ticket.end(),
                                         [&](int x) { return x >= 1 && x <= goal.numbers; });
        if (!inRange ||
            std::popcount(inRange ? SetOf(ticket) : 0) != static_cast<int>(ticket.size()) ||
            static_cast<int>(ticket.size()) != goal.perTicket) {
            return "Line " + std::to_string(i + 1) + " of the held wheel does not hold " +
                   std::to_string(goal.perTicket) + " different numbers 1-" +
                   std::to_string(goal.numbers) + ": the search can only start from lines of " +
                   std::to_string(goal.perTicket) + " numbers.";
        }
    }
    return "";
}

BuildOutcome BuildWheel(const BuildRequest& request, Progress& progress) {
    BuildOutcome outcome;
    outcome.problem = GoalProblem(request.goal);
    if (outcome.problem.empty()) {
        outcome.problem = StartProblem(request.goal, request.start);
    }
    if (!outcome.problem.empty()) {
        return outcome;
    }
    const auto deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(
                           std::chrono::duration<double>(std::max(0.0, request.seconds)));
    const std::uint64_t floor = LowerBound(request.goal).value_or(1);
    progress.Start(request.maxSteps != 0
                       ? request.maxSteps
                       : static_cast<std::uint64_t>(std::max(1.0, request.seconds * 1000)));

    // Independent searches at two temperatures: the lower one falls fast, the
    // higher one gets out of the dead ends near the end.
    const int searches = std::clamp(request.searches, 1, 64);
    std::vector<Found> found(static_cast<std::size_t>(searches));
    std::vector<std::thread> threads;
    for (int i = 0; i < searches; ++i) {
        const double temperature = i % 2 == 0 ? 0.2 : 0.3;
        auto run = [&, i, temperature] {
            found[static_cast<std::size_t>(i)] =
                RunSearch(request, request.seed + static_cast<std::uint64_t>(i), temperature,
                          deadline, floor, progress);
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
        outcome.problem = "The search stopped before it found a wheel.";
        return outcome;
    }
    Search complete(request.goal, request.seed, 1.0);
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
        outcome.problem = "The wheel found does not keep the guarantee.";
        outcome.tickets.clear();
    }
    return outcome;
}

} // namespace quorvex
