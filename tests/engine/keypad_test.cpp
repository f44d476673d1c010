#include "engine_fixture.h"

using namespace quorvex;

namespace {

// Clicks and their colours and counts are checked step by step against the
// model in model_test.cpp; here, what the model leaves out.

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
