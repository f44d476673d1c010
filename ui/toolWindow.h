#pragma once
// The program's windows beside the main one: how they are set up (a window of
// their own, the program's icon, gone once closed), how they come forward, and
// how they close: a Close button at the bottom right, Escape or Ctrl+W; and
// the named widgets they are made of.

#include <QWidget>

class QHBoxLayout;
class QProgressBar;
class QScrollArea;
class QLabel;
class QPushButton;
class QSpinBox;

namespace quorvex::ui {

class BackgroundJob;

void SetUpToolWindow(QWidget* window, const char* name, const QString& title);

// Shows the window, in front and active.
void Present(QWidget* window);

// Escape and Ctrl+W close the window.
void AddCloseKeys(QWidget* window);

// The keys above, and a row holding the Close button ("cmdClose") on the right.
QHBoxLayout* CloseRow(QWidget* window);

// A label that wraps its text and lets it be selected and copied.
QLabel* WrappingLabel(const char* name);

// A label that gives its Alt key to the widget it names.
QLabel* Buddy(const QString& text, QWidget* buddy);

QSpinBox* Spin(const char* name, const char* accessibleName, int low, int high, int value);
// Any other widget with its name and, for a control, the name a screen reader reads out.
template <class Widget> Widget* Named(const char* name, const QString& accessibleName = {}) {
    auto* widget = new Widget;
    widget->setObjectName(name);
    widget->setAccessibleName(accessibleName);
    return widget;
}
QPushButton* Button(const QString& caption, const char* name);

// A bar ("barProgress") that follows the job's progress.
QProgressBar* ProgressBar(BackgroundJob* job);

// What a layout holds, scrolled when it is taller than the room it is given
// (long sentences under a game of many balls), with no frame of its own.
QScrollArea* Scrolling(QLayout* contents, const char* name);

} // namespace quorvex::ui
