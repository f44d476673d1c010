#include "engine_fixture.h"

using namespace quorvex;

namespace {

TEST_F(EngineTest, KeyCyclesFreeSelectedBaseFree) {
    const KeyOutcome first = ClickKey(12);
    EXPECT_EQ(first.color, 0x008AAE35u);
    EXPECT_EQ(first.selectedCount, 1);
    EXPECT_EQ(first.baseCount, 0);

    const KeyOutcome second = ClickKey(12);
    EXPECT_EQ(second.color, 0x0014B4E4u);
    EXPECT_EQ(second.selectedCount, 1) << "a Base key is also a picked key";
    EXPECT_EQ(second.baseCount, 1);

    const KeyOutcome third = ClickKey(12);
    EXPECT_EQ(third.color, 0x8000000Fu);
    EXPECT_EQ(third.selectedCount, 0);
    EXPECT_EQ(third.baseCount, 0);
    EXPECT_EQ(gKeyColor, 0x8000000Fu);
}

TEST_F(EngineTest, CountersFollowEveryKey) {
    ClickKey(5);
    ClickKey(9);
    const KeyOutcome outcome = ClickKey(9);
    EXPECT_EQ(outcome.selectedCount, 2);
    EXPECT_EQ(outcome.baseCount, 1);
    EXPECT_EQ(gKeyState[5], kSelected);
    EXPECT_EQ(gKeyState[9], kBase);

    // The corner keys count like any other.
    ClickKey(1);
    EXPECT_EQ(ClickKey(49).selectedCount, 4);
}

TEST_F(EngineTest, ResetFreesEveryKeyButKeepsTheLastColour) {
    PickKeys({1, 2, 3}, {49, 20});
    ResetKeys();
    EXPECT_EQ(gSelectedCount, 0);
    for (int key = 1; key <= 49; ++key) {
        EXPECT_EQ(gKeyState[key], kFree) << key;
    }
    EXPECT_EQ(gKeyColor, 0x0014B4E4u);
    EXPECT_EQ(ClickKey(7).selectedCount, 1);
}

TEST_F(EngineTest, KeysOutsideTheKeypadChangeNothing) {
    ClickKey(3);
    for (int key : {0, 50, -1, 1000}) {
        const KeyOutcome outcome = ClickKey(key);
        EXPECT_EQ(outcome.selectedCount, 1);
        EXPECT_EQ(outcome.baseCount, 0);
    }
    EXPECT_EQ(gKeyState[0], kFree);
}

} // namespace
