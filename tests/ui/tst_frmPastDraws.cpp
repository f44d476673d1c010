// Past draws as a player opens them: a history read, its skipped lines named,
// every draw a row tallied against the developed tickets, the summary, the
// chart of the balls, and a row opened in Check a draw.

#include "main_window.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QLineEdit>
#include <QTableView>

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
        return answer.text;
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
                 "3 draws read; 2 lines skipped:\nline 4: 60 is not a number 1-49\n"
                 "line 6: 1 appears twice");
        QWidget* past = window->findChild<QWidget*>("frmPastDraws");
        QVERIFY(past && past->isVisible());
        auto* rows = In<QTableView>(past, "tblDraws");
        QCOMPARE(rows->model()->rowCount(), 3);
        auto* summary = In<QLabel>(past, "lblSummary");
        QTRY_VERIFY(!summary->text().isEmpty());
        // Every draw's first row in date order: 3 of the player's numbers, 3 on a ticket.
        const auto cell = [rows](int row, int column) {
            return rows->model()->index(row, column).data().toString();
        };
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
        auto* chart = In<QChartView>(past, "chtNumbers")->chart();
        auto* bars = qobject_cast<QBarSeries*>(chart->series().value(0));
        QVERIFY(bars);
        QCOMPARE(bars->barSets().value(0)->count(), 49);
        QCOMPARE(bars->barSets().value(0)->at(3), 1.0); // ball 4: once
        QVERIFY(In<QLabel>(past, "lblFairness")
                    ->text()
                    .startsWith("Over 3 draws the balls came "
                                "out consistent with a fair "
                                "draw: p = "));
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
        auto* chart = In<QChartView>(past, "chtNumbers")->chart();
        QCOMPARE(qobject_cast<QBarSeries*>(chart->series().value(0))->barSets()[0]->count(), 35);
        CheckLaidOut(past);
    }
};

QTEST_MAIN(tst_PastDraws)
#include "tst_frmPastDraws.moc"
