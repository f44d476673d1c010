#pragma once
// A ticket of a built or known wheel: its numbers 1..N, ascending.

#include <vector>

namespace quorvex {

using Ticket = std::vector<int>;

} // namespace quorvex
