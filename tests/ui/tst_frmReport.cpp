// The wheel report and the draw check as a user meets them: opened from the
// Wheel menu, following the main window, cancelled, refusing bad entries.

#include "frmTickets.h"
#include "main_window.h"
#include "reportTables.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>

using namespace quorvex;

class tst_Report : public QObject, private MainWindow {
    Q_OBJECT
    // Lists the draws of m numbers without t on a ticket.
    static void AskHoles(QWidget* report, int m, int t) {
        In<QSpinBox>(report, "spnHoleSize")->setValue(m);
        In<QSpinBox>(report, "spnHoleBelow")->setValue(t);
        In<QPushButton>(report, "cmdHoles")->click();
    }

private slots:
    void init() { Open(); }
    void cleanup() { Close(); }
    void reportFollowsTheWheelAndKeys() {
        QVERIFY(!Action("mnuReport")->isEnabled());
        Box()->setPlainText("1 2 3 4\n1 2 3 5\n1 2 4 5\n1 3 4 5\n"); // the C(5,4,3) covering
        Button("cmdAcquire")->click();
        QWidget* report = Opened("mnuReport", "frmReport");
        auto* guarantees = In<QLabel>(report, "lblGuarantees");
        QTRY_VERIFY(guarantees->text().contains(
            "Whenever 3 of your 5 numbers are drawn, at least one ticket holds all 3 of them."));
        QVERIFY(guarantees->text().contains(
            "Whenever 5 of your 5 numbers are drawn, at least one ticket holds 4 of them."));
        auto* table = In<QTableWidget>(report, "tblCoverage");
        QCOMPARE(QSize(table->columnCount(), table->rowCount()), QSize(6, 5)); // M never above N
        QCOMPARE(table->verticalHeaderItem(4)->text(), "5 drawn");
        QCOMPARE(table->horizontalHeaderItem(3)->text(), "best 3");
        QCOMPARE(In<QLabel>(report, "lblWheel")->text(),
                 "5 numbers, 4 lines; numbers a line: all 4.");
        // 1 of the 5 four-number draws is a hole; a share of exactly 0.1% is not "<0.1%".
        QCOMPARE(table->item(3, 3)->text(), "20.0% \u2713");
        QCOMPARE(table->item(3, 4)->text(), "80.0%");
        QCOMPARE(ui::Percent(1, 1000, 1), "0.1%");
        QCOMPARE(ui::Percent(0, 1000, 1), "0%"); // none is none, not "<0.1%"
        QCOMPARE(ui::Percent(999, 1000, 1), "99.9%");
        QCOMPARE(table->item(4, 4)->text(), "100% \u2713"); // the one draw of all five
        QVERIFY(table->item(3, 3)->font().bold());
        QVERIFY(table->item(3, 3)->toolTip().startsWith("1 of the 5 draws of 4"));
        In<QCheckBox>(report, "chkCounts")->click();
        QCOMPARE(table->item(3, 3)->text(), "1 \u2713"); // the exact counts instead
        // A wheel of 5 numbers in the 6 of 49 game: 3 or more on a ticket in 137,214 of the
        // C(49, 6) draws (3 to 5 of the 5 numbers drawn), 4 or more in 4 * C(44, 2) + 44.
        auto* chances = In<QTableWidget>(report, "tblChances");
        QCOMPARE(chances->item(2, 1)->text(), "0.98%");
        QCOMPARE(chances->item(2, 2)->text(), "102"); // 101.9, whole from 100 on
        QCOMPARE(chances->model()->headerData(2, Qt::Horizontal).toString(), "One draw in");
        QCOMPARE(chances->item(3, 2)->text(), "3,653");
        QCOMPARE(In<QLabel>(report, "lblCost")->text(),
                 "Cost a draw: 4 tickets \u00D7 1.00 = 4.00.");

        QVERIFY(In<QLabel>(report, "lblWarnings")->isHidden()); // nothing to warn of
        // The first holes worth a look: 5 drawn without 5 on a ticket, the guarantee being 4.
        QCOMPARE(In<QSpinBox>(report, "spnHoleBelow")->value(), 5);
        QCOMPARE(In<QSpinBox>(report, "spnHoleSize")->maximum(), 5); // no larger draw counted
        // Holes in the wheel's numbers, then in the keys picked, re-listed as the keys change.
        AskHoles(report, 4, 4);
        auto* holes = In<QPlainTextEdit>(report, "txtHoles");
        QTRY_COMPARE(holes->toPlainText(), "02 03 04 05\n");
        QCOMPARE(In<QLabel>(report, "lblHoles")->text(),
                 "1 draws of 4 of your numbers (20.00%) leave no ticket with 4 of them. It is, in "
                 "the wheel's numbers 1-5 (pick 5 keys to see yours):");
        QVERIFY(QFontInfo(holes->font()).fixedPitch()); // the numbers stand in columns
        for (int n : {10, 20, 30, 40, 49}) {
            Key(n)->click();
        }
        QTRY_COMPARE(holes->toPlainText(), "20 30 40 49\n");
        const QString mapping = In<QLabel>(report, "lblMapping")->text();
        QVERIFY(mapping.endsWith("1\u219210  2\u219220  3\u219230  4\u219240  5\u219249"));
        Button("cmdReset")->click(); // and back in the wheel's own numbers after RESET
        QTRY_COMPARE(holes->toPlainText(), "02 03 04 05\n");

        // A new wheel is counted afresh; a dropped one is said to be gone.
        Acquire("1 2\n3");
        QCOMPARE(In<QTableWidget>(report, "tblChances")->rowCount(), 0); // until counted
        QCOMPARE(In<QLabel>(report, "lblGuarantees")->text(), "Counting...");
        QVERIFY(In<QLabel>(report, "lblWarnings")->text().contains("shorter than the longest"));
        QTRY_COMPARE(In<QTableWidget>(report, "tblCoverage")->rowCount(), 3);
        QCOMPARE(holes->toPlainText(), QString()); // the last wheel's holes are gone
        QCOMPARE(In<QLabel>(report, "lblMapping")->text(),
                 "Pick 3 keys on the keypad to see which of your numbers stands for each wheel "
                 "number (0 picked now).");
        QVERIFY(In<QLabel>(report, "lblStale")->isHidden());
        ModalAnswerer notice(1);
        Acquire("1 3");
        QVERIFY(In<QLabel>(report, "lblStale")->isVisible());
        Key(1)->click(); // keys do not bring back figures for a wheel no longer held
        QTest::qWait(200);
        QVERIFY(!In<QPushButton>(report, "cmdHoles")->isEnabled());
        Acquire("1 2\n"); // a wheel again: the figures are its own
        QVERIFY(In<QLabel>(report, "lblStale")->isHidden());
        QTRY_VERIFY(In<QPushButton>(report, "cmdCancel")->isHidden() &&
                    In<QProgressBar>(report, "barProgress")->isHidden() &&
                    In<QPushButton>(report, "cmdHoles")->isEnabled() &&
                    In<QPushButton>(report, "cmdRecount")->isHidden()); // counted, not cancelled
        Key(2)->click(); // holes are listed once asked for, not before
        QVERIFY(In<QPushButton>(report, "cmdCancel")->isHidden());
    }

