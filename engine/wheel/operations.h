#pragma once
// The operations behind the windows. Each changes the application state (or
// reads it) and returns what the window must show; none draws anything.

#include "mDichiarazioni.h"
#include "refusal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// Texts the user sees.
inline constexpr std::string_view kNoWheelStatus = "NO WHEEL IN MEMORY..!";
inline constexpr std::string_view kInvalidMatrixNotice = "Invalid Matrix ..!";
inline constexpr std::string_view kAcquireFirstNotice = "Acquire the Matrix ..!";
inline constexpr std::string_view kWellDoneNotice = "Well Done ..!";
inline constexpr std::string_view kNothingDevelopedNotice = "Sorry! No lines reduced ..!";

// Key colours as 0x00BBGGRR; the Free colour names the system's button face.
inline constexpr std::uint32_t kFreeKeyColor = 0x8000000F;
inline constexpr std::uint32_t kSelectedKeyColor = 0x008AAE35;
inline constexpr std::uint32_t kBaseKeyColor = 0x0014B4E4;
std::uint32_t KeyColor(KeyState state);

enum class Acquisition { Ignored, Invalid, Valid };

struct AcquireOutcome {
    Acquisition result = Acquisition::Ignored;
    std::string statusText; // put on the status line, when not empty
    // Why the text is no matrix: shown under kInvalidMatrixNotice before the status.
    std::optional<Refusal> refusal;
};

// ACQUIRE: reads the text box into the held matrix, or drops it if the text is no matrix.
AcquireOutcome AcquireMatrix(std::string_view text);

struct KeyOutcome {
    KeyState state = kFree;
    std::uint32_t color = kFreeKeyColor;
    int selectedCount = 0;
    int baseCount = 0;
};

// A click on key n (1..the keys in play) moves it Free -> Selected -> Base -> Free.
// A key out of play stays Free.
KeyOutcome ClickKey(int n);

// RESET: every key Free. What each key and both counters show now.
KeyOutcome ResetKeys();

// The keys in play: 1..KeyCount(), the balls of the game played.
int KeyCount();

// The keys picked (Selected or Base) above `balls` (clamped to 1..90),
// ascending: what a game of that many balls cannot draw.
std::vector<int> PickedKeysAbove(int balls);

// Plays a game of `balls` (clamped to 1..90): the keys above it are freed.
// What both counters show now.
KeyOutcome SetKeyCount(int balls);

// Every key Free, then `picked` Selected and of them `base` Base; keys out of
// play, and base keys not picked, are left Free. What both counters show now.
KeyOutcome SetKeys(const std::vector<int>& picked, const std::vector<int>& base);

// Key n's state (Free for a key that does not exist).
KeyState StateOfKey(int n);

// The picked keys ascending, and which of them are Base.
std::vector<int> PickedKeys();
std::vector<int> BaseKeys();

// Whether the keys picked are as many as the held wheel's numbers, as GENERATE needs.
bool PicksMatchWheel();

// Whether the keys picked are as many as a wheel of `numbers` numbers takes.
bool PicksMatch(int numbers);
int PickedCount();

// The held wheel (no lines while none is held) and its count of numbers.
const LineList& HeldWheel();
int HeldWheelNumbers();

// The tickets GENERATE developed last; none before.
const LineList& DevelopedTickets();

// The numbers GENERATE developed onto, ascending; none before.
std::vector<int> DevelopedPicks();

// VIEW's notice when nothing is developed to list, save, copy or print.
std::optional<Refusal> NothingDeveloped();

// What the other windows say while nothing is developed.
inline constexpr std::string_view kGenerateFirst =
    "Nothing is developed yet: press GENERATE in the main window.";

// The picked keys in the order they take the matrix numbers 1, 2, ...: the
// Base keys ascending, then the Selected keys ascending.
std::vector<Number> KeyMapping();

struct DevelopOutcome {
    bool developed = false;         // new tickets replaced the old ones
    std::optional<Refusal> refusal; // why nothing was developed

    // The one notice GENERATE shows: "Well Done ..!", or the refusal's reason.
    std::string Notice() const { return refusal ? refusal->reason : std::string(kWellDoneNotice); }
};

// GENERATE: develops the held matrix onto the picked keys.
DevelopOutcome DevelopSystem();

struct ListOutcome {
    std::string listing;            // every developed line followed by CR LF
    std::optional<Refusal> refusal; // instead of a listing, when nothing was developed
};

// VIEW: the developed system as text.
ListOutcome ListSystem();

} // namespace quorvex
