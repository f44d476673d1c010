// Drives the main window through the worked example (paste, ACQUIRE, keys,
// GENERATE, VIEW) the way a user would, then saves pictures of it, of its
// File menu, of the wheel report on a published covering and of a wheel built.
// Usage: quorvex-screenshot OUTPUT.png [WHEEL]  (the other pictures go to
// OUTPUT-message.png, OUTPUT-menu.png and, given a wheel, OUTPUT-report.png and
// OUTPUT-tickets.png and OUTPUT-build.png)

#include "frmAccess.h"
#include "modalAnswerer.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

void Click(QWidget& window, const QString& name) {
    window.findChild<QPushButton*>(name)->click();
}

// Waits until ready() holds (at most ten seconds), then goes on.
void When(std::function<bool()> ready, std::function<void()> then, int triesLeft = 100) {
    QTimer::singleShot(100, [=] {
        if (ready() || triesLeft == 0) {
            then();
        } else {
            When(ready, then, triesLeft - 1);
        }
    });
}

bool Save(const QPixmap& picture, const QString& path) {
    const bool saved = picture.save(path);
    std::fprintf(stderr, saved ? "wrote %s\n" : "could not write %s\n", qPrintable(path));
    return saved;
}

// Develops the covering onto the player's numbers, checks a draw, and
// pictures the tickets window with the draw's numbers marked.
void ShowTickets(QWidget& window, const QString& path) {
    {
        quorvex::ui::ModalAnswerer answer(1);
        Click(window, "cmdSviluppa");
    }
    window.findChild<QAction*>("mnuDraw")->trigger();
    QWidget* draw = window.findChild<QWidget*>("frmDraw");
    draw->findChild<QLineEdit*>("txtDrawn")->setText("3 12 18 21 30 44");
    Click(*draw, "cmdCheck");
    draw->close();
    window.findChild<QAction*>("mnuTickets")->trigger();
    QWidget* tickets = window.findChild<QWidget*>("frmTickets");
    tickets->resize(420, 420);
    Save(tickets->grab(), path);
    tickets->close();
}

// Builds the player's ten numbers into a wheel of 5 a ticket that holds 3 if 3
// are drawn, then pictures the window and ends the program.
void ShowBuild(QWidget& window, const QString& path, bool saved) {
    window.findChild<QAction*>("mnuBuild")->trigger();
    QWidget* build = window.findChild<QWidget*>("frmBuild");
    const std::pair<const char*, int> goal[] = {
        {"spnPerTicket", 5}, {"spnAtLeast", 3}, {"spnDrawn", 3}, {"spnSeconds", 3}};
    for (const auto& [name, value] : goal) {
        build->findChild<QSpinBox*>(name)->setValue(value);
    }
    Click(*build, "cmdBuild");
    When([build] { return build->findChild<QPushButton*>("cmdUse")->isEnabled(); },
         [build, path, saved] {
             QTimer::singleShot(200, [build, path, saved] {
                 QApplication::exit(Save(build->grab(), path) && saved ? 0 : 1);
             });
         });
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: quorvex-screenshot OUTPUT.png [WHEEL]\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString output = argv[1];
    auto picture = [&output](const char* suffix) {
        return QString(output).replace(".png", suffix);
    };
    quorvex::ui::frmAccess window;
    window.show();
    auto* box = window.findChild<QPlainTextEdit*>("txtLista");

    QTimer::singleShot(200, [&] {
        box->setPlainText("1 2 3\n1 2 4\n1 3 4\n2 3 4\n");
        Click(window, "cmdAcquire");
        for (const char* key :
             {"cmdNumero10", "cmdNumero10", "cmdNumero5", "cmdNumero20", "cmdNumero33"}) {
            Click(window, key);
        }
        {
            const QString message = picture("-message.png"); // the GENERATE notice
            quorvex::ui::ModalAnswerer answer(
                1, [message](QDialog* dialog) { dialog->grab().save(message); });
            Click(window, "cmdSviluppa");
        }
        Click(window, "cmdVisualizza");
        QTimer::singleShot(200, [&] {
            bool saved = Save(window.grab(), output);

            // The File menu, open: it is a window of its own, so the screen is grabbed.
            QMenu* file = window.menuBar()->actions().first()->menu();
            window.menuBar()->setActiveAction(window.menuBar()->actions().first());
            QTimer::singleShot(300, [&, file, saved]() mutable {
                const QRect area =
                    window.frameGeometry().united(file->geometry()).adjusted(-1, -1, 1, 1);
                saved = Save(window.screen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                         area.height()),
                             picture("-menu.png")) &&
                        saved;
                file->close();
                if (argc < 3) {
                    QApplication::exit(saved ? 0 : 1);
                    return;
                }
                QFile wheel(argv[2]);
                wheel.open(QIODevice::ReadOnly);
                box->setPlainText(QString::fromUtf8(wheel.readAll()));
                Click(window, "cmdReset");
                Click(window, "cmdAcquire");
                for (int n : {7, 7, 30, 30, 3, 12, 18, 21, 25, 36, 41, 47}) {
                    Click(window, QString("cmdNumero%1").arg(n));
                }
                window.findChild<QAction*>("mnuReport")->trigger();
                QWidget* report = window.findChild<QWidget*>("frmReport");
                When([report] { return !report->findChild<QWidget*>("barProgress")->isVisible(); },
                     [&, report, saved] {
                         report->findChild<QPushButton*>("cmdHoles")->click();
                         When(
                             [report] {
                                 return !report->findChild<QWidget*>("barProgress")->isVisible();
                             },
                             [&, report, saved] {
                                 const bool all =
                                     Save(report->grab(), picture("-report.png")) && saved;
                                 ShowTickets(window, picture("-tickets.png"));
                                 ShowBuild(window, picture("-build.png"), all);
                             });
                     });
            });
        });
    });
    return QApplication::exec();
}
