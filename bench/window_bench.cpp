// Times the main window's ACQUIRE of a large text from the text box and VIEW
// of a large developed system into it, painting included.
//
//   quorvex-window-bench [LINES]   (run with QT_QPA_PLATFORM=offscreen when headless)

#include "frmAccess.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <random>

namespace {

QString Wheel(int lines) {
    std::mt19937 random(7);
    QString text;
    for (int l = 0; l < lines; ++l) {
        for (int k = 0; k < 6; ++k) {
            const int n = k == 0 ? l % 49 + 1 : 1 + static_cast<int>(random() % 49);
            text += QString::number(n) + (k < 5 ? ' ' : '\n');
        }
    }
    return text;
}

// Times a click and the repaint of the whole window that follows it.
double TimedClick(QWidget& window, QPushButton* button) {
    QElapsedTimer timer;
    timer.start();
    button->click();
    window.repaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100'000;
    quorvex::ui::frmAccess window;
    window.show();
    auto* box = window.findChild<QPlainTextEdit*>("txtLista");
    auto button = [&](const char* name) {
        return window.findChild<QPushButton*>(name);
    };

    box->setPlainText(Wheel(lines));
    window.repaint();
    const double acquireMs = TimedClick(window, button("cmdAcquire"));
    const QString status = window.findChild<QLabel*>("lblStatus")->text();

    for (int n = 1; n <= 49; ++n) {
        button(qPrintable(QString("cmdNumero%1").arg(n)))->click();
    }
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->findChild<QPushButton*>("cmdPulsante1")->click();
        }
    });
    button("cmdSviluppa")->click();

    const double viewMs = TimedClick(window, button("cmdVisualizza"));
    const bool listed = box->document()->blockCount() == lines + 1; // the last LF opens a line
    std::printf("window, %d lines: ACQUIRE %.1f ms (%s), VIEW %.1f ms%s\n", lines, acquireMs,
                qPrintable(status), viewMs, listed ? "" : " (listing incomplete!)");
    return listed ? 0 : 1;
}
