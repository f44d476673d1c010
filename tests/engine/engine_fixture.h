#pragma once

#include "operations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every engine test starts from the state the program starts with.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { quorvex::ResetApplicationState(); }
    void TearDown() override { quorvex::ResetApplicationState(); }
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

// The listing split at its CR LF line ends; fails the test on a bare LF or a missing end.
inline std::vector<std::string> ListedLines() {
    const std::string listing = quorvex::ListSystem().listing;
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < listing.size()) {
        const std::size_t end = listing.find("\r\n", pos);
        if (end == std::string::npos) {
            ADD_FAILURE() << "listing does not end in CR LF";
            break;
        }
        lines.push_back(listing.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}