    void longCountsCanBeCancelled() {
        Acquire(RingWheel(49)); // all 8-number draws: hundreds of millions of cases
        QWidget* report = Opened("mnuReport", "frmReport");
        PlayGame(80, 20);
        QVERIFY(In<QProgressBar>(report, "barProgress")->isVisible());
        In<QPushButton>(report, "cmdCancel")->click();
        QTRY_COMPARE(In<QLabel>(report, "lblWork")->text(),
                     "Cancelled: the figures shown are incomplete.");
        QVERIFY(In<QTableWidget>(report, "tblCoverage")->rowCount() == 0);
        QCOMPARE(In<QLabel>(report, "lblGuarantees")->text(), "Not counted.");
        QVERIFY(In<QPushButton>(report, "cmdRecount")->isVisible()); // offered after a cancel
        In<QPushButton>(report, "cmdRecount")->click();
        QVERIFY(In<QPushButton>(report, "cmdRecount")->isHidden());

        report->close(); // closing the report stops the count too
        QTRY_VERIFY(!window->findChild<QWidget*>("frmReport"));
    }

    // The table counts the game's draw, never more than the wheel's numbers nor 8; past 8
    // the chances say they are lower bounds.
    void reportCountsTheGamesDraw() {
        Acquire("1 2 3 4 5 6\n7 8 9 10 11 12\n1 3 5 7 9 11\n");
        QWidget* report = Opened("mnuReport", "frmReport");
        auto* coverage = In<QTableWidget>(report, "tblCoverage");
        auto* chances = In<QTableWidget>(report, "tblChances");
        QTRY_COMPARE(coverage->rowCount(), 6);
        QVERIFY(In<QLabel>(report, "lblGame")->text().startsWith("Game: 6 of 49, 1.00 a ticket."));
        // The holes worth a look first: 6 drawn without 4 on a ticket, the guarantee being 3.
        QCOMPARE(In<QSpinBox>(report, "spnHoleBelow")->value(), 4);
        Acquire("1 2 3\n3 4 5\n");
        QTRY_COMPARE(coverage->rowCount(), 5); // no more than the wheel has
        PlayGame(30, 10, 50, {0, 0, 0, 100});
        QTRY_COMPARE(coverage->rowCount(), 5);
        Acquire("1 2 3 4 5 6\n7 8 9 10 11 12\n"); // any 8 of the 12 put 4 on a ticket
        QTRY_COMPARE(coverage->rowCount(), 8);    // 10 drawn: counted up to 8
        QTRY_COMPARE(chances->rowCount(), 6);
        QVERIFY(!chances->item(3, 1)->text().startsWith("\u2265")); // 4 or more: exact
        const QString fifth = chances->item(4, 1)->text();
        QVERIFY2(fifth.startsWith("\u2265"), qPrintable(fifth)); // past the guarantee for 8
        QVERIFY(chances->item(4, 1)->toolTip().contains("lower bound"));
        QVERIFY(chances->item(4, 2)->text().startsWith("\u2264"));
        const QString cost = In<QLabel>(report, "lblCost")->text();
        // Two tickets, each with 3 of the 10 drawn (of 30) at 0.2304: 0.4608 of 1.00.
        QCOMPARE(cost, "Cost a draw: 2 tickets \u00D7 0.50 = 1.00. Expected prize a draw: 0.46, "
                       "an average over all the draws of the game.");
        // A wheel of more numbers than the game's balls: no chances, and no expected prize.
        PlayGame(10, 3, 50, {0, 0, 0, 100});
        QTRY_COMPARE(In<QLabel>(report, "lblCost")->text(),
                     "Cost a draw: 2 tickets \u00D7 0.50 = 1.00.");
        QCOMPARE(chances->rowCount(), 0);
    }

