// Reading the library of best known wheels, each design checked as it is read.
#include "best_known.h"

#include "coverage.h"
#include "search_sets.h"

#include <algorithm>
#include <bit>
#include <charconv>

namespace quorvex {

namespace {

// What separates the figures of a line and pads it.
constexpr std::string_view kBlanks = " \t\r";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The whole numbers of `text`, separated by blanks; nothing when anything else is there.
std::optional<std::vector<std::uint64_t>> Numbers(std::string_view text) {
    std::vector<std::uint64_t> numbers;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (true) {
        while (at < end && kBlanks.find(*at) != std::string_view::npos) {
            ++at;
        }
        if (at == end) {
            return numbers;
        }
        std::uint64_t n = 0;
        const auto [next, error] = std::from_chars(at, end, n);
        if (error != std::errc() || (next < end && kBlanks.find(*next) == std::string_view::npos)) {
            return std::nullopt;
        }
        numbers.push_back(n);
        at = next;
    }
}

bool Fits(const Ticket& ticket, const WheelGoal& goal) {
    std::uint64_t set = 0;
    for (int x : ticket) {
        if (x < 1 || x > goal.numbers) {
            return false;
        }
        set |= std::uint64_t{1} << (x - 1);
    }
    return static_cast<int>(ticket.size()) == goal.perTicket &&
           std::popcount(set) == goal.perTicket;
}

// Whether every t-set of the numbers lies on some ticket, marked by its colex
// rank: a covering design checked in one pass over its tickets' t-subsets.
bool CoversEveryT(const KnownWheel& wheel, const std::vector<search::Set>& tickets) {
    const int t = wheel.goal.atLeast;
    std::vector<bool> covered(Binomial(wheel.goal.numbers, t));
    for (search::Set ticket : tickets) {
        search::ForEachSubset(ticket, t,
                              [&](search::Set part) { covered[search::Rank(part)] = true; });
    }
    return std::find(covered.begin(), covered.end(), false) == covered.end();
}

// Whether a design's tickets are all different and keep the guarantee it claims.
bool KeepsItsWord(const KnownWheel& wheel) {
    std::vector<search::Set> sets;
    for (const Ticket& ticket : wheel.tickets) {
        search::Set set = 0;
        for (int x : ticket) {
            set |= search::Bit(x - 1);
        }
        sets.push_back(set);
    }
    const LineList lines = LinesOf(wheel.tickets);
    std::sort(sets.begin(), sets.end());
    if (std::adjacent_find(sets.begin(), sets.end()) != sets.end()) {
        return false;
    }
    if (wheel.goal.drawn == wheel.goal.atLeast) {
        return CoversEveryT(wheel, sets);
    }
    Progress progress;
    const auto table =
        ComputeCoverage(WheelSetsOf(lines, wheel.goal.numbers), wheel.goal.drawn, progress);
    return table->Guarantee(wheel.goal.drawn) >= wheel.goal.atLeast;
}

} // namespace

const KnownWheel* WheelLibrary::Find(const WheelGoal& goal) const {
    const KnownWheel* best = nullptr;
    for (const KnownWheel& wheel : wheels) {
        if (wheel.goal == goal && (best == nullptr || wheel.size < best->size)) {
            best = &wheel;
        }
    }
    return best;
}

const KnownWheel* WheelLibrary::DesignFor(const WheelGoal& goal) const {
    const KnownWheel* best = nullptr;
    for (const KnownWheel& wheel : wheels) {
        const WheelGoal& g = wheel.goal;
        const bool keeps =
            g == goal ||
            (g.numbers == goal.numbers && g.perTicket == goal.perTicket &&
             g.atLeast == goal.atLeast && g.drawn == g.atLeast && goal.drawn >= g.drawn);
        if (keeps && !wheel.tickets.empty() && (best == nullptr || wheel.size < best->size)) {
            best = &wheel;
        }
    }
    return best;
}

WheelLibrary ParseWheelLibrary(std::string_view text) {
    WheelLibrary library;
    KnownWheel* open = nullptr; // the wheel whose tickets are being read
    bool openIsGood = false;
    const auto close = [&] {
        if (open != nullptr &&
            (!openIsGood || open->tickets.size() != open->size || !KeepsItsWord(*open))) {
            library.wheels.pop_back();
        }
        open = nullptr;
    };
    while (!text.empty()) {
        const auto newline = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, newline));
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const bool design = line.starts_with("wheel ");
        if (design || line.starts_with("size ")) {
            close();
            const auto bar = line.find('|');
            const auto bar2 = line.find('|', bar == std::string_view::npos ? bar : bar + 1);
            const auto figures = Numbers(line.substr(design ? 6 : 5, bar - (design ? 6 : 5)));
            if (bar2 == std::string_view::npos || !figures || figures->size() != 5 ||
                std::any_of(figures->begin(), figures->end() - 1,
                            [](std::uint64_t n) { return n > 64; })) {
                continue;
            }
            const auto& f = *figures;
            KnownWheel wheel{{static_cast<int>(f[0]), static_cast<int>(f[1]),
                              static_cast<int>(f[2]), static_cast<int>(f[3])},
                             f[4],
                             std::string(Trimmed(line.substr(bar + 1, bar2 - bar - 1))),
                             std::string(Trimmed(line.substr(bar2 + 1))),
                             {}};
            if (GoalProblem(wheel.goal) || wheel.size == 0) {
                continue;
            }
            library.wheels.push_back(std::move(wheel));
            if (design) {
                open = &library.wheels.back();
                openIsGood = true;
            }
            continue;
        }
        if (open == nullptr) {
            continue;
        }
        const auto numbers = Numbers(line);
        Ticket ticket;
        if (numbers) {
            for (std::uint64_t n : *numbers) {
                ticket.push_back(n > 64 ? 0 : static_cast<int>(n));
            }
            std::sort(ticket.begin(), ticket.end());
        }
        openIsGood =
            openIsGood && numbers && Fits(ticket, open->goal) && open->tickets.size() < open->size;
        if (openIsGood) {
            open->tickets.push_back(std::move(ticket));
        }
    }
    close();
    return library;
}

} // namespace quorvex
