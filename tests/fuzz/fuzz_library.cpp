// Any text read as the library of best known wheels: every entry kept is a
// goal that can be built, its tickets (if any) are as many as its size, each
// of k distinct numbers 1..N, no two alike, keeping the guarantee (tried draw
// by draw on up to 16 numbers), and Find gives the smallest entry for a goal.

#include "best_known.h"
#include "brute_force.h"
#include "fuzz_check.h"

#include <cstdint>
#include <set>
#include <string_view>

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const WheelLibrary library =
        ParseWheelLibrary(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const KnownWheel& wheel : library.wheels) {
        Check(!GoalProblem(wheel.goal) && wheel.size > 0, "a goal that can be built");
        Check(wheel.tickets.empty() || wheel.tickets.size() == wheel.size, "the size");
        for (const Ticket& ticket : wheel.tickets) {
            const std::set<int> distinct(ticket.begin(), ticket.end());
            Check(static_cast<int>(distinct.size()) == wheel.goal.perTicket &&
                      *distinct.begin() >= 1 && *distinct.rbegin() <= wheel.goal.numbers,
                  "a ticket");
        }
        const std::set<Ticket> distinct(wheel.tickets.begin(), wheel.tickets.end());
        Check(distinct.size() == wheel.tickets.size(), "no ticket twice");
        if (!wheel.tickets.empty() && wheel.goal.numbers <= 16) {
            const WheelGoal& goal = wheel.goal;
            for (const auto& draw : brute::Cases(goal.numbers, goal.drawn)) {
                Check(brute::Best(wheel.tickets, brute::SetOf(draw)) >= goal.atLeast,
                      "the guarantee");
            }
        }
        const KnownWheel* found = library.Find(wheel.goal);
        Check(found != nullptr && found->size <= wheel.size, "the smallest");
    }
    return 0;
}
