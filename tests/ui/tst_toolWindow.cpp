// The windows beside the main one, all alike: in front and with the keyboard
// when opened, laid out for any user, closed by their button, Escape or Ctrl+W.

#include "ballChart.h"
#include "frmMessage.h"
#include "main_window.h"

#include <random>

using namespace quorvex;

class tst_ToolWindow : public QObject, private MainWindow {
    Q_OBJECT
private slots:
    void init() { Open(); }
    void cleanup() { Close(); }
    void windowsCloseWithTheirButtonEscapeAndCtrlW() {
        Acquire("1 2\n");
        QCOMPARE(Opened("mnuTickets", "frmTickets")->findChild<QLabel*>("lblSummary")->text(),
                 "Nothing is developed yet: press GENERATE in the main window.");
        const std::tuple<const char*, const char*, QKeySequence> windows[] = {
            {"mnuReport", "frmReport", QKeySequence("Ctrl+W")},
            {"mnuDraw", "frmDraw", QKeySequence(Qt::Key_Escape)},
            {"mnuGuide", "frmGuide", QKeySequence()}, // its Close button
            {"mnuBuild", "frmBuild", QKeySequence(Qt::Key_Escape)},
            {"mnuTickets", "frmTickets", QKeySequence()}, // its Close button
            {"mnuAbout", "frmAbout", QKeySequence(Qt::Key_Escape)}};
        for (const auto& [action, name, keys] : windows) {
            QWidget* opened = Opened(action, name);
            // In front, with the keyboard.
            QVERIFY(QTest::qWaitForWindowExposed(opened) && QTest::qWaitForWindowActive(opened));
            CheckLaidOut(opened);
            QVERIFY(opened->windowTitle().endsWith("Quorvex"));
            if (keys.isEmpty()) {
                In<QPushButton>(opened, "cmdClose")->setFocus(); // Enter presses it
                QTest::keyClick(In<QPushButton>(opened, "cmdClose"), Qt::Key_Return);
            } else {
                QTest::keySequence(opened, keys);
            }
            QTRY_VERIFY2(!window->findChild<QWidget*>(name), name);
        }
    }

    // Every window and notice on a 1366 x 768 screen, under the widest game.
    void everyWindowFitsASmallScreen() {
        PlayGame(80, 20);
        Develop(RingWheel(12), {1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41, 45});
        CheckFitsSmallScreen(window);
        CheckLabelsFit(window);
        QTemporaryDir folder;
        QByteArray history; // 30 draws of 20: every fourth ball from d
        for (int d = 1; d <= 30; ++d) {
            for (int i = 0; i < 20; ++i) {
                history += QByteArray::number((d + i * 4) % 80 + 1) + (i == 19 ? "\n" : " ");
            }
        }
        QVERIFY(window->OpenPastDraws(WriteIn(folder, "k.txt", history)));
        const std::pair<const char*, const char*> windows[] = {
            {"", "frmPastDraws"},         {"mnuReport", "frmReport"}, {"mnuDraw", "frmDraw"},
            {"mnuTickets", "frmTickets"}, {"mnuBuild", "frmBuild"},   {"mnuGuide", "frmGuide"},
            {"mnuAbout", "frmAbout"}};
        for (const auto& [action, name] : windows) {
            QWidget* opened = *action ? Opened(action, name) : window->findChild<QWidget*>(name);
            QVERIFY2(opened, name);
            CheckLaidOut(opened);
            CheckFitsSmallScreen(opened);
            CheckLabelsFit(opened);
        }
        // A notice and the Game dialog.
        ModalAnswerer notice(1, [](QDialog* dialog) { CheckLabelsFit(dialog); });
        ui::ShowMessage(window,
                        "Cannot open the past draws ..!|a-very-long-file-name-of-past-"
                        "draws-2026-12-08.txt|no draw of 20 numbers 1-80 in it",
                        "OK");
        QCOMPARE(notice.seen, 1);
        ModalAnswerer game(2, [](QDialog* dialog) {
            CheckFitsSmallScreen(dialog);
            CheckLabelsFit(dialog);
        });
        Action("mnuGame")->trigger();
        QCOMPARE(game.seen, 1);
    }

    // Every window open, the game changed through every preset and two games of
    // the player's own in a seeded order: each window shows the new game's figures.
    // (What past draws reads under each game is its own window's test.)
    void everyWindowFollowsEveryGame() {
        QTemporaryDir folder;
        PlayGame(90, 5);
        Develop(RingWheel(8), {2, 9, 17, 26, 33, 41, 45, 49});
        {
            ModalAnswerer answer(1);
            QVERIFY(
                window->OpenPastDraws(WriteIn(folder, "h.txt", "1 2 3 4 5 6\n7 8 9 10 11 12\n")));
        }
        QWidget* past = window->findChild<QWidget*>("frmPastDraws");
        QWidget* report = Opened("mnuReport", "frmReport");
        QWidget* draw = Opened("mnuDraw", "frmDraw");
        QWidget* tickets = Opened("mnuTickets", "frmTickets");
        QVERIFY(past && report && draw && tickets && Opened("mnuBuild", "frmBuild"));

        std::vector<Game> games = StandardGames();
        games.push_back({"Pick 3 | Friday", 12, 3, 50, {0, 0, 100, 1000}});
        games.push_back({"Keno 20 of 70", 70, 20, 100000000000000, {}});
        std::mt19937 random(28);
        std::shuffle(games.begin(), games.end(), random);
        games.push_back(games.front()); // and back to the first
        for (const Game& game : games) {
            const QString name = QString::fromStdString(game.name);
            {
                ModalAnswerer notices(1); // past draws says what it skipped, or read none
                ui::SetCurrentGame(game);
                emit window->gameChanged();
            }
            const QString shown = "Game: " + ui::GameText(game);
            QVERIFY2(In<QLabel>(draw, "lblGame")->text() == shown + ".", qPrintable(name));
            QVERIFY2(In<QLabel>(tickets, "lblSummary")->text().contains(" a draw of " + name + "."),
                     qPrintable(name));
            QVERIFY2(In<QLabel>(past, "lblSource")->text().startsWith(shown + ". From h.txt"),
                     qPrintable(name));
            QTRY_VERIFY2(
                In<QLabel>(report, "lblCost")
                    ->text()
                    .startsWith("Cost a draw: 8 tickets \u00D7 " + ui::MoneyString(game.price)),
                qPrintable(name));
        }
    }
};

QTEST_MAIN(tst_ToolWindow)
#include "tst_toolWindow.moc"
