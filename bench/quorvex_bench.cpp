// Runs the engine on a wheel file exactly as the buttons do: ACQUIRE on the
// file's bytes, key clicks, GENERATE, VIEW; reports each phase's time.
// With --report M it makes the wheel report for draws of M instead and
// prints its coverage table.
//
//   quorvex-bench MATRIX_FILE [--base 7,30] [--selected 3,12,41] [--repeat N] [--out FILE]
//   quorvex-bench MATRIX_FILE --report M
//   quorvex-bench --develop PLAY_FILE   (the tickets of a kept play, on stdout)
//   quorvex-bench --build N K T M ... (wheel_builder_bench.cpp)
//   quorvex-bench WHEEL --chances M P, TICKETS --past-draws HISTORY --game M P (game_bench.cpp)

#include "game_bench.h"
#include "mDichiarazioni.h"
#include "mapped_file.h"
#include "operations.h"
#include "play.h"
#include "report_output.h"
#include "wheel_builder_bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace quorvex;

namespace {

struct Options {
    const char* matrixFile = nullptr;
    std::vector<int> base;
    std::vector<int> selected;
    int repeat = 1;
    const char* out = nullptr;
    int report = 0; // M, when a report is asked for
};

int Usage(const char* why) {
    std::fprintf(stderr,
                 "quorvex-bench: %s\nusage: quorvex-bench MATRIX_FILE [--base 7,30] "
                 "[--selected 3,12,41] [--repeat N] [--out FILE|-]\n"
                 "       quorvex-bench MATRIX_FILE --report M\n"
                 "       quorvex-bench --develop PLAY_FILE\n",
                 why);
    return 2;
}

bool ParseKeys(const char* text, std::vector<int>& keys) {
    std::string item;
    for (const char* p = text;; ++p) {
        if (*p == ',' || *p == '\0') {
            char* end = nullptr;
            const long key = std::strtol(item.c_str(), &end, 10);
            if (item.empty() || *end != '\0' || key < 1 || key > kHighestKey) {
                return false;
            }
            keys.push_back(static_cast<int>(key));
            item.clear();
            if (*p == '\0') {
                return true;
            }
        } else {
            item += *p;
        }
    }
}

bool WriteFile(const char* path, const std::string& bytes) {
    const bool toStdout = std::string(path) == "-";
    std::FILE* file = toStdout ? stdout : std::fopen(path, "wb");
    if (!file) {
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = (toStdout ? std::fflush(file) : std::fclose(file)) == 0 && ok;
    return ok;
}

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

struct Run {
    AcquireOutcome acquired;
    std::string developNotice;
    ListOutcome listed;
    double acquireMs = 0, keysMs = 0, developMs = 0, listMs = 0;
};

// One whole sequence from a fresh state.
Run RunOnce(std::string_view text, const Options& options) {
    ResetState();
    SetKeyCount(kHighestKey); // every key a game can have
    Run run;
    auto start = Clock::now();
    run.acquired = AcquireMatrix(text);
    run.acquireMs = Milliseconds(start);

    start = Clock::now();
    for (int key : options.base) {
        ClickKey(key);
        ClickKey(key);
    }
    for (int key : options.selected) {
        ClickKey(key);
    }
    run.keysMs = Milliseconds(start);

    start = Clock::now();
    run.developNotice = DevelopSystem().Notice();
    run.developMs = Milliseconds(start);

    start = Clock::now();
    run.listed = ListSystem();
    run.listMs = Milliseconds(start);
    return run;
}

// A line of /proc/self/status, in KB.
long StatusKb(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kb = 0;
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, std::strlen(field)) == 0) {
            kb = std::atol(line + std::strlen(field));
        }
    }
    if (status) {
        std::fclose(status);
    }
    return kb;
}