    // "One draw in" keeps one decimal below 100 and none from there on.
    void chancesAreWrittenWithOnePrecision() {
        Acquire("1 2 3 4 5 6\n7 8 9 10 11 12\n1 3 5 7 9 11\n2 4 6 8 10 12\n");
        QWidget* report = Opened("mnuReport", "frmReport");
        auto* chances = In<QTableWidget>(report, "tblChances");
        QTRY_VERIFY(chances->rowCount() > 3);
        for (int balls : {12, 20, 49, 90}) {
            PlayGame(balls, 6);
            QTRY_VERIFY(chances->rowCount() > 3);
            QVERIFY(balls != 12 || chances->item(0, 2)->text() == "1.0"); // every draw hits
            for (int row = 0; row < chances->rowCount(); ++row) {
                const QString oneIn = chances->item(row, 2)->text();
                QVERIFY2(!oneIn.isEmpty(), "no empty row");
                const double value = QLocale().toDouble(oneIn);
                QVERIFY2(value < 100 ? QRegularExpression("^\\d+\\.\\d$").match(oneIn).hasMatch()
                                     : !oneIn.contains('.'),
                         qPrintable(oneIn));
            }
        }
        QCOMPARE(ui::OneDrawIn(0.01), "100"); // whole from exactly 100
        // No empty band under either table: each is as tall as its rows.
        CheckFitsRows(chances);
        CheckFitsRows(In<QTableWidget>(report, "tblCoverage"));
    }

