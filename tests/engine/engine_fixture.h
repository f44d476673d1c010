#pragma once

#include "mDichiarazioni.h"
#include "operations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every engine test starts from the state the program starts with.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { quorvex::ResetState(); }
};

// Clicks each key the given number of times.
inline void PickKeys(const std::vector<int>& selected, const std::vector<int>& base = {}) {
    for (int key : selected) {
        quorvex::ClickKey(key);
    }
    for (int key : base) {
        quorvex::ClickKey(key);
        quorvex::ClickKey(key);
    }
}
