// Completing a found wheel: every number gets onto a ticket.

#include "wheel_check.h"

#include <gtest/gtest.h>

using namespace quorvex;

// Past two million draws the numbers a wheel left out are written onto tickets
// of their own, the last one filled up with the lowest numbers.
TEST(CompleteWheel, GivesTheNumbersLeftOutTicketsOfTheirOwn) {
    const std::vector<Ticket> complete = search::CompleteWheel({40, 6, 2, 6}, {0b111111});
    const std::vector<Ticket> expected = {{1, 2, 3, 4, 5, 6},       {1, 2, 37, 38, 39, 40},
                                          {7, 8, 9, 10, 11, 12},    {13, 14, 15, 16, 17, 18},
                                          {19, 20, 21, 22, 23, 24}, {25, 26, 27, 28, 29, 30},
                                          {31, 32, 33, 34, 35, 36}};
    EXPECT_EQ(complete, expected);
}
