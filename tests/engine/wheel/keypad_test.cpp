// Clicks and RESET are checked step by step against the model by fuzz_engine;
// here, the keys that do not exist and the keys a game of other balls plays.

#include "engine_fixture.h"

#include <algorithm>

using namespace quorvex;

namespace {

TEST_F(EngineTest, KeysOutsideTheKeypadChangeNothing) {
    ClickKey(3);
    for (int key : {0, 50, -1, 1000}) {
        const KeyOutcome outcome = ClickKey(key);
        EXPECT_EQ(outcome.selectedCount, 1) << "key " << key;
        EXPECT_EQ(outcome.baseCount, 0) << "key " << key;
    }
    EXPECT_EQ(gKeyState[0], kFree);
    EXPECT_EQ(gSelectedCount, 1);
}

// A game of other balls: the keys above it leave play and are freed; back to 49 or
// more, they come back free.
TEST_F(EngineTest, KeysFollowTheGamesBalls) {
    const struct {
        const char* name;
        int balls;
        std::vector<int> selected, base;
        std::vector<int> above; // picked keys the game cannot draw
        int selectedAfter, baseAfter;
    } games[] = {
        {"FewerBallsFreeTheKeysAbove", 35, {3, 36, 49}, {40}, {36, 40, 49}, 1, 0},
        {"TheLastBallStays", 35, {35}, {}, {}, 1, 0},
        {"MoreBallsKeepEveryKey", 90, {1, 49}, {2}, {}, 3, 1},
        {"ClampedToTheKeypad", 500, {49}, {}, {}, 1, 0},
        {"OneKeyAtLeast", 0, {1, 2}, {3}, {2, 3}, 1, 0},
    };
    for (const auto& [name, balls, selected, base, above, selectedAfter, baseAfter] : games) {
        SCOPED_TRACE(name);
        ResetState();
        PickKeys(selected, base);
        EXPECT_EQ(PickedKeysAbove(balls), above);
        const KeyOutcome outcome = SetKeyCount(balls);
        EXPECT_EQ(KeyCount(), std::clamp(balls, 1, 90));
        EXPECT_EQ(outcome.selectedCount, selectedAfter);
        EXPECT_EQ(outcome.baseCount, baseAfter);
        EXPECT_EQ(PickedCount(), selectedAfter);
        EXPECT_TRUE(PickedKeysAbove(KeyCount()).empty());
    }
}

// Keys set at once, as a play read back sets them: out of play, or base but not picked, stay Free.
TEST_F(EngineTest, SetKeysTakesOnlyKeysInPlay) {
    SetKeyCount(80);
    ClickKey(7);
    const KeyOutcome outcome = SetKeys({3, 52, 80, 81, 0}, {52, 4, 81});
    EXPECT_EQ(PickedKeys(), (std::vector<int>{3, 52, 80}));
    EXPECT_EQ(BaseKeys(), (std::vector<int>{52}));
    EXPECT_EQ(outcome.baseCount, 1);
}

} // namespace
