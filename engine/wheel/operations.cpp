// ACQUIRE, the keys, GENERATE and VIEW on the application state.
#include "operations.h"

#include "two_digits.h"

#include <algorithm>
#include <vector>

namespace quorvex {

namespace {

int CountKeys(KeyState state) {
    return static_cast<int>(std::count(gKeyState.begin() + 1, gKeyState.end(), state));
}

KeyOutcome Counts(KeyState state) {
    gSelectedCount = kHighestKey - CountKeys(kFree);
    return {state, KeyColor(state), gSelectedCount, CountKeys(kBase)};
}

std::vector<int> KeysWhere(int from, int to, bool (*wanted)(KeyState)) {
    std::vector<int> keys;
    for (int key = from; key <= to; ++key) {
        if (wanted(gKeyState[static_cast<std::size_t>(key)])) {
            keys.push_back(key);
        }
    }
    return keys;
}

bool IsPicked(KeyState state) {
    return state != kFree;
}

bool IsBase(KeyState state) {
    return state == kBase;
}

void DropMatrix() {
    gMatrixLines.clear();
    gMatrixLineCount = 0;
    gMatrixNumberCount = 0;
}

} // namespace

std::uint32_t KeyColor(KeyState state) {
    switch (state) {
    case kSelected:
        return kSelectedKeyColor;
    case kBase:
        return kBaseKeyColor;
    case kFree:
        break;
    }
    return kFreeKeyColor;
}

AcquireOutcome AcquireMatrix(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    WheelReading wheel = ReadWheel(text);
    if (wheel.refusal) {
        DropMatrix();
        return {Acquisition::Invalid, std::string(kNoWheelStatus), std::move(wheel.refusal)};
    }
    gMatrixLines = std::move(wheel.lines);
    gMatrixLineCount = gMatrixLines.size();
    gMatrixNumberCount = static_cast<int>(wheel.numbers.size());
    return {Acquisition::Valid,
            "IN MEMORY: " + std::to_string(gMatrixNumberCount) + " NUMBERS - IN " +
                std::to_string(gMatrixLineCount) + " LINES",
            std::nullopt};
}

KeyOutcome ClickKey(int n) {
    if (n < 1 || n > gKeyCount) {
        return {kFree, KeyColor(kFree), gSelectedCount, CountKeys(kBase)};
    }
    KeyState& state = gKeyState[static_cast<std::size_t>(n)];
    state = state == kBase ? kFree : static_cast<KeyState>(state + 1);
    gKeyColor = KeyColor(state);
    return Counts(state);
}

KeyOutcome ResetKeys() {
    gKeyState.fill(kFree);
    gSelectedCount = 0;
    return {kFree, KeyColor(kFree), 0, 0};
}

int KeyCount() {
    return gKeyCount;
}

std::vector<int> PickedKeysAbove(int balls) {
    return KeysWhere(std::clamp(balls, 1, kHighestKey) + 1, kHighestKey, IsPicked);
}

KeyOutcome SetKeyCount(int balls) {
    gKeyCount = std::clamp(balls, 1, kHighestKey);
    std::fill(gKeyState.begin() + gKeyCount + 1, gKeyState.end(), kFree);
    return Counts(kFree);
}

KeyOutcome SetKeys(const std::vector<int>& picked, const std::vector<int>& base) {
    gKeyState.fill(kFree);
    const auto inPlay = [](int key) {
        return key >= 1 && key <= gKeyCount;
    };
    for (int key : picked) {
        if (inPlay(key)) {
            gKeyState[static_cast<std::size_t>(key)] = kSelected;
        }
    }
    for (int key : base) {
        if (inPlay(key) && gKeyState[static_cast<std::size_t>(key)] == kSelected) {
            gKeyState[static_cast<std::size_t>(key)] = kBase;
        }
    }
    return Counts(kFree);
}

KeyState StateOfKey(int n) {
    return n >= 1 && n <= kHighestKey ? gKeyState[static_cast<std::size_t>(n)] : kFree;
}

std::vector<int> PickedKeys() {
    return KeysWhere(1, kHighestKey, IsPicked);
}

std::vector<int> BaseKeys() {
    return KeysWhere(1, kHighestKey, IsBase);
}

bool PicksMatchWheel() {
    return gMatrixLineCount > 0 && PicksMatch(gMatrixNumberCount);
}

bool PicksMatch(int numbers) {
    return gSelectedCount == numbers;
}

int PickedCount() {
    return gSelectedCount;
}

const LineList& HeldWheel() {
    return gMatrixLines;
}

int HeldWheelNumbers() {
    return gMatrixNumberCount;
}

const LineList& DevelopedTickets() {
    return gSystemLines;
}

std::vector<int> DevelopedPicks() {
    std::vector<int> picks(gSystemPicks.begin(), gSystemPicks.end());
    std::sort(picks.begin(), picks.end());
    return picks;
}

std::optional<Refusal> NothingDeveloped() {
    if (gSystemLineCount < 1) {
        return Refusal{std::string(kNothingDevelopedNotice)};
    }
    return std::nullopt;
}

std::vector<Number> KeyMapping() {
    std::vector<Number> picks;
    for (KeyState wanted : {kBase, kSelected}) {
        for (int key = 1; key <= gKeyCount; ++key) {
            if (gKeyState[static_cast<std::size_t>(key)] == wanted) {
                picks.push_back(static_cast<Number>(key));
            }
        }
    }
    return picks;
}

DevelopOutcome DevelopSystem() {
    const int need = gMatrixNumberCount;
    const int have = gSelectedCount;
    if (gMatrixLineCount < 1) {
        return {false, Refusal{std::string(kAcquireFirstNotice)}};
    }
    if (!PicksMatchWheel()) {
        return {false,
                Refusal{have < need
                            ? "Select another " + std::to_string(need - have) + " numbers ..!"
                            : "Unselect " + std::to_string(have - need) + " numbers ..!"}};
    }

    const std::vector<Number> picks = KeyMapping();
    // The system starts as the matrix, line for line, then takes the picked numbers.
    LineList system = gMatrixLines;
    for (Number& n : system.numbers()) {
        n = picks[n - 1u];
    }
    SortLines(system);
    gSystemLines = std::move(system);
    gSystemLineCount = gMatrixLineCount;
    gSystemBaseCount = CountKeys(kBase);
    gSystemPicks = picks;
    return {true, std::nullopt};
}

ListOutcome ListSystem() {
    if (auto nothing = NothingDeveloped()) {
        return {{}, std::move(nothing)};
    }
    // Two digits and a space or line end per number, plus the CR of each CR LF.
    std::string listing(3 * gSystemLines.numberCount() + gSystemLines.size(), '\0');
    char* out = listing.data();
    for (std::size_t l = 0; l < gSystemLines.size(); ++l) {
        for (Number n : gSystemLines.line(l)) {
            out = WriteTwoDigits(n, out);
            *out++ = ' ';
        }
        out[-1] = '\r'; // the last number's space becomes the CR (no line is ever empty)
        *out++ = '\n';
    }
    return {std::move(listing), {}};
}

} // namespace quorvex
