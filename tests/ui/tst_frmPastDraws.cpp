// Past draws as a player opens them: a history read, its skipped lines named,
// every draw a row tallied against the developed tickets, the summary, the
// chart of the balls, and a row opened in Check a draw.

#include "ballChart.h"
#include "main_window.h"

#include <QLineEdit>
#include <QTableView>

#include <functional>

using namespace quorvex;

class tst_PastDraws : public QObject, private MainWindow {
    Q_OBJECT
    QTemporaryDir folder;

    // Opens the file as past draws; the notice it gets, if any.
    QString OpenForNotice(const QString& path, bool opens) {
        ModalAnswerer answer(1);
        const bool opened = window->OpenPastDraws(path);
        [&] {
            QCOMPARE(opened, opens);
        }();
        return answer.notice;
    }

private slots:
    void init() { Open(); }
    void cleanup() { Close(); }

    void aHistoryIsTalliedAgainstTheTickets() {
        // C(5,4,3) on 1..5: "3 if 3" on the player's numbers, 4 tickets.
        Develop("1 2 3 4\n1 2 3 5\n1 2 4 5\n1 3 4 5\n", {1, 2, 3, 4, 5});
        PlayGame(49, 6, 100, {0, 0, 0, 10, 100, 1000, 100000});
        const QString history = WriteIn(folder, "history.txt",
                                        "Date;Numbers\n"
                                        "2026-12-02 1 2 3 20 30 40\n"
                                        "05/12/2026;4;9;5;22;33;44;7\n" // a bonus ball
                                        "2026-12-09 1 2 3 4 5 60\n"
                                        "2026-12-12 11 12 13 14 15 16\n"
                                        "2026-12-16 1 1 2 3 4 5\n");
        QCOMPARE(OpenForNotice(history, true),
                 "3 draws read; 1 header line passed over; 2 lines skipped:\n"
                 "line 4: 60 is not a number 1-49\n"
                 "line 6: 1 appears twice");
        QWidget* past = window->findChild<QWidget*>("frmPastDraws");
        QVERIFY(past && past->isVisible());
        auto* rows = In<QTableView>(past, "tblDraws");
        QCOMPARE(rows->model()->rowCount(), 3);
        auto* summary = In<QLabel>(past, "lblSummary");
        QTRY_VERIFY(!summary->text().isEmpty());
        // Every draw's first row in date order: 3 of the player's numbers, 3 on a ticket.
        const auto cell = std::bind_front(&MainWindow::Cell, rows);
        QCOMPARE(cell(0, 1), "[01] [02] [03] 20 30 40");
        QCOMPARE(cell(0, 2), "3");
        QCOMPARE(cell(0, 3), "3");
        QCOMPARE(cell(1, 0), "05/12/2026");
        QCOMPARE(cell(1, 3), "2"); // 4 and 5 drawn: two on a ticket
        QCOMPARE(cell(2, 3), "0");
        QCOMPARE(rows->model()->headerData(4, Qt::Horizontal).toString(), "6 hits");
        QCOMPARE(cell(0, rows->model()->columnCount() - 1), "0.20"); // two tickets of 3 hits
        QVERIFY(summary->text().contains("Some ticket held 3 or more in 1 of the draws"));
        QVERIFY(summary->text().contains("cost 3 draws \u00D7 4.00 = 12.00; the prizes won came "
                                         "to 0.20."));
        // How often each ball came out: one bar a ball, with what a fair draw expects.
        auto* chart = In<ui::BallChart>(past, "chtNumbers");
        QCOMPARE(chart->TimesDrawn().size(), 50u);
        QCOMPARE(chart->TimesDrawn()[4], 1u); // ball 4: once
        QCOMPARE(chart->Fair(), 3.0 * 6 / 49);
        const QString fairness = In<QLabel>(past, "lblFairness")->text();
        QVERIFY2(fairness.startsWith("Over 3 draws the balls came out consistent with a fair draw"),
                 qPrintable(fairness));
        // Sorted by a column, and a row opened in Check a draw.
        rows->sortByColumn(3, Qt::DescendingOrder);
        QCOMPARE(cell(0, 3), "3");
        emit rows->doubleClicked(rows->model()->index(0, 0));
        QWidget* draw = window->findChild<QWidget*>("frmDraw");
        QVERIFY(draw && draw->isVisible());
        QCOMPARE(In<QLineEdit>(draw, "txtDrawn")->text(), "01 02 03 20 30 40");
        QVERIFY(In<QLabel>(draw, "lblResult")->text().startsWith("Drawn: 01 02 03 20 30 40."));

        // A file with no draw of the game changes nothing.
        const QString none = WriteIn(folder, "none.txt", "1 2 3\n");
        QCOMPARE(OpenForNotice(none, false),
                 "Cannot open the past draws ..!\nnone.txt\nno draw of 6 numbers 1-49 in it");
        QCOMPARE(rows->model()->rowCount(), 3);
    }

    // With nothing developed the balls' counts still stand, and the rows say no more.
    void withoutTicketsTheDrawsStillCount() {
        const QString history = WriteIn(folder, "h.txt", "1 2 3 4 5\n6 7 8 9 10\n");
        PlayGame(35, 5);
        QCOMPARE(OpenForNotice(history, true), "");
        QWidget* past = window->findChild<QWidget*>("frmPastDraws");
        QCOMPARE(In<QLabel>(past, "lblTickets")->text(),
                 "Nothing is developed yet: press GENERATE in the main window.");
        QCOMPARE(In<QTableView>(past, "tblDraws")->model()->rowCount(), 2);
        QCOMPARE(In<ui::BallChart>(past, "chtNumbers")->TimesDrawn().size(), 36u);
        CheckLaidOut(past);
        Develop("1 2\n2 3\n", {4, 9, 20}); // the window follows what is developed next
        QCOMPARE(In<QLabel>(past, "lblTickets")->text(),
                 "Against the 2 tickets developed onto your numbers: 04 09 20.");
    }

