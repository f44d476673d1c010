// Feeds arbitrary bytes to the engine as a pasted text followed by a run of
// clicks, and checks the application state after every step.
//
// Input: two bytes of text length, the text, then one byte per action.

#include "operations.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace quorvex;

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

int CountState(KeyState state) {
    return static_cast<int>(std::count(gKeyState.begin() + 1, gKeyState.end(), state));
}

void CheckState() {
    Check(gMatrixLineCount == gMatrixLines.size(), "matrix line count equals its lines");
    Check(gSystemLineCount == gSystemLines.size(), "system line count equals its lines");
    Check(gSelectedCount == kHighestNumber - CountState(kFree), "SELECTED counts keys not Free");
    Check(CountState(kBase) <= gSelectedCount, "BASE never above SELECTED");
    if (gMatrixLineCount == 0) {
        Check(gMatrixNumberCount == 0, "no matrix, no numbers");
        return;
    }
    Check(CountNumbers(gMatrixLines) == gMatrixNumberCount, "number count matches the matrix");
    Check(!MatrixIsInvalid(gMatrixLines), "a held matrix uses exactly 1..N");
}

// After a development: one listed line per matrix line, each ascending,
// two-digit and using only picked numbers, the lines in ascending order.
void CheckListing(const std::string& listing) {
    std::size_t lines = 0;
    std::string_view previous;
    std::string_view rest = listing;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        Check(end != std::string_view::npos, "every listed line ends in CR LF");
        const std::string_view line = rest.substr(0, end);
        Check(line.size() % 3 == 2, "numbers are two digits apart by single spaces");
        int last = 0;
        for (std::size_t i = 0; i < line.size(); i += 3) {
            Check(line[i] >= '0' && line[i] <= '9' && line[i + 1] >= '0' && line[i + 1] <= '9',
                  "two digits");
            Check(i + 2 == line.size() || line[i + 2] == ' ', "single spaces");
            const int n = (line[i] - '0') * 10 + (line[i + 1] - '0');
            Check(n >= 1 && n <= kHighestNumber && gKeyState[n] != kFree, "a picked number");
            Check(n >= last, "ascending within the line");
            last = n;
        }
        Check(previous <= line, "lines in ascending order");
        previous = line;
        ++lines;
        rest.remove_prefix(end + 2);
    }
    Check(lines == gMatrixLineCount, "one listed line per matrix line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetApplicationState();
    if (size < 2) {
        return 0;
    }
    const std::size_t textSize = std::min<std::size_t>(data[0] | data[1] << 8, size - 2);
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, textSize);
    AcquireMatrix(text);
    CheckState();

    std::string listing;
    for (std::size_t i = 2 + textSize; i < size; ++i) {
        const std::uint8_t action = data[i];
        if (action < 147) {
            const KeyOutcome outcome = ClickKey(action % kHighestNumber + 1);
            Check(outcome.color == KeyColor(gKeyState[action % kHighestNumber + 1]),
                  "the key shows its state's colour");
            Check(outcome.selectedCount == gSelectedCount, "the SELECTED shown is the count");
        } else if (action < 160) {
            if (DevelopSystem() == kWellDoneNotice) {
                CheckListing(ListSystem().listing);
            }
        } else if (action < 176) {
            listing = ListSystem().listing;
        } else if (action < 192) {
            ResetKeys();
        } else if (action < 208) {
            AcquireMatrix(listing); // VIEW, then ACQUIRE what the box now shows
        } else {
            AcquireMatrix(text);
        }
        CheckState();
    }
    return 0;
}
