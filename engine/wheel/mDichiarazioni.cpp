// The application state, as the program starts, and put back so.
#include "mDichiarazioni.h"

namespace quorvex {

std::string gMessageText;
std::string gMessageButtons;
int gMessageResult = 0;

std::array<KeyState, kHighestKey + 1> gKeyState{};
int gSelectedCount = 0;
std::uint32_t gKeyColor = 0;
int gKeyCount = kDesignedKeys;

LineList gMatrixLines;
int gMatrixNumberCount = 0;
std::size_t gMatrixLineCount = 0;

LineList gSystemLines;
std::size_t gSystemLineCount = 0;
std::vector<Number> gSystemPicks;
int gSystemBaseCount = 0;

void ResetState() {
    gMessageText.clear();
    gMessageButtons.clear();
    gMessageResult = 0;
    gKeyState.fill(kFree);
    gSelectedCount = 0;
    gKeyColor = 0;
    gKeyCount = kDesignedKeys;
    gMatrixLines.clear();
    gMatrixNumberCount = 0;
    gMatrixLineCount = 0;
    gSystemLines.clear();
    gSystemLineCount = 0;
    gSystemPicks.clear();
    gSystemBaseCount = 0;
}

} // namespace quorvex
