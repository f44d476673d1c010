// Clicks and RESET are checked step by step against the model by fuzz_engine;
// here, the keys that do not exist.

#include "engine_fixture.h"

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

} // namespace
