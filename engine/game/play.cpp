// The play on the keypad, and a play put back on it.
#include "play.h"

namespace quorvex {

PlayOutcome CurrentPlay(const Game& game) {
    PlayOutcome outcome{{game, PickedKeys(), BaseKeys(), {}}, std::nullopt};
    const LineList& wheel = HeldWheel();
    if (wheel.empty()) {
        outcome.refusal = Refusal{std::string(kAcquireFirstNotice)};
        return outcome;
    }
    std::string& text = outcome.play.wheel;
    text.reserve(3 * wheel.numberCount());
    for (std::size_t l = 0; l < wheel.size(); ++l) {
        for (Number n : wheel.line(l)) {
            text += std::to_string(n);
            text += ' ';
        }
        text.back() = '\n'; // no line is ever empty
    }
    return outcome;
}

TakenPlay TakePlay(const Play& play) {
    SetKeyCount(play.game.balls);
    TakenPlay taken;
    taken.keys = SetKeys(play.numbers, play.base);
    taken.wheel = AcquireMatrix(play.wheel);
    return taken;
}

} // namespace quorvex
