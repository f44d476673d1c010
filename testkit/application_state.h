#pragma once
// Puts the program's state back as it starts, for the tests, the fuzz targets
// and the benches, which run one session after another in one process.

#include "mDichiarazioni.h"

namespace quorvex {

inline void ResetApplicationState() {
    gMessageText.clear();
    gMessageButtons.clear();
    gMessageResult = 0;
    gKeyState.fill(kFree);
    gSelectedCount = 0;
    gKeyColor = 0;
    gMatrixLines.clear();
    gMatrixNumberCount = 0;
    gMatrixLineCount = 0;
    gSystemLines.clear();
    gSystemLineCount = 0;
    gSystemPicks.clear();
    gSystemBaseCount = 0;
}

} // namespace quorvex
