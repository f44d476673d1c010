#pragma once
// The application state: everything that outlives a single click. The matrix
// is the wheel the player pasted, the system is the tickets developed from it.
// The engine operations read and write these; the windows go through them.

#include "combinations.h"
#include "mFunzioni.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

enum KeyState : std::uint8_t { kFree = 0, kSelected = 1, kBase = 2 };

// Message dialog calling convention: body ("|" breaks lines), comma-separated
// captions, and the 1-based button pressed (0 while none has been).
extern std::string gMessageText;
extern std::string gMessageButtons;
extern int gMessageResult;

// The keypad has a key for every ball of the game: 49 as designed, up to 90.
constexpr int kDesignedKeys = 49;
constexpr int kHighestKey = kMaxBalls;

// Keypad: state of each key 1..90 (index 0 unused), keys not Free, last colour given.
// Only the keys 1..gKeyCount are in play; the ones above are always Free.
extern std::array<KeyState, kHighestKey + 1> gKeyState;
extern int gSelectedCount;
extern std::uint32_t gKeyColor;
extern int gKeyCount;

// The held matrix; gMatrixLineCount == 0 means none is held.
extern LineList gMatrixLines;
extern int gMatrixNumberCount;
extern std::size_t gMatrixLineCount;

// The developed system; gSystemLineCount == 0 means nothing was developed.
extern LineList gSystemLines;
extern std::size_t gSystemLineCount;
// What it was developed onto, for saving and printing it later: the picked
// numbers in the order they took the matrix numbers 1..N, the first
// gSystemBaseCount of them Base.
extern std::vector<Number> gSystemPicks;
extern int gSystemBaseCount;

// Everything above as the program starts: no message, the 49 keys free, no wheel
// held, nothing developed. At start-up, and between the sessions a test runs.
void ResetState();

} // namespace quorvex
