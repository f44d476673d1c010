// Build a wheel as a player uses it: a goal refused before anything runs, a
// small wheel built, used, and acquired by the main window, whose report then
// states the guarantee the builder promised.

#include "main_window.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QSpinBox>
#include <QStandardPaths>

using namespace quorvex;

class tst_Build : public QObject, private MainWindow {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { Open(); }
    void cleanup() { Close(); }

    void buildsUsesAndReportsASmallWheel() {
        for (int n : {3, 8, 13, 21, 29, 34, 40, 45}) {
            Key(n)->click();
        }
        QWidget* build = Opened("mnuBuild", "frmBuild");
        QCOMPARE(In<QSpinBox>(build, "spnNumbers")->value(), 8);   // the keys picked
        for (const char* off : {"cmdStop", "cmdUse", "cmdSave"}) { // nothing to stop, use or save
            QVERIFY2(!In<QPushButton>(build, off)->isEnabled(), off);
        }
        QVERIFY(!In<QCheckBox>(build, "chkStart")->isEnabled()); // no wheel is held
        In<QSpinBox>(build, "spnPerTicket")->setValue(4);        // C(8,4,3) serves "3 if 4" too:
        QVERIFY(In<QPushButton>(build, "cmdBestKnown")->isEnabled());
        In<QSpinBox>(build, "spnDrawn")->setValue(3);
        In<QSpinBox>(build, "spnAtLeast")->setValue(3);
        const QString bounds = In<QLabel>(build, "lblBounds")->text();
        QVERIFY(bounds.contains("Lower bound: 14") && bounds.contains("Best known: 14 (La Jolla"));

        QTest::keyClick(In<QSpinBox>(build, "spnAtLeast"), Qt::Key_Return); // Enter builds
        QTRY_VERIFY(In<QPushButton>(build, "cmdUse")->isEnabled());
        const QString result = In<QLabel>(build, "lblResult")->text();
        const QString guarantee = "Whenever 3 of your 8 numbers are drawn, at least one ticket "
                                  "holds all 3 of them.";
        QVERIFY(result.startsWith("<b>14 tickets.</b>") && result.contains(guarantee));
        QVERIFY(result.endsWith("Each number is on 7 to 7 tickets."));
        auto* wheel = In<QPlainTextEdit>(build, "txtWheel");
        QVERIFY(wheel->toPlainText().count('\n') == 14 && QFontInfo(wheel->font()).fixedPitch());
        QVERIFY(wheel->isReadOnly() && wheel->textCursor().position() == 0); // from the first
        QCOMPARE(In<QSpinBox>(build, "spnSeconds")->text(), "10 s");
        QTemporaryDir folder; // Save wheel... writes what is shown, under a name for its goal
        ModalAnswerer save(1, [&](QDialog* dialog) {
            const QString offered = qobject_cast<QFileDialog*>(dialog)->selectedFiles().value(0);
            QCOMPARE(offered.section('/', -1), "wheel-8-4-3if3.txt");
            PickFile(dialog, folder.filePath("mine"));
        });
        In<QPushButton>(build, "cmdSave")->click();
        QFile saved(folder.filePath("mine.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll() == wheel->toPlainText());

        In<QPushButton>(build, "cmdUse")->click();
        QCOMPARE(Label("lblStatus"), "IN MEMORY: 8 NUMBERS - IN 14 LINES");
        QCOMPARE(Box()->toPlainText().count('\n'), 14);
        Box()->undo(); // one undoable step
        QCOMPARE(Box()->toPlainText(), "");
        QVERIFY(In<QCheckBox>(build, "chkStart")->isEnabled()); // a wheel of 8 is held now

        QWidget* report = Opened("mnuReport", "frmReport");
        QTRY_VERIFY(In<QLabel>(report, "lblGuarantees")->text().contains(guarantee));
    }

    void refusesWhatCannotBeBuilt() {
        QWidget* build = Opened("mnuBuild", "frmBuild");
        QCOMPARE(In<QSpinBox>(build, "spnNumbers")->value(), 10); // fewer than 2 keys picked
        auto* buildButton = In<QPushButton>(build, "cmdBuild");
        auto* problem = In<QLabel>(build, "lblProblem");
        QVERIFY(buildButton->isEnabled());
        In<QSpinBox>(build, "spnPerTicket")->setValue(11); // k > N
        QVERIFY(!buildButton->isEnabled() && problem->isVisible());
        QVERIFY(problem->text().contains("the wheel has only 10"));
        In<QSpinBox>(build, "spnPerTicket")->setValue(5);
        In<QSpinBox>(build, "spnAtLeast")->setValue(5);
        In<QSpinBox>(build, "spnDrawn")->setValue(5);
        QVERIFY(buildButton->isEnabled() && !problem->isVisible());
        QVERIFY(!In<QPushButton>(build, "cmdBestKnown")->isEnabled()); // none known for k = 5

        // A held wheel whose lines are not k long cannot start the search.
        Acquire("1 2 3 4 5\n6 7 8 9 10 1\n");
        auto* start = In<QCheckBox>(build, "chkStart");
        QVERIFY(start->isEnabled());
        start->setChecked(true);
        QVERIFY(!buildButton->isEnabled() &&
                problem->text().startsWith("Line 2 of the held wheel does not hold 5"));

        // Stop keeps the best wheel found so far.
        start->setChecked(false);
        In<QSpinBox>(build, "spnNumbers")->setValue(20);
        QVERIFY(!start->isEnabled()); // the wheel held has 10 numbers, not 20
        In<QSpinBox>(build, "spnPerTicket")->setValue(6);
        In<QSpinBox>(build, "spnDrawn")->setValue(5);
        buildButton->click();
        QVERIFY(In<QPushButton>(build, "cmdStop")->isEnabled());
        QCOMPARE(In<QLabel>(build, "lblBest")->text(), "Searching..."); // until the first wheel
        QVERIFY(!In<QSpinBox>(build, "spnNumbers")->isEnabled()); // the goal holds while it runs
        QTRY_VERIFY(In<QLabel>(build, "lblBest")->text().startsWith("Best so far: "));
        In<QPushButton>(build, "cmdStop")->click();
        QTRY_VERIFY(In<QPushButton>(build, "cmdUse")->isEnabled());
        QVERIFY(In<QLabel>(build, "lblResult")->text().contains("at least one ticket holds all 5"));
        QVERIFY(In<QPushButton>(build, "cmdBestKnown")->isEnabled()); // 2800 tickets beat it
        In<QPushButton>(build, "cmdBestKnown")->click();
        QCOMPARE(Label("lblStatus"), "IN MEMORY: 20 NUMBERS - IN 2800 LINES");
        QVERIFY(In<QLabel>(build, "lblCredit")->text().contains("La Jolla Covering Repository"));
        In<QSpinBox>(build, "spnSeconds")->setValue(1); // left alone, it stops at the time set
        buildButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!In<QPushButton>(build, "cmdStop")->isEnabled(), 6000);
    }
};

QTEST_MAIN(tst_Build)
#include "tst_build.moc"
