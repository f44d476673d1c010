// The main window's menus as a keyboard user and a returning player meet
// them: the Edit menu wherever the focus is, the three buttons by shortcut,
// the tickets window, Open Recent, and the save dialog's folder and suffix.

#include "frmTickets.h"
#include "main_window.h"
#include "recentWheels.h"
#include "textFile.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace quorvex;

class tst_Menus : public QObject, private MainWindow {
    Q_OBJECT
private slots:
    void initTestCase() { SetUpTestRun(); }
    void init() {
        QSettings().clear();
        Open();
    }
    void cleanup() { Close(); }

    void editMenuActsOnTheBoxWhereverTheFocusIs() {
        for (const char* off : {"mnuUndo", "mnuRedo", "mnuCut", "mnuCopyText"}) { // nothing yet
            QVERIFY2(!Action(off)->isEnabled(), off);
        }
        Box()->setFocus();
        QTest::keyClicks(Box(), "1 2 3");
        Button("cmdClear")->click();
        QCOMPARE(Box()->toPlainText(), "");
        Key(7)->setFocus();
        QVERIFY(Action("mnuUndo")->isEnabled());
        QTest::keySequence(window, QKeySequence::Undo);
        QCOMPARE(Box()->toPlainText(), "1 2 3");
        QTest::keySequence(window, QKeySequence::Redo);
        QCOMPARE(Box()->toPlainText(), "");
        Action("mnuUndo")->trigger();
        Action("mnuSelectAll")->trigger();
        QVERIFY(Action("mnuCopyText")->isEnabled());
        Action("mnuCopyText")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), "1 2 3");
        Action("mnuCut")->trigger();
        QCOMPARE(Box()->toPlainText(), "");
        QApplication::clipboard()->setText("4 5");
        Key(7)->setFocus();
        QTest::keySequence(window, QKeySequence::Paste);
        QCOMPARE(Box()->toPlainText(), "4 5");
    }

    void theThreeButtonsHaveShortcuts() {
        Box()->setPlainText("1 2\n2 3\n");
        Key(10)->setFocus();
        QTest::keySequence(window, Action("mnuAcquire")->shortcut());
        QCOMPARE(Label("lblStatus"), "IN MEMORY: 3 NUMBERS - IN 2 LINES");
        for (int n : {10, 20, 30}) {
            Key(n)->click();
        }
        {
            ModalAnswerer answer(1);
            QTest::keySequence(window, Action("mnuGenerate")->shortcut());
            QCOMPARE(answer.text, "Well Done ..!");
        }
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keySequence(window, Action("mnuView")->shortcut());
        QCOMPARE(Box()->toPlainText(), "10 20\n20 30\n");
    }

    void openRecentKeepsTheLastEightAndDropsWhatIsGone() {
        QTemporaryDir folder;
        QStringList paths;
        for (int i = 1; i <= 9; ++i) {
            const QString path =
                WriteIn(folder, QString("w%1.txt").arg(i), QByteArray::number(i % 2 + 1) + " 1\n");
            QVERIFY(window->OpenWheelFile(path));
            paths.prepend(path);
        }
        QCOMPARE(ui::RecentWheels(), paths.mid(0, 8));
        auto* menu = window->findChild<QMenu*>("mnuRecent");
        emit menu->aboutToShow();
        QCOMPARE(menu->findChildren<QAction*>(QRegularExpression("^mnuRecent\\d$")).size(), 8);
        menu->findChild<QAction*>("mnuRecent3")->trigger(); // w7.txt, to the top
        QCOMPARE(ui::RecentWheels().first(), paths[2]);

        QFile::remove(paths[0]);
        emit menu->aboutToShow();
        ModalAnswerer notice(1);
        menu->findChild<QAction*>("mnuRecent2")->trigger(); // w9.txt, gone
        QCOMPARE(notice.text, "Cannot open the wheel ..!\nw9.txt\nno such file");
        QVERIFY2(!ui::RecentWheels().contains(paths[0]), "the file gone is still listed");
        QCOMPARE(ui::RecentWheels().size(), 7);
        emit menu->aboutToShow();
        menu->findChild<QAction*>("mnuClearRecent")->trigger();
        QVERIFY(ui::RecentWheels().isEmpty());
        emit menu->aboutToShow(); // an empty list says so, and there is nothing to clear
        QCOMPARE(menu->actions().first()->text(), "(none)");
        QVERIFY2(!menu->actions().first()->isEnabled(), "(none) is a choice");
        QVERIFY2(!menu->findChild<QAction*>("mnuClearRecent")->isEnabled(), "Clear list is on");
    }

    void saveDialogsAddTxtAndRememberTheirOwnFolder() {
        QTemporaryDir opened, saved;
        ModalAnswerer open(1, [&](QDialog* dialog) { // File > Open, as a user picks the file
            PickFile(dialog, WriteIn(opened, "w.txt", "1 2\n2 3\n"));
        });
        Action("mnuOpen")->trigger();
        for (int n : {4, 5, 6}) {
            Key(n)->click();
        }
        QCOMPARE(ClickForNotice("cmdSviluppa"), QString("Well Done ..!"));
        QString startedIn;
        ModalAnswerer save(1, [&](QDialog* dialog) {
            startedIn = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
            PickFile(dialog, saved.filePath("mine"));
        });
        Action("mnuSave")->trigger();
        QCOMPARE(startedIn, QDir(opened.path()).absolutePath()); // nothing saved yet
        QVERIFY(QFile::exists(saved.filePath("mine.txt")));
        QCOMPARE(ui::LastFolder(), QDir(opened.path()).absolutePath()); // opening is apart

        ModalAnswerer again(1, [&](QDialog* dialog) {
            startedIn = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
            dialog->reject();
        });
        Action("mnuSave")->trigger();
        QCOMPARE(startedIn, QDir(saved.path()).absolutePath());
        QVERIFY(!QFile::remove(".txt")); // cancelled: nothing is saved (nor left behind)
    }
};

QTEST_MAIN(tst_Menus)
#include "tst_frmAccessMenus.moc"