    // Another game reads the kept text again: its draws, its numbers, its balls; a
    // history with no draw of the new game leaves no row of the old one.
    void anotherGameReadsTheHistoryAgain() {
        PlayGame(90, 5);
        Develop(RingWheel(7), {3, 17, 22, 36, 41, 48, 49});
        QByteArray text = "Date;Ball 1;Ball 2;Ball 3;Ball 4;Ball 5\n";
        for (int d = 1; d <= 28; ++d) { // balls past 49 in every draw; 89 on the 4th, 9th...
            text +=
                QString::asprintf("2026-11-%02d %d %d %d %d 90\n", d, d, d + 28, d + 56, 85 + d % 5)
                    .toUtf8();
        }
        const QString history = WriteIn(folder, "h590.txt", text);
        QCOMPARE(OpenForNotice(history, true), "");
        QWidget* past = window->findChild<QWidget*>("frmPastDraws");
        auto* rows = In<QTableView>(past, "tblDraws");
        auto* source = In<QLabel>(past, "lblSource");
        auto* chart = In<ui::BallChart>(past, "chtNumbers");
        QCOMPARE(rows->model()->rowCount(), 28);
        QCOMPARE(source->text(), "Game: 5 of 90, 1.00 a ticket. From h590.txt: 28 draws read; 1 "
                                 "header line passed over.");
        QTRY_VERIFY(!In<QLabel>(past, "lblSummary")->text().isEmpty());

        // Under 6 of 49 no line is a draw: said, and nothing of 5 of 90 stays on show.
        ModalAnswerer refused(1);
        PlayGame(49, 6);
        QCOMPARE(refused.text,
                 "Cannot read the past draws ..!\nh590.txt\nno draw of 6 numbers 1-49 in it");
        QCOMPARE(rows->model()->rowCount(), 0);
        QCOMPARE(chart->TimesDrawn().size(), 0u);
        QCOMPARE(In<QLabel>(past, "lblFairness")->text(), "");
        QVERIFY2(source->text().startsWith("Game: 6 of 49, 1.00 a ticket. From h590.txt: 0 draws"),
                 qPrintable(source->text()));

        // Back under 5 of 90, everything is as it was.
        PlayGame(90, 5);
        QCOMPARE(rows->model()->rowCount(), 28);
        QCOMPARE(chart->TimesDrawn().size(), 91u);
        QCOMPARE(chart->TimesDrawn()[90], 28u);
        QCOMPARE(chart->TimesDrawn()[89], 5u);
        QTRY_VERIFY(!In<QLabel>(past, "lblSummary")->text().isEmpty());
        CheckLaidOut(past);
    }

    // A 6-of-49 history under 5 of 90 counts the first five numbers of each draw only;
    // back under 6 of 49, a draw of 5 of 90 is named as skipped.
    void aHistoryIsCountedAsTheGameDrawsIt() {
        PlayGame(90, 5);
        Develop(RingWheel(7), {1, 2, 3, 4, 5, 6, 7});
        const QString history = WriteIn(folder, "h649.txt",
                                        "13/09/2025 1 2 40 41 42 3\n14/09/2025 1 9 10 11 12 13\n"
                                        "15/09/2025 50 60 70 80 90\n");
        QCOMPARE(OpenForNotice(history, true), "");
        QWidget* past = window->findChild<QWidget*>("frmPastDraws");
        auto* rows = In<QTableView>(past, "tblDraws");
        const auto cell = std::bind_front(&MainWindow::Cell, rows);
        QCOMPARE(rows->model()->rowCount(), 3);
        QCOMPARE(cell(0, 1), "[01] [02] 40 41 42");
        QTRY_COMPARE(cell(0, 2), "2");
        QCOMPARE(rows->model()->columnCount(), 4 + 4); // hit columns 5 down to 2
        ModalAnswerer skipped(1);
        PlayGame(49, 6);
        QCOMPARE(skipped.notice, "2 draws read; 1 line skipped:\nline 3: 50 is not a number 1-49");
        QCOMPARE(rows->model()->rowCount(), 2);
        QTRY_COMPARE(cell(0, 2), "3");
    }

    // The chart's gridlines sit at round values that are their own labels.
    void theChartsScaleIsRound() {
        const struct {
            double highest;
            std::uint64_t step, top;
        } cases[] = {
            {0, 1, 1},    {3, 1, 3},    {8, 2, 8},      {8.1, 2, 10},
            {50, 10, 50}, {55, 20, 60}, {101, 50, 150}, {1e6, 200000, 1000000},
        };
        for (const auto& c : cases) {
            const ui::ValueScale scale = ui::RoundScale(c.highest);
            const QString name = QString("highest %1").arg(c.highest);
            QVERIFY2(scale.step == c.step, qPrintable(name + QString(": step %1").arg(scale.step)));
            QVERIFY2(scale.top == c.top, qPrintable(name + QString(": top %1").arg(scale.top)));
            QVERIFY2(scale.top / scale.step <= 5, qPrintable(name));
        }
        // Every ball named while a number fits its bar; else 1 and every fifth.
        QCOMPARE(ui::LabelledBalls(49, 14, 12).size(), 49u);
        const std::vector<int> fifths = ui::LabelledBalls(90, 8, 12);
        QCOMPARE(fifths.size(), 19u);
        QCOMPARE(fifths.front(), 1);
        QCOMPARE(fifths[1], 5);
        QCOMPARE(fifths.back(), 90);
    }
};

QTEST_MAIN(tst_PastDraws)
#include "tst_frmPastDraws.moc"
