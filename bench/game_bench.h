#pragma once
// quorvex-bench --chances and --past-draws: see game_bench.cpp.

namespace quorvex {

int ChancesMain(int argc, char* argv[]);
int PastDrawsMain(int argc, char* argv[]);

} // namespace quorvex
