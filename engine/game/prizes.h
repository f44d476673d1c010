#pragma once
// What tickets are worth on average: the expected prize per draw, exact by
// linearity. A ticket of k distinct numbers holds exactly j of the M drawn out
// of P in C(k, j) * C(P - k, M - j) of the C(P, M) draws, whatever the other
// tickets, so the expected prize of the tickets is the sum over them of the
// sum over j of prize(j) times that chance.

#include "game.h"
#include "line_list.h"

namespace quorvex {

// The chance that a ticket of k distinct numbers holds exactly j of the drawn.
double HitChance(int k, int j, const Game& game);

// The expected prize per draw of the tickets, in hundredths: an average over all draws.
// A ticket's numbers above P are never drawn, so they count for nothing.
double ExpectedPrize(const LineList& tickets, const Game& game);

} // namespace quorvex
