#pragma once
// quorvex-bench --build: see wheel_builder_bench.cpp.

namespace quorvex {

int BuildMain(int argc, char* argv[]);

} // namespace quorvex
