#pragma once
// The Help menu's windows: a short guide to the program, and About.

class QWidget;

namespace quorvex::ui {

// Each opens a window of its own over `owner` and returns at once.
void ShowGuide(QWidget* owner);
void ShowAbout(QWidget* owner);

} // namespace quorvex::ui
