// Build a wheel as a player uses it: a goal refused before anything runs, a
// small wheel built, used, and acquired by the main window, whose report then
// states the guarantee the builder promised; a new goal clears the old result;
// the search says what it is doing; closing it while it runs asks first.

#include "main_window.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>

using namespace quorvex;

class tst_Build : public QObject, private MainWindow {
    Q_OBJECT
    static void SetGoal(QWidget* build, int n, int k, int t, int m) {
        In<QSpinBox>(build, "spnNumbers")->setValue(n);
        In<QSpinBox>(build, "spnPerTicket")->setValue(k);
        In<QSpinBox>(build, "spnDrawn")->setValue(m);
        In<QSpinBox>(build, "spnAtLeast")->setValue(t);
    }
    static bool Enabled(QWidget* build, const char* name) {
        return In<QPushButton>(build, name)->isEnabled();
    }

private slots:
    void initTestCase() { SetUpTestRun(); }
    void init() { Open(); }
    void cleanup() { Close(); }

    void buildsUsesAndReportsASmallWheel() {
        for (int n : {3, 8, 13, 21, 29, 34, 40, 45}) {
            Key(n)->click();
        }
        QWidget* build = Opened("mnuBuild", "frmBuild");
        QCOMPARE(In<QSpinBox>(build, "spnNumbers")->value(), 8);   // the keys picked
        for (const char* off : {"cmdStop", "cmdUse", "cmdSave"}) { // nothing to stop, use or save
            QVERIFY2(!Enabled(build, off), off);
        }
        QVERIFY(!In<QCheckBox>(build, "chkStart")->isEnabled());
        QCOMPARE(In<QLabel>(build, "lblStartNote")->text(), "(no wheel is held)");
        In<QSpinBox>(build, "spnPerTicket")->setValue(4); // C(8,4,3) serves "3 if 4" too:
        QVERIFY(Enabled(build, "cmdBestKnown"));
        SetGoal(build, 8, 4, 3, 3);
        QCOMPARE(In<QLabel>(build, "lblBounds")->text(),
                 "Lower bound: 14 (Schönheim)   Best known: 14 (La Jolla Covering Repository)");

        QTest::keyClick(In<QSpinBox>(build, "spnAtLeast"), Qt::Key_Return); // Enter builds
        QTRY_VERIFY(Enabled(build, "cmdUse"));
        // As small as the best known: the player may still take the design, with its credit.
        QVERIFY2(Enabled(build, "cmdBestKnown"), "Use the best known after a wheel of 14");
        const QString result = In<QLabel>(build, "lblResult")->text();
        const QString guarantee = "Whenever 3 of your 8 numbers are drawn, at least one ticket "
                                  "holds all 3 of them.";
        QVERIFY2(result.startsWith("<b>14 tickets.</b> " + guarantee), qPrintable(result));
        // Every number on as many tickets, said once; and how the wheel was built.
        QVERIFY2(result.contains("<br>Each number is on 7 tickets. Built by "), qPrintable(result));
        // Its chances and cost beside the best known design's, in the game chosen.
        QCOMPARE(In<QLabel>(build, "lblCost")->text(),
                 "This wheel: 14 tickets \u00D7 1.00 = 14.00; the best known: 14 tickets \u00D7 "
                 "1.00 = 14.00 a draw of 6 of 49.");
        auto* chances = In<QTableWidget>(build, "tblChances");
        QTRY_COMPARE(chances->rowCount(), 4);
        QCOMPARE(chances->item(2, 1)->text(), chances->item(2, 2)->text()); // as good as it
        QVERIFY(chances->item(2, 1)->text().endsWith('%'));
        QVERIFY2(chances->verticalHeader()->isHidden(), "rows numbered beside their names");
        auto* wheel = In<QPlainTextEdit>(build, "txtWheel");
        QCOMPARE(wheel->toPlainText().count('\n'), 14);
        QVERIFY(QFontInfo(wheel->font()).fixedPitch());
        QCOMPARE(wheel->textCursor().position(), 0); // read from the first ticket
        QTemporaryDir folder; // Save wheel... writes what is shown, under a name for its goal
        ModalAnswerer save(1, [&](QDialog* dialog) {
            const QString offered = qobject_cast<QFileDialog*>(dialog)->selectedFiles().value(0);
            QCOMPARE(offered.section('/', -1), "wheel-8-4-3if3.txt");
            PickFile(dialog, folder.filePath("mine"));
        });
        In<QPushButton>(build, "cmdSave")->click();
        QFile saved(folder.filePath("mine.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), wheel->toPlainText());

        In<QPushButton>(build, "cmdUse")->click();
        QCOMPARE(Label("lblStatus"), "IN MEMORY: 8 NUMBERS - IN 14 LINES");
        QCOMPARE(Box()->toPlainText().count('\n'), 14);
        Box()->undo(); // one undoable step
        QCOMPARE(Box()->toPlainText(), "");
        QVERIFY(In<QCheckBox>(build, "chkStart")->isEnabled()); // a wheel of 8 is held now
        QCOMPARE(In<QLabel>(build, "lblStartNote")->text(), "");

        QWidget* report = Opened("mnuReport", "frmReport");
        QTRY_VERIFY(In<QLabel>(report, "lblGuarantees")->text().contains(guarantee));
    }

    // What the library knows, said once and as what it is: a record for this
    // goal, a size published with no design, or a design for another goal that keeps it.
    void saysWhatTheLibraryKnows() {
        QWidget* build = Opened("mnuBuild", "frmBuild");
        auto* bounds = In<QLabel>(build, "lblBounds");
        auto* chances = In<QTableWidget>(build, "tblChances");
        SetGoal(build, 12, 4, 3, 5);
        QVERIFY2(bounds->text().endsWith("Best known: none listed for this goal; a 57-ticket "
                                         "design for \u201C3 if 3\u201D keeps it (La Jolla "
                                         "Covering Repository)"),
                 qPrintable(bounds->text()));
        QCOMPARE(In<QLabel>(build, "lblCost")->text(),
                 "The library's design: 57 tickets \u00D7 1.00 = 57.00 a draw of 6 of 49.");
        QCOMPARE(chances->horizontalHeaderItem(2)->text(), "Library design");
        QTRY_VERIFY(chances->rowCount() > 0);
        CheckFitsRows(chances);
        SetGoal(build, 49, 6, 3, 6);
        QVERIFY2(bounds->text().endsWith("Best known: 163 (published record)"),
                 qPrintable(bounds->text()));
        QCOMPARE(chances->horizontalHeaderItem(2)->text(), "Best known");
    }

    // Changing N, k, t or m takes away the result, its method and its credit.
    void aNewGoalClearsTheResult() {
        QWidget* build = Opened("mnuBuild", "frmBuild");
        // The box after "whenever" reads on its own, not as the words before it.
        QCOMPARE(Accessible(In<QSpinBox>(build, "spnDrawn")), "Numbers drawn");
        SetGoal(build, 8, 4, 3, 3);
        In<QPushButton>(build, "cmdBestKnown")->click(); // the library's design, with its credit
        const QString result = In<QLabel>(build, "lblResult")->text();
        QVERIFY2(result.startsWith("<b>14 tickets</b> from the library."), qPrintable(result));
        QVERIFY(In<QLabel>(build, "lblCredit")->text().contains("La Jolla"));
        QVERIFY(Enabled(build, "cmdSave"));
        for (const char* goal : {"spnNumbers", "spnPerTicket", "spnAtLeast", "spnDrawn"}) {
            QTest::keyClick(In<QSpinBox>(build, goal), Qt::Key_Up);
            QVERIFY2(In<QLabel>(build, "lblResult")->text().isEmpty(), goal);
            QVERIFY2(In<QLabel>(build, "lblCredit")->text().isEmpty(), goal);
            QVERIFY2(In<QPlainTextEdit>(build, "txtWheel")->toPlainText().isEmpty(), goal);
            QVERIFY2(!Enabled(build, "cmdSave") && !Enabled(build, "cmdUse"), goal);
            QTest::keyClick(In<QSpinBox>(build, goal), Qt::Key_Down);
            In<QPushButton>(build, "cmdBestKnown")->click();
        }
    }

    void refusesWhatCannotBeBuilt() {
        QWidget* build = Opened("mnuBuild", "frmBuild");
        QCOMPARE(In<QSpinBox>(build, "spnNumbers")->value(), 10); // fewer than 2 keys picked
        auto* problem = In<QLabel>(build, "lblProblem");
        QVERIFY(Enabled(build, "cmdBuild"));
        In<QSpinBox>(build, "spnPerTicket")->setValue(11); // k > N
        QVERIFY(!Enabled(build, "cmdBuild"));
        QVERIFY(problem->isVisible());
        QVERIFY(problem->text().contains("the wheel has only 10"));
        SetGoal(build, 10, 5, 5, 5);
        QVERIFY(Enabled(build, "cmdBuild"));
        QVERIFY(!problem->isVisible());
        QVERIFY(!Enabled(build, "cmdBestKnown")); // none known for k = 5

        // Why the held wheel cannot start a search, beside the box that would say so.
        auto* start = In<QCheckBox>(build, "chkStart");
        auto* why = In<QLabel>(build, "lblStartNote");
        Acquire("1 2 3 4 5\n6 7 8 9 10 1\n");
        QVERIFY(!start->isEnabled());
        QCOMPARE(why->text(), "(line 2 holds 6 numbers, not 5)");
        Acquire("1 2 3 4 5\n6 7 8 9 10\n");
        QVERIFY(start->isEnabled());
        QCOMPARE(why->text(), "");

        // A time outside one second to ten minutes is brought to the nearest, and said so.
        auto* seconds = In<QSpinBox>(build, "spnSeconds");
        build->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), build);
        for (const auto& [typed, kept, note] :
             {std::tuple{"900", 600, "set to 10 min, the longest"},
              std::tuple{"0", 1, "set to 1 s, the shortest"}, std::tuple{"42", 42, ""}}) {
            seconds->setFocus();
            seconds->selectAll();
            QTest::keyClicks(seconds, typed);
            QTest::keyClick(seconds, Qt::Key_Tab);
            QCOMPARE(seconds->value(), kept);
            QCOMPARE(In<QLabel>(build, "lblTimeNote")->text(), note);
        }
    }