// ACQUIRE, then the coverage table for draws of `drawn`, printed to stdout.
int Report(std::string_view text, int drawn, double readMs) {
    auto start = Clock::now();
    const AcquireOutcome acquired = AcquireMatrix(text);
    const double acquireMs = Milliseconds(start);
    if (acquired.refusal) {
        std::fprintf(stderr, "notice: %s\n", acquired.refusal->reason.c_str());
        return 1;
    }
    if (drawn > gMatrixNumberCount) {
        return Usage(("--report " + std::to_string(drawn) + " is above the wheel's " +
                      std::to_string(gMatrixNumberCount) + " numbers")
                         .c_str());
    }
    // What the report itself takes: the peak from here on, less what is resident now.
    if (std::FILE* reset = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", reset); // restarts the kernel's count of the peak
        std::fclose(reset);
    }
    const long residentKb = StatusKb("VmRSS:");
    start = Clock::now();
    Progress progress;
    const auto table =
        ComputeCoverage(WheelSetsOf(gMatrixLines, gMatrixNumberCount), drawn, progress);
    const double reportMs = Milliseconds(start);
    PrintReport(*table);
    std::fprintf(
        stderr, "status: %s\nreport memory: %ld KB\nms: read %.1f  acquire %.1f  report %.1f\n",
        acquired.statusText.c_str(), StatusKb("VmHWM:") - residentKb, readMs, acquireMs, reportMs);
    return 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// A play kept in a file, put on the keys and developed as GENERATE does: its
// tickets as VIEW lists them, for scripts; a refusal goes to stderr.
int DevelopPlay(const char* path) {
    const MappedFile file(path);
    if (!file.ok()) {
        std::fprintf(stderr, "quorvex-bench: cannot read %s\n", path);
        return 1;
    }
    const PlayReading read = ReadPlay(file.text());
    if (read.refusal) {
        std::fprintf(stderr, "quorvex-bench: %s: %s\n", path, read.refusal->reason.c_str());
        return 1;
    }
    TakePlay(*read.play);
    const DevelopOutcome developed = DevelopSystem();
    if (developed.refusal) {
        std::fprintf(stderr, "generate: %s\n", developed.Notice().c_str());
        return 1;
    }
    return WriteFile("-", ListSystem().listing) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--develop") == 0) {
        return DevelopPlay(argv[2]);
    }
    if (argc > 1 && std::strcmp(argv[1], "--build") == 0) {
        return BuildMain(argc, argv);
    }
    if (argc > 2 && std::strcmp(argv[2], "--chances") == 0) {
        return ChancesMain(argc, argv);
    }
    if (argc > 2 && std::strcmp(argv[2], "--past-draws") == 0) {
        return PastDrawsMain(argc, argv);
    }
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--base" && hasValue) {
            if (!ParseKeys(argv[++i], options.base)) {
                return Usage("--base takes keys 1-90 separated by commas");
            }
        } else if (arg == "--selected" && hasValue) {
            if (!ParseKeys(argv[++i], options.selected)) {
                return Usage("--selected takes keys 1-90 separated by commas");
            }
        } else if (arg == "--repeat" && hasValue) {
            options.repeat = std::atoi(argv[++i]);
            if (options.repeat < 1) {
                return Usage("--repeat takes a whole number from 1");
            }
        } else if (arg == "--report" && hasValue) {
            options.report = std::atoi(argv[++i]);
            if (options.report < 1 || options.report > kMaxDrawn) {
                return Usage("--report takes the balls drawn, 1 to 8");
            }
        } else if (arg == "--out" && hasValue) {
            options.out = argv[++i];
        } else if (arg.starts_with("--") || options.matrixFile) {
            return Usage(("unexpected argument " + arg).c_str());
        } else {
            options.matrixFile = argv[i];
        }
    }
    if (!options.matrixFile) {
        return Usage("no matrix file");
    }

    const auto readStart = Clock::now();
    const MappedFile file(options.matrixFile);
    if (!file.ok()) {
        std::fprintf(stderr, "quorvex-bench: cannot read %s\n", options.matrixFile);
        return 1;
    }
    const double readMs = Milliseconds(readStart);

    if (options.report > 0) {
        return Report(file.text(), options.report, readMs);
    }

    std::vector<double> acquireMs, keysMs, developMs, listMs;
    Run run;
    for (int i = 0; i < options.repeat; ++i) {
        run = RunOnce(file.text(), options);
        acquireMs.push_back(run.acquireMs);
        keysMs.push_back(run.keysMs);
        developMs.push_back(run.developMs);
        listMs.push_back(run.listMs);
    }
    if (run.acquired.refusal) {
        std::fprintf(stderr, "notice: %s\n", run.acquired.refusal->reason.c_str());
    }
    std::fprintf(stderr, "status: %s\n", run.acquired.statusText.c_str());
    std::fprintf(stderr, "generate: %s\n", run.developNotice.c_str());
    if (run.listed.refusal) {
        std::fprintf(stderr, "view: %s\n", run.listed.refusal->reason.c_str());
    }

    double writeMs = 0;
    if (options.out && !run.listed.listing.empty()) {
        const auto writeStart = Clock::now();
        if (!WriteFile(options.out, run.listed.listing)) {
            std::fprintf(stderr, "quorvex-bench: cannot write %s\n", options.out);
            return 1;
        }
        writeMs = Milliseconds(writeStart);
    }
    std::fprintf(stderr,
                 "ms (median of %d): read %.1f  acquire %.1f  keys %.3f  generate %.1f  view %.1f"
                 "  write %.1f\n",
                 options.repeat, readMs, Median(acquireMs), Median(keysMs), Median(developMs),
                 Median(listMs), writeMs);

    const bool developed = run.developNotice == kWellDoneNotice && !run.listed.listing.empty();
    return developed ? 0 : 1;
}
