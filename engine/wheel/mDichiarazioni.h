#pragma once
// The application state: everything that outlives a single click. The matrix
// is the wheel the player pasted, the system is the tickets developed from it.
// The engine operations read and write these; the windows go through them.

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

// Keypad: state of each key 1..49 (index 0 unused), keys not Free, last colour given.
extern std::array<KeyState, kHighestNumber + 1> gKeyState;
extern int gSelectedCount;
extern std::uint32_t gKeyColor;

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

// Everything above as the program starts: no message, every key free, no wheel
// held, nothing developed. At start-up, and between the sessions a test runs.
void ResetState();

} // namespace quorvex
