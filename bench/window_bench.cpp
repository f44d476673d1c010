// Times the main window's ACQUIRE of a large text from the text box and VIEW
// of a large developed system into it, and the opening of the tickets window
// on the same system, painting included.
//
//   quorvex-window-bench [LINES]   (run with QT_QPA_PLATFORM=offscreen when headless)

#include "frmAccess.h"
#include "modalAnswerer.h"
#include "wheel_generator.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <random>

namespace {

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

    std::mt19937 random(7);
    box->setPlainText(QString::fromStdString(quorvex::bench::WheelText(
        quorvex::bench::RandomWheel(random, static_cast<std::size_t>(lines), {}))));
    window.repaint();
    const double acquireMs = TimedClick(window, button("cmdAcquire"));
    const QString status = window.findChild<QLabel*>("lblStatus")->text();

    for (int n = 1; n <= 49; ++n) {
        button(qPrintable(QString("cmdNumero%1").arg(n)))->click();
    }
    {
        quorvex::ui::ModalAnswerer answer(1);
        button("cmdSviluppa")->click();
    }

    // The tickets window, opened and painted, before VIEW fills the text box.
    QElapsedTimer timer;
    timer.start();
    window.findChild<QAction*>("mnuTickets")->trigger();
    auto* tickets = window.findChild<QWidget*>("frmTickets");
    tickets->repaint();
    const double ticketsMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const bool shown = tickets->findChild<QListView*>("lstTickets")->model()->rowCount() == lines;
    tickets->close();

    const double viewMs = TimedClick(window, button("cmdVisualizza"));
    const bool listed = box->document()->blockCount() == lines + 1; // the last LF opens a line
    std::printf("window, %d lines: ACQUIRE %.1f ms (%s), tickets window %.1f ms, VIEW %.1f ms%s\n",
                lines, acquireMs, qPrintable(status), ticketsMs, viewMs,
                listed && shown ? "" : " (listing incomplete!)");
    return listed && shown ? 0 : 1;
}
