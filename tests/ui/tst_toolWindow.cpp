// The windows beside the main one, all alike: in front and with the keyboard
// when opened, laid out for any user, closed by their button, Escape or Ctrl+W.

#include "main_window.h"

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
};

QTEST_MAIN(tst_ToolWindow)
#include "tst_toolWindow.moc"
