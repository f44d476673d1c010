// The windows beside the main one: set up, brought forward, closed; their named widgets.
#include "toolWindow.h"

#include "backgroundJob.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>

namespace quorvex::ui {

namespace {

// Enter that no box has taken presses the focused button, or else the window's
// default one, as in a dialog.
class DefaultButtonKeys : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != parent() || event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) {
            return false;
        }
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (focused && focused->window() == parent() && focused->isEnabled()) {
            focused->click();
            return true;
        }
        for (QPushButton* button : parent()->findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isEnabled() && button->isVisible()) {
                button->click();
                return true;
            }
        }
        return false;
    }
};

} // namespace

void SetUpToolWindow(QWidget* window, const char* name, const QString& title) {
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title + " - Quorvex");
    window->setWindowIcon(QIcon(":/quorvex/icon-48.png"));
    window->installEventFilter(new DefaultButtonKeys(window));
}

void Present(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void AddCloseKeys(QWidget* window) {
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence("Ctrl+W")}) {
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window,
                         &QWidget::close);
    }
}

QHBoxLayout* CloseRow(QWidget* window) {
    AddCloseKeys(window);
    auto* close = new QPushButton("Close");
    close->setObjectName("cmdClose");
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    return row;
}

QLabel* WrappingLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* Buddy(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QSpinBox* Spin(const char* name, const char* accessibleName, int low, int high, int value) {
    auto* spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setAccessibleName(accessibleName);
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

QPushButton* Button(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QProgressBar* ProgressBar(BackgroundJob* job) {
    auto* bar = new QProgressBar;
    bar->setObjectName("barProgress");
    bar->setRange(0, 1000);
    bar->setTextVisible(false);
    QObject::connect(job, &BackgroundJob::progressed, bar,
                     [bar](double fraction) { bar->setValue(static_cast<int>(fraction * 1000)); });
    return bar;
}

QScrollArea* Scrolling(QLayout* contents, const char* name) {
    auto* inside = new QWidget;
    contents->setContentsMargins(0, 0, 0, 0);
    inside->setLayout(contents);
    auto* area = new QScrollArea;
    area->setObjectName(name);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the sentences wrap instead
    area->setWidget(inside);
    area->setFocusPolicy(Qt::NoFocus);
    area->viewport()->setBackgroundRole(QPalette::Window); // as the box around it, not a page
    inside->setBackgroundRole(QPalette::Window);
    return area;
}

} // namespace quorvex::ui
