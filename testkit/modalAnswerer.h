#pragma once
// For programs that drive the windows (the window tests, the screenshot
// driver, the window benchmark): answers the next modal dialog. It records
// what the dialog shows, runs a check while it is open, then presses one of
// its buttons, or Enter on the focused one. If that button is missing the
// dialog is closed anyway, so that nothing can hang on it.

#include "mDichiarazioni.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace quorvex::ui {

class ModalAnswerer : public QObject {
public:
    static constexpr int kEnter = 0; // press Enter instead of clicking

    explicit ModalAnswerer(int button, std::function<void(QDialog*)> whileOpen = {})
        : button_(button), whileOpen_(std::move(whileOpen)) {
        connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
        timer_.start(1);
    }

    int seen = 0;         // dialogs answered
    QString text;         // the message shown, in the lines its width gave it
    QString notice;       // the message as said, its own lines only (the font decides the rest)
    QStringList captions; // the visible buttons, left to right

private:
    QPushButton* Button(QDialog* dialog, int i) {
        return dialog->findChild<QPushButton*>(QString("cmdPulsante%1").arg(i));
    }

    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            return;
        }
        timer_.stop();
        ++seen;
        if (auto* message = dialog->findChild<QLabel*>("lblMessage")) {
            text = message->text();
            notice = QString::fromStdString(gMessageText).replace('|', '\n');
        }
        for (int i = 1; i <= 3; ++i) {
            if (QPushButton* b = Button(dialog, i); b && b->isVisible()) {
                captions << b->text();
            }
        }
        if (whileOpen_) {
            whileOpen_(dialog);
        }
        if (button_ == kEnter && dialog->focusWidget()) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(dialog->focusWidget(), &enter);
        }
        if (!dialog->isVisible()) {
            return;
        }
        if (QPushButton* b = Button(dialog, button_); b && b->isVisible()) {
            b->click();
        } else {
            dialog->done(0);
        }
    }

    int button_;
    std::function<void(QDialog*)> whileOpen_;
    QTimer timer_;
};

// Closes any modal dialog that is still open half a second after it was first
// seen, and counts it: a notice nobody expected would otherwise wait for a
// click for ever. (ModalAnswerer answers within milliseconds.)
class DialogWatchdog : public QObject {
public:
    DialogWatchdog() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* open = QApplication::activeModalWidget();
            if (open && open == seen_) {
                ++closed;
                if (auto* dialog = qobject_cast<QDialog*>(open)) {
                    dialog->done(0); // our message dialog refuses close()
                } else {
                    open->close();
                }
            }
            seen_ = open;
        });
        timer_.start(500);
    }

    int closed = 0; // dialogs that nobody answered

private:
    QTimer timer_;
    // Guarded: a notice shown on the stack lives at the address of the one before
    // it, which must not count as the same dialog still open.
    QPointer<QWidget> seen_;
};

} // namespace quorvex::ui
