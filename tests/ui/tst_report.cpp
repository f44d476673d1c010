// The wheel report and the draw check as a user meets them: opened from the
// Wheel menu, following the main window, cancelled, refusing bad entries.

#include "main_window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>

using namespace quorvex;

class tst_Report : public QObject, private MainWindow {
    Q_OBJECT
private slots:
    void init() { Open(); }
    void cleanup() { Close(); }
    void reportFollowsTheWheelAndKeys() {
        QVERIFY(!Action("mnuReport")->isEnabled());
        Box()->setPlainText("1 2 3 4\n1 2 3 5\n1 2 4 5\n1 3 4 5\n"); // the C(5,4,3) covering
        Button("cmdAcquire")->click();
        QWidget* report = Opened("mnuReport", "frmReport");
        QVERIFY(report && report->isVisible());
        auto* guarantees = In<QLabel>(report, "lblGuarantees");
        QTRY_VERIFY(guarantees->text().contains(
            "Whenever 3 of your 5 numbers are drawn, at least one ticket holds all 3 of them."));
        QVERIFY(guarantees->text().contains(
            "Whenever 5 of your 5 numbers are drawn, at least one ticket holds 4 of them."));
        auto* table = In<QTableWidget>(report, "tblCoverage");
        QCOMPARE(table->rowCount(), 5); // M is never above N
        QCOMPARE(table->item(3, 3)->text(),
                 "20.0% \u2713"); // 1 of the 5 four-number draws is a hole
        QCOMPARE(table->item(3, 4)->text(), "80.0%");
        QVERIFY(table->item(3, 3)->font().bold());
        QVERIFY(table->item(3, 3)->toolTip().startsWith("1 of the 5 draws of 4"));
        QVERIFY(In<QCheckBox>(report, "chkCounts")->isVisible());
        In<QCheckBox>(report, "chkCounts")->click();
        QCOMPARE(table->item(3, 3)->text(), "1 \u2713"); // the exact counts instead
        // 4 or more on a ticket in a 5-of-49 game: 177 of the C(49, 5) draws.
        QCOMPARE(In<QTableWidget>(report, "tblChances")->item(3, 2)->text(), "10,773");

        // Holes in the wheel's numbers, then in the keys picked, re-listed as the keys change.
        In<QSpinBox>(report, "spnHoleSize")->setValue(4);
        In<QSpinBox>(report, "spnHoleBelow")->setValue(4);
        In<QPushButton>(report, "cmdHoles")->click();
        auto* holes = In<QPlainTextEdit>(report, "txtHoles");
        QTRY_COMPARE(holes->toPlainText(), "02 03 04 05\n");
        QVERIFY(QFontInfo(holes->font()).fixedPitch()); // the numbers stand in columns
        for (int n : {10, 20, 30, 40, 49}) {
            Key(n)->click();
        }
        QTRY_COMPARE(holes->toPlainText(), "20 30 40 49\n");
        const QString mapping = In<QLabel>(report, "lblMapping")->text();
        QVERIFY(mapping.endsWith("1\u219210  2\u219220  3\u219230  4\u219240  5\u219249"));

        // A new wheel is counted afresh; a dropped one is said to be gone.
        Box()->setPlainText("1 2\n3");
        Button("cmdAcquire")->click();
        QTRY_COMPARE(In<QTableWidget>(report, "tblCoverage")->rowCount(), 3);
        QVERIFY(In<QLabel>(report, "lblStale")->isHidden());
        ModalAnswerer notice(1);
        Box()->setPlainText("1 3");
        Button("cmdAcquire")->click();
        QVERIFY(In<QLabel>(report, "lblStale")->isVisible());
        Key(1)->click(); // keys do not bring back figures for a wheel no longer held
        QTest::qWait(200);
        QVERIFY(!In<QPushButton>(report, "cmdHoles")->isEnabled());
    }

    void longCountsCanBeCancelled() {
        QString wheel; // 49 numbers, all 8-number draws: hundreds of millions of cases
        for (int n = 1; n <= 49; ++n) {
            wheel += QString("%1 %2 %3\n").arg(n).arg(n % 49 + 1).arg((n + 5) % 49 + 1);
        }
        Box()->setPlainText(wheel);
        Button("cmdAcquire")->click();
        QWidget* report = Opened("mnuReport", "frmReport");
        In<QSpinBox>(report, "spnDrawn")->setValue(8);
        QVERIFY(In<QProgressBar>(report, "barProgress")->isVisible());
        In<QPushButton>(report, "cmdCancel")->click();
        QTRY_COMPARE(In<QLabel>(report, "lblWork")->text(),
                     "Cancelled: the figures shown are incomplete.");
        QVERIFY(In<QTableWidget>(report, "tblCoverage")->rowCount() == 0);
        In<QPushButton>(report, "cmdRecount")->click();
        QVERIFY(In<QPushButton>(report, "cmdRecount")->isHidden());

        report->close(); // closing the report stops the count too
        QTRY_VERIFY(!window->findChild<QWidget*>("frmReport"));
    }

    void drawCheckRefusesBadEntries() {
        Box()->setPlainText("1 2 3\n2 3 4\n");
        Button("cmdAcquire")->click();
        QWidget* draw = Opened("mnuDraw", "frmDraw");
        QVERIFY(In<QLabel>(draw, "lblResult")->text().startsWith("Nothing is developed yet"));

        for (int n : {5, 6, 7, 8}) {
            Key(n)->click();
        }
        QCOMPARE(ClickForNotice("cmdSviluppa"), QString("Well Done ..!")); // 05 06 07, 06 07 08
        auto* entry = In<QLineEdit>(draw, "txtDrawn");
        auto* hits = In<QTableWidget>(draw, "tblHits");
        entry->setText("6, 7 33");
        In<QPushButton>(draw, "cmdCheck")->click();
        QCOMPARE(hits->rowCount(), 3); // 2, 1 and 0 hits
        QCOMPARE(hits->item(0, 1)->text() + hits->item(1, 1)->text() + hits->item(2, 1)->text(),
                 "200");
        const QStringList best = In<QTextBrowser>(draw, "txtBest")->toPlainText().split('\n');
        QCOMPARE(best.filter(QRegularExpression("^ +(1: 05 06 07|2: 06 07 08)$")).size(), 2);

        const QString bad[][2] = {{"8 x7", "\"x7\" is not a number 1-49"},
                                  {"8 50", "\"50\" is not a number 1-49"},
                                  {"8 8", "8 appears twice"}};
        for (const auto& [text, problem] : bad) {
            ModalAnswerer answer(1);
            entry->setText(text);
            In<QPushButton>(draw, "cmdCheck")->click();
            QCOMPARE(answer.text, "Not a draw ..!\n" + problem);
            QCOMPARE(hits->rowCount(), 3); // the draw shown stays
        }
    }

private:
    QWidget* Opened(const char* action, const char* name) {
        Action(action)->trigger();
        return window->findChild<QWidget*>(name);
    }
    template <class T> T* In(QWidget* window, const char* name) {
        return window->findChild<T*>(name);
    }
};

QTEST_MAIN(tst_Report)
#include "tst_report.moc"
