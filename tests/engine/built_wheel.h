#pragma once
// What a built wheel must be whatever the goal and whatever built it: tickets
// of k distinct numbers 1..N, ascending, no two alike, listed in order, every
// number used, and the guarantee kept, tried draw by draw.

#include "brute_force.h"
#include "ticket.h"
#include "wheel_goal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

inline void ExpectWheel(const std::vector<quorvex::Ticket>& tickets,
                        const quorvex::WheelGoal& goal) {
    std::set<int> used;
    for (const quorvex::Ticket& ticket : tickets) {
        const std::set<int> numbers(ticket.begin(), ticket.end());
        ASSERT_EQ(static_cast<int>(ticket.size()), goal.perTicket);
        ASSERT_EQ(numbers.size(), ticket.size()) << "a number twice on a ticket";
        ASSERT_TRUE(std::is_sorted(ticket.begin(), ticket.end()));
        ASSERT_GE(*numbers.begin(), 1);
        ASSERT_LE(*numbers.rbegin(), goal.numbers);
        used.insert(ticket.begin(), ticket.end());
    }
    EXPECT_EQ(std::set<quorvex::Ticket>(tickets.begin(), tickets.end()).size(), tickets.size())
        << "a ticket twice";
    EXPECT_TRUE(std::is_sorted(tickets.begin(), tickets.end())) << "not listed in order";
    EXPECT_EQ(static_cast<int>(used.size()), goal.numbers) << "a number is never used";
    EXPECT_TRUE(quorvex::brute::KeepsGuarantee(tickets, goal.numbers, goal.atLeast, goal.drawn))
        << "the guarantee is broken";
}
