// Any text read as the library of best known wheels: every entry kept is a
// goal that can be built, its tickets (if any) are as many as its size, each
// of k distinct numbers 1..N, and Find gives the smallest entry for a goal.

#include "best_known.h"
#include "fuzz_check.h"

#include <cstdint>
#include <set>
#include <string_view>

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const WheelLibrary library =
        ParseWheelLibrary(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const KnownWheel& wheel : library.wheels) {
        Check(GoalProblem(wheel.goal).empty() && wheel.size > 0, "a goal that can be built");
        Check(wheel.tickets.empty() || wheel.tickets.size() == wheel.size, "the size");
        for (const Ticket& ticket : wheel.tickets) {
            const std::set<int> distinct(ticket.begin(), ticket.end());
            Check(static_cast<int>(distinct.size()) == wheel.goal.perTicket &&
                      *distinct.begin() >= 1 && *distinct.rbegin() <= wheel.goal.numbers,
                  "a ticket");
        }
        const KnownWheel* found = library.Find(wheel.goal);
        Check(found != nullptr && found->size <= wheel.size, "the smallest");
    }
    return 0;
}
