#pragma once
// How the program's own windows close: a Close button at the bottom right,
// and Escape or Ctrl+W anywhere in the window.

#include <QWidget>

class QHBoxLayout;

namespace quorvex::ui {

// Escape and Ctrl+W close the window.
void AddCloseKeys(QWidget* window);

// The keys above, and a row holding the Close button ("cmdClose") on the right.
QHBoxLayout* CloseRow(QWidget* window);

} // namespace quorvex::ui
