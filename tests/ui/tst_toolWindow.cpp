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
    // the player's own in a seeded order: each window shows the new game's
    // figures, or nothing, and nothing reaches outside a game's balls.
    void everyWindowFollowsEveryGame() {
        QTemporaryDir folder;
        PlayGame(90, 5);
        Develop(RingWheel(8), {2, 9, 17, 26, 33, 41, 45, 49});
        // Six balls up to 90 a line: a draw of 5 of 90 (its sixth unread) and of 6 of 90;
        // under fewer balls, the lines with the smaller balls only.
        QByteArray history = "Date;Ball 1;Ball 2;Ball 3;Ball 4;Ball 5;Ball 6\n";
        for (int d = 1; d <= 14; ++d) {
            history += QString::asprintf("%02d/10/2026 %d %d %d %d 90 33\n", 2 * d, d, d + 28,
                                         d + 56, 85 + d % 5)
                           .toUtf8();
            history += QString::asprintf("%02d/11/2026 %d %d %d %d %d %d\n", d, d, d + 1, d + 2,
                                         d + 3, d + 4, d + 5)
                           .toUtf8();
        }
        {
            ModalAnswerer answer(1);
            QVERIFY(window->OpenPastDraws(WriteIn(folder, "mixed.txt", history)));
        }
        QWidget* past = window->findChild<QWidget*>("frmPastDraws");
        QWidget* report = Opened("mnuReport", "frmReport");
        QWidget* draw = Opened("mnuDraw", "frmDraw");
        In<QLineEdit>(draw, "txtDrawn")->setText("2 9 17 26 33");
        In<QPushButton>(draw, "cmdCheck")->click();
        QWidget* tickets = Opened("mnuTickets", "frmTickets");
        QWidget* build = Opened("mnuBuild", "frmBuild");
        QVERIFY(past && report && draw && tickets && build);

        std::vector<Game> games = StandardGames();
        games.push_back({"Pick 3 | Friday", 12, 3, 50, {0, 0, 100, 1000}});
        games.push_back({"Keno 20 of 70", 70, 20, 100000000000000, {}});
        std::mt19937 random(28);
        std::shuffle(games.begin(), games.end(), random);
        games.push_back(games.front()); // and back to the first
        for (const Game& game : games) {
            const QString name = QString::fromStdString(game.name);
            {
                ModalAnswerer notices(
                    1); // past draws says what it skipped, or that none is of the game
                ui::SetCurrentGame(game);
                emit window->gameChanged();
            }
            QCOMPARE(ui::CurrentGame(), game);
            const QString shown = "Game: " + ui::GameText(game);
            QVERIFY2(In<QLabel>(draw, "lblGame")->text() == shown + ".", qPrintable(name));
            QVERIFY2(In<QLabel>(tickets, "lblSummary")->text().contains(" a draw of " + name + "."),
                     qPrintable(name));
            QVERIFY2(In<QLabel>(past, "lblSource")->text().startsWith(shown + ". From mixed.txt"),
                     qPrintable(name));
            auto* rows = In<QTableView>(past, "tblDraws")->model();
            for (int row = 0; row < rows->rowCount(); ++row) {
                const QStringList numbers =
                    rows->index(row, 1).data().toString().remove('[').remove(']').split(' ');
                QVERIFY2(numbers.size() == game.drawn, qPrintable(name));
                for (const QString& number : numbers) {
                    QVERIFY2(number.toInt() >= 1 && number.toInt() <= game.balls,
                             qPrintable(name + ": " + number));
                }
            }
            const auto& times = In<ui::BallChart>(past, "chtNumbers")->TimesDrawn();
            QVERIFY2(times.empty() == (rows->rowCount() == 0), qPrintable(name));
            QVERIFY2(times.empty() || times.size() == static_cast<std::size_t>(game.balls) + 1,
                     qPrintable(name));
            QTRY_VERIFY2(
                In<QLabel>(report, "lblCost")
                    ->text()
                    .startsWith("Cost a draw: 8 tickets \u00D7 " + ui::MoneyString(game.price)),
                qPrintable(name));
            QTRY_VERIFY2(!In<QLabel>(past, "lblSummary")->text().isEmpty() || rows->rowCount() == 0,
                         qPrintable(name));
        }
    }
};

QTEST_MAIN(tst_ToolWindow)
#include "tst_toolWindow.moc"
