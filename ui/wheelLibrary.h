#pragma once
// The library of best known wheels shipped with the program, read once from
// the program's resources.

#include "best_known.h"

namespace quorvex::ui {

const WheelLibrary& Library();

} // namespace quorvex::ui
