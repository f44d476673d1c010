#pragma once
// The program's windows beside the main one: how they are set up (a window of
// their own, the program's icon, gone once closed), how they come forward, and
// how they close: a Close button at the bottom right, Escape or Ctrl+W.

#include <QWidget>

class QHBoxLayout;

namespace quorvex::ui {

void SetUpToolWindow(QWidget* window, const char* name, const QString& title);

// Shows the window, in front and active.
void Present(QWidget* window);

// Escape and Ctrl+W close the window.
void AddCloseKeys(QWidget* window);

// The keys above, and a row holding the Close button ("cmdClose") on the right.
QHBoxLayout* CloseRow(QWidget* window);

} // namespace quorvex::ui
