// A wheel under search: its tickets, their draw counts, their index and their numbers' uses.
#include "wheel_under_search.h"

#include <algorithm>

namespace quorvex::search {

SearchWheel::SearchWheel(const WheelGoal& goal)
    : cover_(goal), holding_(Binomial(goal.numbers, goal.atLeast - 1)) {}

Set SearchWheel::Unused() const {
    Set used = 0;
    for (Set ticket : tickets_) {
        used |= ticket;
    }
    return cover_.all & ~used;
}

void SearchWheel::Add(Set ticket) {
    tickets_.push_back(ticket);
    cover_.Add(ticket);
    Index(ticket, static_cast<std::uint32_t>(tickets_.size() - 1), true);
    Count(ticket, 1);
}

void SearchWheel::Remove(std::size_t which) {
    const Set ticket = tickets_[which];
    cover_.Remove(ticket);
    Index(ticket, static_cast<std::uint32_t>(which), false);
    Count(ticket, -1);
    const auto last = static_cast<std::uint32_t>(tickets_.size() - 1);
    if (which != last) {
        Index(tickets_[last], last, false);
        tickets_[which] = tickets_[last];
        Index(tickets_[which], static_cast<std::uint32_t>(which), true);
    }
    tickets_.pop_back();
}

void SearchWheel::Replace(std::size_t which, Set ticket, const std::vector<std::uint32_t>& lost,
                          const std::vector<std::uint32_t>& gained) {
    for (std::uint32_t draw : lost) {
        cover_.Unmeet(draw);
    }
    for (std::uint32_t draw : gained) {
        cover_.Meet(draw);
    }
    Index(tickets_[which], static_cast<std::uint32_t>(which), false);
    Count(tickets_[which], -1);
    tickets_[which] = ticket;
    Index(ticket, static_cast<std::uint32_t>(which), true);
    Count(ticket, 1);
}

bool SearchWheel::Restart(const std::vector<Set>& tickets, const SearchBudget& budget) {
    while (!tickets_.empty()) {
        if (budget.Over()) {
            return false;
        }
        Remove(tickets_.size() - 1);
    }
    for (Set ticket : tickets) {
        if (budget.Over()) {
            return false;
        }
        Add(ticket);
    }
    return true;
}

void SearchWheel::AddGreedily(Random& random) {
    Set ticket = random.Subset(cover_.RandomUnmet(random), cover_.t);
    for (int more = cover_.k - cover_.t; more > 0; --more) {
        int pick = -1;
        std::uint64_t ties = 0;
        for (int x = 0; x < cover_.n; ++x) {
            if ((ticket & Bit(x)) != 0) {
                continue;
            }
            if (pick < 0 ||
                uses_[static_cast<std::size_t>(x)] < uses_[static_cast<std::size_t>(pick)]) {
                pick = x;
                ties = 1;
            } else if (uses_[static_cast<std::size_t>(x)] ==
                           uses_[static_cast<std::size_t>(pick)] &&
                       random.Below(++ties) == 0) {
                pick = x;
            }
        }
        ticket |= Bit(pick);
    }
    Add(ticket);
}

bool SearchWheel::DropRedundant(SearchBudget& budget) {
    for (std::size_t i = tickets_.size(); i-- > 0;) {
        if (cover_.Loss(tickets_[i]) == 0) {
            Remove(i);
        }
        if (budget.Spend(1)) {
            return false;
        }
    }
    return true;
}

bool SearchWheel::DropCheapest(Random& random, SearchBudget& budget) {
    std::size_t cheapest = 0;
    std::uint64_t fewest = UINT64_MAX;
    std::uint64_t ties = 0;
    for (std::size_t i = 0; i < tickets_.size(); ++i) {
        const std::uint64_t loss = cover_.Loss(tickets_[i]);
        if (loss < fewest) {
            fewest = loss;
            cheapest = i;
            ties = 1;
        } else if (loss == fewest && random.Below(++ties) == 0) {
            cheapest = i;
        }
        if (budget.Spend(1)) {
            return false;
        }
    }
    Remove(cheapest);
    return true;
}

void SearchWheel::UseEveryNumber() {
    for (int x = 0; x < cover_.n; ++x) {
        if ((Unused() & Bit(x)) == 0 || SwapInLosslessly(Bit(x))) {
            continue;
        }
        Set ticket = Bit(x);
        for (int y = 0; std::popcount(ticket) < cover_.k; ++y) {
            ticket |= Bit(y);
        }
        Add(ticket);
    }
}

bool SearchWheel::SwapInLosslessly(Set in) {
    std::vector<Set> scratch;
    for (std::size_t which = 0; which < tickets_.size(); ++which) {
        const Set ticket = tickets_[which];
        for (Set rest = ticket; rest != 0; rest &= rest - 1) {
            const Set out = rest & -rest;
            const Set swapped = (ticket & ~out) | in;
            if (uses_[static_cast<std::size_t>(std::countr_zero(out))] < 2 ||
                std::find(tickets_.begin(), tickets_.end(), swapped) != tickets_.end()) {
                continue;
            }
            std::uint64_t lost = 0;
            ForEachAround(cover_, ticket & ~out, cover_.all & ~ticket & ~in, scratch,
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

void SearchWheel::Index(Set ticket, std::uint32_t which, bool add) {
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

void SearchWheel::Count(Set ticket, int by) {
    for (; ticket != 0; ticket &= ticket - 1) {
        uses_[static_cast<std::size_t>(std::countr_zero(ticket))] += static_cast<std::uint32_t>(by);
    }
}

} // namespace quorvex::search
