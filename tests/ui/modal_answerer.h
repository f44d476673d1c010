#pragma once
// Answers the next modal dialog: records what it shows, runs a check while it
// is open, then presses one of its buttons (or Enter on the focused one). If
// the button is missing the dialog is closed anyway, so a failing test cannot
// hang on it.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

class ModalAnswerer : public QObject {
public:
    static constexpr int kEnter = 0; // press Enter instead of clicking

    explicit ModalAnswerer(int button, std::function<void(QDialog*)> whileOpen = {})
        : button_(button), whileOpen_(std::move(whileOpen)) {
        connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
        timer_.start(1);
    }

    int seen = 0;         // dialogs answered
    QString text;         // the message shown
    QStringList captions; // the visible buttons, left to right

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            return;
        }
        timer_.stop();
        ++seen;
        text = dialog->findChild<QLabel*>("lblMessage")->text();
        for (int i = 1; i <= 3; ++i) {
            auto* b = dialog->findChild<QPushButton*>(QString("cmdPulsante%1").arg(i));
            if (b && b->isVisible()) {
                captions << b->text();
            }
        }
        if (whileOpen_) {
            whileOpen_(dialog);
        }
        if (button_ == kEnter && dialog->focusWidget()) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        }
        auto* b = dialog->findChild<QPushButton*>(QString("cmdPulsante%1").arg(button_));
        if (!dialog->isVisible()) {
            return;
        }
        if (b && b->isVisible()) {
            b->click();
        } else {
            dialog->done(0);
        }
    }

    int button_;
    std::function<void(QDialog*)> whileOpen_;
    QTimer timer_;
};
