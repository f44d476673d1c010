#pragma once
// quorvex-bench --build: see build_bench.cpp.

namespace quorvex {

int BuildMain(int argc, char* argv[]);

} // namespace quorvex