    // The search says what it does from the first second; Stop keeps the best wheel found.
    void aSearchShowsItsProgressAndStops() {
        QWidget* build = Opened("mnuBuild", "frmBuild");
        SetGoal(build, 20, 6, 5, 5);
        In<QPushButton>(build, "cmdBuild")->click();
        QVERIFY(Enabled(build, "cmdStop"));
        QCOMPARE(In<QLabel>(build, "lblBest")->text(), "Searching..."); // until it says more
        QVERIFY(!In<QSpinBox>(build, "spnNumbers")->isEnabled()); // the goal holds while it runs
        QTRY_VERIFY_WITH_TIMEOUT(
            In<QLabel>(build, "lblBest")->text().contains(QRegularExpression("% done\\.")), 1000);
        QTRY_VERIFY(In<QLabel>(build, "lblBest")->text().contains("Best so far: "));
        In<QPushButton>(build, "cmdStop")->click();
        QTRY_VERIFY(Enabled(build, "cmdUse"));
        QVERIFY(In<QLabel>(build, "lblResult")->text().contains("at least one ticket holds all 5"));
        QVERIFY(Enabled(build, "cmdBestKnown")); // 2800 tickets beat it
        In<QPushButton>(build, "cmdBestKnown")->click();
        QCOMPARE(Label("lblStatus"), "IN MEMORY: 20 NUMBERS - IN 2800 LINES");

        // Stopped before its first wheel, a search leaves nothing to use or save.
        SetGoal(build, 49, 6, 5, 5);
        In<QPushButton>(build, "cmdBuild")->click();
        QTRY_VERIFY(In<QLabel>(build, "lblBest")->text().contains("% done."));
        QVERIFY2(!In<QLabel>(build, "lblBest")->text().contains("Best"), "a best before a wheel");
        In<QPushButton>(build, "cmdStop")->click();
        QTRY_VERIFY(Enabled(build, "cmdBuild"));
        QVERIFY(!Enabled(build, "cmdSave") && !Enabled(build, "cmdUse"));
        QCOMPARE(In<QLabel>(build, "lblResult")->text(),
                 "The search stopped before it found a wheel.");

        In<QSpinBox>(build, "spnSeconds")->setValue(1); // left alone, it stops at the time set
        SetGoal(build, 12, 6, 4, 5);
        In<QPushButton>(build, "cmdBuild")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!Enabled(build, "cmdStop"), 3000);
    }

    // A held wheel that keeps its guarantee at its smallest comes back as it was.
    void aHeldWheelWithNothingToSpareIsSaidSo() {
        Acquire("1 2 3 4\n1 2 3 5\n1 2 4 5\n1 3 4 5\n2 3 4 5\n"); // C(5,4,3) and one more
        QWidget* build = Opened("mnuBuild", "frmBuild");
        In<QSpinBox>(build, "spnSeconds")->setValue(1);
        SetGoal(build, 5, 4, 3, 3);
        In<QCheckBox>(build, "chkStart")->setChecked(true);
        In<QPushButton>(build, "cmdBuild")->click();
        QTRY_VERIFY_WITH_TIMEOUT(Enabled(build, "cmdUse"), 3000);
        QVERIFY(In<QLabel>(build, "lblResult")->text().startsWith("<b>4 tickets.</b>"));
        Acquire("1 2 3 4\n1 2 3 5\n1 2 4 5\n1 3 4 5\n");
        In<QCheckBox>(build, "chkStart")->setChecked(true);
        In<QPushButton>(build, "cmdBuild")->click();
        QTRY_VERIFY_WITH_TIMEOUT(Enabled(build, "cmdUse"), 3000);
        QVERIFY(
            In<QLabel>(build, "lblResult")->text().endsWith("No smaller wheel found in the time."));
    }

    // Closing the window, by its button or by Escape, while a search runs asks first.
    void closingDuringASearchAsks() {
        QWidget* build = Opened("mnuBuild", "frmBuild");
        QTRY_COMPARE(QApplication::activeWindow(), build); // Escape goes to the active window
        SetGoal(build, 20, 6, 5, 5);
        In<QPushButton>(build, "cmdBuild")->click();
        {
            ModalAnswerer no(1);
            QTest::keySequence(build, QKeySequence(Qt::Key_Escape));
            QCOMPARE(no.text, "A search is running ..!\nStop it and close the window?");
            QCOMPARE(no.captions, (QStringList{"NO", "YES"}));
        }
        QVERIFY(build->isVisible());
        QVERIFY(Enabled(build, "cmdStop")); // and it goes on
        ModalAnswerer yes(2);
        In<QPushButton>(build, "cmdClose")->click();
        QCOMPARE(yes.seen, 1);
        QTRY_VERIFY(!window->findChild<QWidget*>("frmBuild"));
    }
};

QTEST_MAIN(tst_Build)
#include "tst_frmBuild.moc"
