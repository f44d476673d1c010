#pragma once
// The Edit menu: Undo, Redo, Cut, Copy, Paste and Select All with their
// standard shortcuts, acting on one text box wherever the focus is.

class QMenuBar;
class QPlainTextEdit;

namespace quorvex::ui {

void AddEditMenu(QMenuBar* bar, QPlainTextEdit* box);

} // namespace quorvex::ui