    // Copy and Save wait for a list; a cancel says which holes are on show; nothing jumps.
    void holesAreCopiedOnlyOnceListedAndACancelSaysWhatStays() {
        Acquire(RingWheel(49)); // the draws of 8 of 49 numbers take a while to go through
        QWidget* report = Opened("mnuReport", "frmReport");
        report->resize(980, 700);
        auto* copy = In<QPushButton>(report, "cmdCopyHoles");
        auto* list = In<QPushButton>(report, "cmdHoles");
        PlayGame(49, 2);
        QTRY_VERIFY(list->isEnabled());
        QVERIFY(!copy->isEnabled() && !In<QPushButton>(report, "cmdSaveHoles")->isEnabled());
        QApplication::clipboard()->setText("kept");
        copy->click();
        QCOMPARE(QApplication::clipboard()->text(), "kept");

        const QList<QRect> boxes = Boxes(report);
        AskHoles(report, 2, 2);
        QTRY_VERIFY(copy->isEnabled() && In<QPushButton>(report, "cmdSaveHoles")->isEnabled());
        copy->click();
        QVERIFY(QApplication::clipboard()->text().startsWith("01 03\n"));
        QCOMPARE(Boxes(report), boxes);
        AskHoles(report, 2, 1); // every number is on a ticket: nothing to copy
        QTRY_COMPARE(In<QLabel>(report, "lblHoles")->text(),
                     "No holes: whenever 2 of your numbers are drawn, a ticket holds 1 of them.");
        QVERIFY(!copy->isEnabled());

        PlayGame(80, 20); // 8 counted
        QVERIFY(In<QProgressBar>(report, "barProgress")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(list->isEnabled(), 60000);
        AskHoles(report, 2, 2);
        QTRY_VERIFY(copy->isEnabled());
        AskHoles(report, 8, 3);
        QVERIFY(In<QLabel>(report, "lblWork")->text().startsWith("Looking for draws of 8"));
        In<QPushButton>(report, "cmdCancel")->click();
        QTRY_COMPARE(In<QLabel>(report, "lblWork")->text(),
                     "Cancelled: the holes shown are the earlier ones, for draws of 2 without 2 "
                     "on a ticket.");
        QVERIFY(In<QPlainTextEdit>(report, "txtHoles")->toPlainText().startsWith("01 03\n"));
    }

    // At a draw of 8 every guarantee is read whole and every ✓ stays beside its figure.
    void nothingIsCutAtADrawOfEight() {
        Acquire(RingWheel(12));
        QWidget* report = Opened("mnuReport", "frmReport");
        PlayGame(80, 20);
        auto* coverage = In<QTableWidget>(report, "tblCoverage");
        QTRY_COMPARE(coverage->rowCount(), 8);
        QTest::qWait(50);
        auto* guarantees = In<QLabel>(report, "lblGuarantees");
        QCOMPARE(guarantees->text().count('\n'), 7);
        for (int width : {980, 700}) { // at the width it opens with, and narrowed
            report->resize(width, 700);
            QTRY_VERIFY(guarantees->height() >= guarantees->heightForWidth(guarantees->width()));
        }
        QVERIFY(!coverage->wordWrap());
        for (const QTableWidgetItem* cell : coverage->findItems("\u2713", Qt::MatchContains)) {
            QVERIFY(QFontMetrics(cell->font()).horizontalAdvance(cell->text()) <
                    coverage->columnWidth(cell->column()));
        }
    }
};

QTEST_MAIN(tst_Report)
#include "tst_frmReport.moc"
