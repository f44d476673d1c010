// quorvex-bench --build N K T M [--seconds S] [--seed X] [--threads J] [--out FILE]
//
// Builds a wheel by search alone (never a stored design), checks it with the
// report engine, writes it (one ticket a line, numbers ascending, single
// spaces, LF) and prints one line:
//   lines=L guarantee=T if M lower-bound=B best-known=R seconds=S
// Peak memory per m-set goes to stderr. Exit 0 when a wheel meeting the
// guarantee was written, 1 when none was found in time, 2 for bad arguments.

#include "wheel_builder_bench.h"

#include "bench_arguments.h"
#include "best_known.h"
#include "combinations.h"
#include "portfolio.h"
#include "wheel_text.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace quorvex {

namespace {

int BuildUsage(const std::string& why) {
    return BadArguments(why, "quorvex-bench --build N K T M [--seconds S] [--seed X] "
                             "[--threads J] [--out FILE]");
}

long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field)) {
            return std::atol(line.c_str() + std::strlen(field));
        }
    }
    return 0;
}

std::string LibraryText() {
    std::ifstream file(QUORVEX_WHEEL_LIBRARY);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

int BuildMain(int argc, char* argv[]) {
    if (argc < 6) {
        return BuildUsage("--build takes N K T M");
    }
    BuildRequest request;
    long figures[4];
    for (int i = 0; i < 4; ++i) {
        if (!Whole(argv[2 + i], 1, 64, figures[i])) {
            return BuildUsage("N K T M are whole numbers");
        }
    }
    request.goal = {static_cast<int>(figures[0]), static_cast<int>(figures[1]),
                    static_cast<int>(figures[2]), static_cast<int>(figures[3])};
    const char* out = nullptr;
    for (int i = 6; i < argc; ++i) {
        const std::string arg = argv[i];
        long value = 0;
        if (i + 1 >= argc) {
            return BuildUsage("unexpected argument " + arg);
        }
        const char* next = argv[++i];
        if (arg == "--seconds" && Whole(next, 1, 86400, value)) {
            request.seconds = static_cast<double>(value);
        } else if (arg == "--seed" && Whole(next, 0, 2147483647, value)) {
            request.seed = static_cast<std::uint64_t>(value);
        } else if (arg == "--threads" && Whole(next, 1, 64, value)) {
            request.threads = static_cast<int>(value);
        } else if (arg == "--out") {
            out = next;
        } else {
            return BuildUsage("unexpected argument " + arg + " " + next);
        }
    }
    if (const auto refusal = GoalProblem(request.goal)) {
        return BuildUsage(refusal->reason);
    }

    // What the search itself takes: the peak from here on, less what is resident now.
    if (std::FILE* reset = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", reset);
        std::fclose(reset);
    }
    const long residentKb = StatusKb("VmRSS:");
    const auto start = std::chrono::steady_clock::now();
    Progress progress;
    const BuildOutcome built = BuildWheel(request, progress);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long searchKb = StatusKb("VmHWM:") - residentKb;
    if (built.tickets.empty()) {
        std::fprintf(stderr, "quorvex-bench: %s\n", built.refusal->reason.c_str());
        return 1;
    }
    if (out != nullptr) {
        std::ofstream file(out, std::ios::binary);
        file << WheelText(built.tickets);
        if (!file.flush()) {
            std::fprintf(stderr, "quorvex-bench: cannot write %s\n", out);
            return 1;
        }
    }
    const auto [n, k, t, m] = request.goal;
    const auto bound = LowerBound(request.goal);
    const WheelLibrary library = ParseWheelLibrary(LibraryText());
    const KnownWheel* known = library.Find(request.goal);
    std::printf("lines=%zu guarantee=%d if %d lower-bound=%s best-known=%s seconds=%.1f "
                "method=%s\n",
                built.tickets.size(), built.guarantee, m,
                bound ? std::to_string(*bound).c_str() : "-",
                known ? std::to_string(known->size).c_str() : "-", seconds, built.method.c_str());
    std::fprintf(stderr, "search memory=%ld KB (%.1f bytes per m-set)\n", searchKb,
                 static_cast<double>(searchKb) * 1024.0 / static_cast<double>(Binomial(n, m)));
    return 0;
}

} // namespace quorvex
