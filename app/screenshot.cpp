// Drives the main window through the worked example (paste, ACQUIRE, keys,
// GENERATE, VIEW) the way a user would, then saves pictures of it, of its
// File menu, of the wheel report on a published covering and of a wheel built.
// Usage: quorvex-screenshot OUTPUT.png [WHEEL]  (the other pictures go to
// OUTPUT-message.png, OUTPUT-menu.png and, given a wheel, OUTPUT-report.png,
// OUTPUT-tickets.png, OUTPUT-game.png, OUTPUT-pastdraws.png and OUTPUT-build.png)

#include "frmAccess.h"
#include "gameSettings.h"
#include "modalAnswerer.h"
#include "test_run.h"

#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <random>

namespace {

void Click(QWidget& window, const QString& name) {
    window.findChild<QPushButton*>(name)->click();
}

// Waits until ready() holds (at most ten seconds), then goes on.
void When(std::function<bool()> ready, std::function<void()> then, int triesLeft = 100) {
    QTimer::singleShot(100, qApp, [=] {
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

// Chooses 6 of 49 with a prize table, and pictures the Game dialog as it does.
void ShowGame(QWidget& window, const QString& path) {
    quorvex::ui::ModalAnswerer answer(1, [path](QDialog* dialog) {
        const std::pair<const char*, double> prizes[] = {
            {"dblPrize3", 10}, {"dblPrize4", 100}, {"dblPrize5", 2500}, {"dblPrize6", 1000000}};
        for (const auto& [name, prize] : prizes) {
            dialog->findChild<QDoubleSpinBox*>(name)->setValue(prize);
        }
        Save(dialog->grab(), path);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    window.findChild<QAction*>("mnuGame")->trigger();
}

// Three years of made-up draws of 6 of 49 against the developed tickets, pictured
// once they are counted.
void ShowPastDraws(quorvex::ui::frmAccess& window, const QString& path,
                   std::function<void()> then) {
    static QTemporaryDir folder;
    QFile history(folder.filePath("draws-2024-2026.csv"));
    history.open(QIODevice::WriteOnly);
    history.write("Date;N1;N2;N3;N4;N5;N6;Bonus\n");
    std::mt19937 random(2026);
    QDate day(2024, 1, 3);
    for (int draw = 0; draw < 312; ++draw, day = day.addDays(draw % 2 ? 3 : 4)) {
        std::vector<int> balls(49);
        std::iota(balls.begin(), balls.end(), 1);
        std::shuffle(balls.begin(), balls.end(), random);
        QString line = day.toString("yyyy-MM-dd");
        for (int i = 0; i < 7; ++i) {
            line += ';' + QString::number(balls[static_cast<std::size_t>(i)]);
        }
        history.write(line.toUtf8() + '\n');
    }
    history.close();
    window.OpenPastDraws(history.fileName());
    QWidget* past = window.findChild<QWidget*>("frmPastDraws");
    When([past] { return !past->findChild<QWidget*>("barProgress")->isVisible(); },
         [past, path, then] {
             QTimer::singleShot(300, past, [past, path, then] {
                 Save(past->grab(), path);
                 past->close();
                 then();
             });
         });
}

// Builds the player's ten numbers into a wheel of 5 a ticket that holds 3 if 3
// are drawn, then pictures the window and ends the program.
// The keypad of a game of 90 balls, ten keys a row, with picks above 49.
bool ShowSlip(quorvex::ui::frmAccess& window, const QString& path) {
    quorvex::ui::SetCurrentGame({"6 of 90", 90, 6, 100, {}});
    window.FollowGame();
    Click(window, "cmdReset");
    for (int n : {8, 8, 15, 23, 42, 51, 51, 64, 77, 86, 90}) {
        Click(window, QString("cmdNumero%1").arg(n));
    }
    return Save(window.grab(), path);
}

void ShowBuild(quorvex::ui::frmAccess& window, const QString& path, const QString& slip,
               bool saved) {
    window.findChild<QAction*>("mnuBuild")->trigger();
    QWidget* build = window.findChild<QWidget*>("frmBuild");
    const std::pair<const char*, int> goal[] = {
        {"spnPerTicket", 5}, {"spnAtLeast", 3}, {"spnDrawn", 3}, {"spnSeconds", 3}};
    for (const auto& [name, value] : goal) {
        build->findChild<QSpinBox*>(name)->setValue(value);
    }
    Click(*build, "cmdBuild");
    When([build] { return build->findChild<QPushButton*>("cmdUse")->isEnabled(); },
         [&window, build, path, slip, saved] {
             QTimer::singleShot(200, build, [&window, build, path, slip, saved] {
                 const bool built = Save(build->grab(), path);
                 build->close();
                 QApplication::exit(ShowSlip(window, slip) && built && saved ? 0 : 1);
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
    SetUpTestRun(); // the pictures touch no one's own settings
    QSettings().clear();
    const QString output = argv[1];
    auto picture = [&output](const char* suffix) {
        return QString(output).replace(".png", suffix);
    };
    quorvex::ui::frmAccess window;
    window.show();
    auto* box = window.findChild<QPlainTextEdit*>("txtLista");

    QTimer::singleShot(200, qApp, [&] {
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
        QTimer::singleShot(200, qApp, [&] {
            bool saved = Save(window.grab(), output);

            // The File menu, open: it is a window of its own, so the screen is grabbed.
            QMenu* file = window.menuBar()->actions().first()->menu();
            window.menuBar()->setActiveAction(window.menuBar()->actions().first());
            QTimer::singleShot(300, qApp, [&, file, saved]() mutable {
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
                                 ShowGame(window, picture("-game.png"));
                                 ShowPastDraws(window, picture("-pastdraws.png"), [&, all] {
                                     ShowBuild(window, picture("-build.png"), picture("-slip.png"),
                                               all);
                                 });
                             });
                     });
            });
        });
    });
    return QApplication::exec();
}
