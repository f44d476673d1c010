// The portfolio: which methods run for a goal, for how long, on how many threads.
#include "portfolio.h"

#include "annealing.h"
#include "group_wheel.h"
#include "orbit_search.h"
#include "split_build.h"
#include "wheel_check.h"

#include <algorithm>
#include <array>
#include <thread>

namespace quorvex {

namespace {

using namespace search;

// The share of the time the first wheel may take; then of what is left, the
// splits' and the orbit search's; the rest polishes the best wheel.
constexpr double kFirstWheelShare = 0.1;
constexpr double kSplitShare = 0.5;
constexpr double kOrbitShare = 0.7;
// The splits are first tried with greedy wheels for their parts, in this share
// of their time; then the best few are built in earnest.
constexpr double kSplitScreenShare = 0.2;
constexpr std::size_t kSplitsBuilt = 2;
// Past this many draws the plain search is slow to start and to move.
constexpr std::uint64_t kHeavyDraws = 2'000'000;
// The orbit search first tries each group at each of these temperatures in
// short runs, with this share of its time; then it gives the rest to the best
// of those, in longer runs: runs differ as much from seed to seed as from
// group to group, and each group has a temperature of its own.
constexpr std::array<double, 2> kOrbitTemperatures = {0.2, 0.4};
constexpr double kOrbitTrialShare = 0.4;
constexpr int kOrbitLongRuns = 6;
constexpr std::size_t kOrbitBestTrials = 3;
// Searches side by side at most, whatever the request.
constexpr int kMostThreads = 64;

Set SetOf(const Ticket& ticket) {
    Set set = 0;
    for (int x : ticket) {
        set |= Bit(x - 1);
    }
    return set;
}

std::string OrbitMethod(const PermutationGroup& group) {
    return "orbits of " + group.name;
}

// The orbit search: the orbits of each group set up, then each group at each
// temperature once, then the best of those again, longer; unless no trial did
// better than the wheel found before them, when the time left goes to that one.
void OrbitTrials(const WheelGoal& goal, const std::vector<PermutationGroup>& groups,
                 std::uint64_t floor, Random& random, SearchBudget& budget, BestFound& best) {
    const std::size_t before = best.tickets.empty() ? SIZE_MAX : best.size;
    std::vector<Orbits> orbits;
    std::vector<const PermutationGroup*> of;
    for (const PermutationGroup& group : groups) {
        auto found = FindOrbits(goal, group, budget);
        if (!found) {
            break;
        }
        orbits.push_back(std::move(*found));
        of.push_back(&group);
    }
    struct Trial {
        std::size_t orbits;
        double temperature;
        std::uint64_t size = UINT64_MAX;
    };
    std::vector<Trial> trials;
    for (std::size_t g = 0; g < orbits.size(); ++g) {
        for (double temperature : kOrbitTemperatures) {
            trials.push_back({g, temperature});
        }
    }
    const auto run = [&](Trial& trial, SearchBudget& turn) {
        trial.size = std::min(trial.size, SearchOrbits(orbits[trial.orbits], goal.numbers, floor,
                                                       trial.temperature, random, turn, best,
                                                       OrbitMethod(*of[trial.orbits])));
        budget.Reports().SetPhaseShare(budget.Spent());
        return best.size > floor && !budget.Over();
    };
    SearchBudget trying = budget.Part(kOrbitTrialShare);
    for (std::size_t i = 0; i < trials.size(); ++i) {
        SearchBudget turn = trying.Part(1.0 / static_cast<double>(trials.size() - i));
        if (!run(trials[i], turn)) {
            return;
        }
    }
    std::stable_sort(trials.begin(), trials.end(),
                     [](const Trial& a, const Trial& b) { return a.size < b.size; });
    if (trials.empty() || trials.front().size >= before) {
        return;
    }
    for (int i = 0; i < kOrbitLongRuns; ++i) {
        SearchBudget turn = budget.Part(1.0 / (kOrbitLongRuns - i));
        const std::size_t among = std::min(kOrbitBestTrials, trials.size());
        if (!run(trials[static_cast<std::size_t>(i) % among], turn)) {
            return;
        }
    }
}

void Build(const WheelGoal& goal, bool split, Random& random, SearchBudget& budget,
           BestFound& best);

// The grouped wheel, offered before any search: every goal has a wheel at once.
void OfferGroupWheel(const WheelGoal& goal, BestFound& best, Progress& progress) {
    const GroupedWheel grouped = GroupWheel(goal);
    if (grouped.tickets.empty()) {
        return;
    }
    best.Offer(grouped.tickets, goal.numbers,
               grouped.together == 1 ? "disjoint tickets"
                                     : "groups of " + std::to_string(grouped.groupSize) + ", " +
                                           std::to_string(grouped.together) + " a ticket",
               progress);
}

// A part's wheel, found anew or kept from another split that has the same part.
struct PartWheel {
    WheelGoal goal;
    BestFound found;
};

// The split constructions: every split tried with quick greedy wheels for its
// parts, then the best few built in earnest, part by part.
void SplitTrials(const WheelGoal& goal, const std::vector<Split>& splits, Random& random,
                 SearchBudget& budget, BestFound& best) {
    std::vector<PartWheel> parts;
    const auto partOf = [&parts](const WheelGoal& part) -> BestFound& {
        for (PartWheel& each : parts) {
            if (each.goal == part) {
                return each.found;
            }
        }
        return parts.emplace_back(PartWheel{part, {}}).found;
    };
    // Offers the split's wheel when every part has one; its size, or none.
    const auto offer = [&](const Split& split) {
        std::vector<std::vector<Set>> wheels;
        for (const WheelGoal& part : split.parts) {
            const BestFound& found = partOf(part);
            if (found.tickets.empty()) {
                return UINT64_MAX;
            }
            wheels.push_back(found.tickets);
        }
        const std::vector<Set> joined = JoinParts(split, wheels);
        best.Offer(joined, goal.numbers, SplitName(split), budget.Reports());
        return static_cast<std::uint64_t>(joined.size());
    };
    std::vector<std::pair<std::uint64_t, std::size_t>> tried; // size, split
    SearchBudget screening = budget.Part(kSplitScreenShare);
    for (std::size_t s = 0; s < splits.size() && !screening.Over(); ++s) {
        for (const WheelGoal& part : splits[s].parts) {
            BestFound& found = partOf(part);
            if (found.tickets.empty()) {
                SearchWheel wheel(part);
                SearchBudget silent = screening.Silent();
                Greedy(wheel, random, silent, found, "greedy");
            }
        }
        tried.emplace_back(offer(splits[s]), s);
        budget.Reports().SetPhaseShare(kSplitScreenShare * screening.Spent());
    }
    std::sort(tried.begin(), tried.end());
    tried.resize(std::min<std::size_t>(tried.size(), kSplitsBuilt));
    for (std::size_t i = 0; i < tried.size() && !budget.Over(); ++i) {
        const Split& split = splits[tried[i].second];
        SearchBudget building = budget.Part(1.0 / static_cast<double>(tried.size() - i));
        for (std::size_t p = 0; p < split.parts.size(); ++p) {
            const WheelGoal& part = split.parts[p];
            // The parts' own searches tell the window nothing.
            SearchBudget own =
                building.Part(1.0 / static_cast<double>(split.parts.size() - p)).Silent();
            Build(part, false, random, own, partOf(part));
        }
        offer(split);
        budget.Reports().SetPhaseShare(budget.Spent());
    }
}

// A goal's portfolio: the first wheel, the splits, the orbits, the polish.
void Build(const WheelGoal& goal, bool split, Random& random, SearchBudget& budget,
           BestFound& best) {
    Progress& progress = budget.Reports();
    const std::uint64_t floor = LowerBound(goal).value_or(1);
    const auto done = [&] {
        return (!best.tickets.empty() && best.size <= floor) || budget.Over();
    };
    const double temperature = PlainTemperature(goal);
    // Past so many draws the plain search's moves are slow and its greedy
    // start takes seconds: a split gives the first wheel sooner.
    const bool heavy = Binomial(goal.numbers, goal.drawn) > kHeavyDraws;
    const std::vector<Split> splits = split ? SplitsFor(goal) : std::vector<Split>{};
    progress.SetPhase("A first wheel");
    if (best.tickets.empty() && !budget.Over()) {
        OfferGroupWheel(goal, best, progress);
    }
    // The plain search's set-up and first tickets cannot stop half-way: begun only when they fit.
    const double plainStart = SetUpSeconds(goal) + 2 * TicketSeconds(goal);
    if (done()) {
        return;
    }
    if ((!heavy || splits.empty()) && budget.Part(kFirstWheelShare).Affords(plainStart)) {
        SearchBudget part = budget.Part(kFirstWheelShare);
        SearchWheel wheel(goal);
        Anneal(wheel, temperature, floor, random, part, best, "plain search");
    }
    if (!splits.empty() && !done()) {
        progress.SetPhase("Split wheels");
        SearchBudget part = budget.Part(heavy ? 1.0 : kSplitShare);
        SplitTrials(goal, splits, random, part, best);
    }
    if (done()) {
        return;
    }
    const std::vector<PermutationGroup> groups =
        GroupsThatFit(goal, best.tickets.empty() ? 0 : best.size, budget.SecondsLeft());
    if (!groups.empty()) {
        progress.SetPhase("Orbit search");
        SearchBudget part = budget.Part(kOrbitShare);
        OrbitTrials(goal, groups, floor, random, part, best);
        if (done()) {
            return;
        }
    }
    progress.SetPhase("Polishing");
    // A wheel too large to take in within the time (a grouped one, say) is
    // bettered by a search of its own, from nothing.
    const bool takeIn = budget.Affords(
        SetUpSeconds(goal) + static_cast<double>(best.tickets.size() + 2) * TicketSeconds(goal));
    if (!budget.Affords(SetUpSeconds(goal) + 2 * TicketSeconds(goal))) {
        return;
    }
    SearchWheel wheel(goal);
    if (takeIn && !wheel.Restart(best.tickets, budget)) {
        return;
    }
    const std::string method = takeIn ? best.method : std::string();
    Anneal(wheel, temperature, floor, random, budget, best,
           method.empty() || method == "plain search" ? "plain search" : method + ", polished");
}

// One thread's portfolio, or the held wheel shrunk.
BestFound RunPortfolio(const BuildRequest& request, std::uint64_t seed, Progress& progress) {
    const WheelGoal& goal = request.goal;
    SearchBudget budget(progress, request.seconds, request.maxSteps);
    Random random(seed);
    BestFound best;
    if (request.start.empty()) {
        Build(goal, true, random, budget, best);
        return best;
    }
    progress.SetPhase("Shrinking the held wheel");
    SearchWheel wheel(goal);
    std::vector<Set> start;
    for (const Ticket& ticket : request.start) {
        start.push_back(SetOf(ticket));
    }
    if (!wheel.Restart(start, budget)) {
        return best;
    }
    Anneal(wheel, PlainTemperature(goal), LowerBound(goal).value_or(1), random, budget, best,
           "the held wheel, shrunk");
    return best;
}

} // namespace

std::optional<Refusal> StartProblem(const WheelGoal& goal, const std::vector<Ticket>& start) {
    for (std::size_t i = 0; i < start.size(); ++i) {
        const std::string line = "line " + std::to_string(i + 1);
        Set seen = 0;
        for (int x : start[i]) {
            if (x < 1 || x > goal.numbers) {
                return Refusal{line + " holds " + std::to_string(x) + ": the numbers are 1-" +
                               std::to_string(goal.numbers)};
            }
            if ((seen & Bit(x - 1)) != 0) {
                return Refusal{line + " repeats " + std::to_string(x)};
            }
            seen |= Bit(x - 1);
        }
        if (static_cast<int>(start[i].size()) != goal.perTicket) {
            return Refusal{line + " holds " + std::to_string(start[i].size()) + " numbers, not " +
                           std::to_string(goal.perTicket)};
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
    progress.Start(
        request.maxSteps != 0
            ? request.maxSteps
            : static_cast<std::uint64_t>(
                  std::clamp(request.seconds, 0.001, SearchBudget::kLongestSeconds) * 1000));
    const int threads = std::clamp(request.threads, 1, kMostThreads);
    std::vector<BestFound> found(static_cast<std::size_t>(threads));
    std::vector<std::thread> running;
    for (int i = 0; i < threads; ++i) {
        auto run = [&, i] {
            found[static_cast<std::size_t>(i)] =
                RunPortfolio(request, request.seed + static_cast<std::uint64_t>(i), progress);
        };
        if (i + 1 == threads) {
            run();
        } else {
            running.emplace_back(run);
        }
    }
    for (std::thread& thread : running) {
        thread.join();
    }
    const BestFound* best = nullptr;
    for (const BestFound& each : found) {
        if (!each.tickets.empty() && (best == nullptr || each.size < best->size)) {
            best = &each;
        }
    }
    if (best == nullptr) {
        outcome.refusal = Refusal{"The search stopped before it found a wheel."};
        return outcome;
    }
    progress.SetPhase("Checking the wheel");
    outcome.tickets = CompleteWheel(request.goal, best->tickets);
    outcome.method = best->method;
    outcome.shrunk = request.start.empty() || outcome.tickets.size() < request.start.size();
    outcome.guarantee = CheckedGuarantee(request.goal, outcome.tickets);
    if (outcome.guarantee < request.goal.atLeast) {
        outcome.refusal = Refusal{"The wheel found does not keep the guarantee."};
        outcome.tickets.clear();
    }
    return outcome;
}

} // namespace quorvex
