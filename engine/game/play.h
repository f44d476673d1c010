#pragma once
// A play and the application state: the play on the keypad now, and a play
// read back onto it.

#include "operations.h"
#include "play_file.h"

#include <optional>

namespace quorvex {

struct PlayOutcome {
    Play play;
    std::optional<Refusal> refusal; // no wheel is held: nothing worth keeping
};

// The game given, the keys picked and the held wheel, as a play to keep.
PlayOutcome CurrentPlay(const Game& game);

// What both counters and the status line show once a play is put back.
struct TakenPlay {
    KeyOutcome keys;
    AcquireOutcome wheel;
};

// Puts a play read back on the state: its balls in play, its keys picked, its
// wheel held (the developed tickets stay until GENERATE).
TakenPlay TakePlay(const Play& play);

} // namespace quorvex
