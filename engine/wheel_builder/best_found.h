#pragma once
// The smallest wheel a search has found so far, and the method that built it.

#include "progress.h"
#include "search_sets.h"

#include <bit>
#include <string>
#include <vector>

namespace quorvex::search {

struct BestFound {
    std::vector<Set> tickets; // none while nothing is found
    std::size_t size = 0;     // its size once every number is brought in
    std::string method;       // in a player's words

    // Keeps the wheel when it is smaller once every number of 1..N is in; tells the window.
    bool Offer(const std::vector<Set>& wheel, int numbers, const std::string& how,
               Progress& progress) {
        Set used = 0;
        for (Set ticket : wheel) {
            used |= ticket;
        }
        const std::size_t complete =
            wheel.size() + static_cast<std::size_t>(numbers - std::popcount(used));
        if (!tickets.empty() && complete >= size) {
            return false;
        }
        tickets = wheel;
        size = complete;
        method = how;
        progress.OfferBest(complete);
        return true;
    }
};

} // namespace quorvex::search
