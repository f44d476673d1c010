#include "main_window.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QGroupBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QtTest>

using namespace quorvex;

// Stands in for the browser: records the addresses the program asks to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class tst_frmAccess : public QObject, private MainWindow {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsEmptyWithTheKeypadInRows();
    void keyClicksCycleColoursAndCounters();
    void resetFreesEveryKey();
    void acquireEmptyTextShowsNothing();
    void invalidMatrixChangesStatusAfterTheNotice();
    void generateAndViewNotices();
    void clearKeepsTheHeldMatrix();
    void exitQuestion();
    void linkOpensTheHomepage();
    void keyboardAloneDevelopsTheWorkedExample();
    void accessibleTextsFollowTheState();
    void captionsFitTheirControls();
    void paintsAtTheScreensScale();

private:
    // Presses Tab on whatever has the focus; returns the object name focused last.
    QString Tab(int times) {
        // Focus comes back to the window a moment after a dialog closes.
        if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; })) {
            return "<nothing has the focus>";
        }
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return QApplication::focusWidget()->objectName();
    }
    QString Accessible(QObject* object, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(object)->text(text);
    }
};

void tst_frmAccess::init() {
    Open();
}

void tst_frmAccess::cleanup() {
    Close();
}

void tst_frmAccess::startsEmptyWithTheKeypadInRows() {
    // The designed area keeps its size; the window grows by the menu bar above it.
    QWidget* design = window->findChild<QWidget*>("designArea");
    QCOMPARE(design->size(), QSize(519, 445));
    QCOMPARE(window->size(), QSize(519, 445 + window->menuBar()->height()));
    QCOMPARE(design->mapTo(window, QPoint(0, 0)), QPoint(0, window->menuBar()->height()));
    QCOMPARE(window->windowTitle(), QString::fromUtf8(" Quorvex\u00ae - by Velmora"));
    for (int n = 1; n <= 49; ++n) {
        QPushButton* key = Key(n);
        QVERIFY2(key, qPrintable(QString::number(n)));
        QCOMPARE(key->text(), QString::number(n));
        // Columns 150 + 525c twips, rows 240 + 495r twips.
        QCOMPARE(key->pos(), QPoint((150 + 525 * ((n - 1) % 7) + 7) / 15,
                                    (240 + 495 * ((n - 1) / 7) + 7) / 15));
        QCOMPARE(key->size(), QSize(33, 31));
        QCOMPARE(key->styleSheet(), QString());
    }
    QCOMPARE(Label("lblSelezionati"), "0");
    QCOMPARE(Label("lblBase"), "0");
    QCOMPARE(Label("lblStatus"), "NO WHEEL IN MEMORY..!");
    QCOMPARE(window->findChildren<QGroupBox*>().size(), 11);
}

void tst_frmAccess::keyClicksCycleColoursAndCounters() {
    QTest::mouseClick(Key(12), Qt::LeftButton);
    QVERIFY(Key(12)->styleSheet().contains("#35ae8a"));
    QCOMPARE(Label("lblSelezionati"), "1");
    QCOMPARE(Label("lblBase"), "0");

    QTest::mouseClick(Key(12), Qt::LeftButton);
    QVERIFY(Key(12)->styleSheet().contains("#e4b414"));
    QCOMPARE(Label("lblSelezionati"), "1");
    QCOMPARE(Label("lblBase"), "1");

    QTest::mouseClick(Key(12), Qt::LeftButton);
    QCOMPARE(Key(12)->styleSheet(), QString());
    QCOMPARE(Label("lblSelezionati"), "0");

    // From the keyboard too.
    Key(40)->setFocus();
    QTest::keyClick(Key(40), Qt::Key_Space);
    QCOMPARE(Label("lblSelezionati"), "1");
    QTest::keyClick(Key(40), Qt::Key_Return);
    QCOMPARE(Label("lblBase"), "1");
}

void tst_frmAccess::resetFreesEveryKey() {
    for (int n : {1, 2, 2, 49}) {
        Key(n)->click();
    }
    Button("cmdReset")->click();
    for (int n = 1; n <= 49; ++n) {
        QCOMPARE(Key(n)->styleSheet(), QString());
    }
    QCOMPARE(Label("lblSelezionati"), "0");
    QCOMPARE(Label("lblBase"), "0");
    QCOMPARE(gSelectedCount, 0);
}

void tst_frmAccess::acquireEmptyTextShowsNothing() {
    ModalAnswerer answer(1);
    Button("cmdAcquire")->click();
    QCOMPARE(answer.seen, 0);
    QCOMPARE(Label("lblStatus"), "NO WHEEL IN MEMORY..!");
}

void tst_frmAccess::invalidMatrixChangesStatusAfterTheNotice() {
    Box()->setPlainText("1 2");
    Button("cmdAcquire")->click();
    QCOMPARE(Label("lblStatus"), "IN MEMORY: 2 NUMBERS - IN 1 LINES");

    Box()->setPlainText("1 2\n4");
    QString statusWhileOpen;
    ModalAnswerer answer(1, [&](QDialog*) { statusWhileOpen = Label("lblStatus"); });
    Button("cmdAcquire")->click();
    QCOMPARE(answer.text, "Invalid Matrix ..!\nnumber 3 is missing");
    QCOMPARE(statusWhileOpen, "IN MEMORY: 2 NUMBERS - IN 1 LINES");
    QCOMPARE(Label("lblStatus"), "NO WHEEL IN MEMORY..!");
}

void tst_frmAccess::generateAndViewNotices() {
    QCOMPARE(ClickForNotice("cmdVisualizza"), "Sorry! No lines reduced ..!");
    QCOMPARE(ClickForNotice("cmdSviluppa"), "Acquire the Matrix ..!");
    Box()->setPlainText("1 2 3");
    Button("cmdAcquire")->click();
    Key(1)->click();
    QCOMPARE(ClickForNotice("cmdSviluppa"), "Select another 2 numbers ..!");
    for (int n : {2, 3, 4}) {
        Key(n)->click();
    }
    QCOMPARE(ClickForNotice("cmdSviluppa"), "Unselect 1 numbers ..!");
    QCOMPARE(Box()->toPlainText(), "1 2 3");
}

void tst_frmAccess::clearKeepsTheHeldMatrix() {
    Box()->setPlainText("2 1");
    Button("cmdAcquire")->click();
    Button("cmdClear")->click();
    QCOMPARE(Box()->toPlainText(), QString());
    Key(7)->click();
    Key(8)->click();
    QCOMPARE(ClickForNotice("cmdSviluppa"), "Well Done ..!");
    Button("cmdVisualizza")->click();
    QCOMPARE(Box()->toPlainText(), "07 08\n");
}

void tst_frmAccess::exitQuestion() {
    Key(3)->click();
    {
        ModalAnswerer no(1);
        QVERIFY(!window->close());
        QCOMPARE(no.text, "Are you sure you want to exit?");
        QCOMPARE(no.captions, (QStringList{"NO", "YES"}));
    }
    QVERIFY(window->isVisible());
    QCOMPARE(Label("lblSelezionati"), "1");

    ModalAnswerer yes(2);
    QVERIFY(window->close());
    QCOMPARE(yes.seen, 1);
    QVERIFY(!window->isVisible());
}

void tst_frmAccess::linkOpensTheHomepage() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QLabel* link = window->findChild<QLabel*>("lblSito");
    QTest::mouseClick(link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened[0].toString(), link->text() + "/");
    QCOMPARE(Label("lblStatus"), "NO WHEEL IN MEMORY..!");
}

void tst_frmAccess::keyboardAloneDevelopsTheWorkedExample() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), Key(1));
    QCOMPARE(Tab(48), "cmdNumero49"); // the keys in number order, then the commands
    QCOMPARE(Tab(1), "cmdSviluppa");
    QCOMPARE(Tab(1), "cmdReset");
    QCOMPARE(Tab(1), "txtLista");
    for (const char* line : {"1 2 3", "1 2 4", "1 3 4", "2 3 4"}) {
        QTest::keyClicks(Box(), line);
        QTest::keyClick(Box(), Qt::Key_Return);
    }
    QCOMPARE(Tab(1), "cmdAcquire");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Label("lblStatus"), "IN MEMORY: 4 NUMBERS - IN 4 LINES");

    QCOMPARE(Tab(1), "cmdClear");
    QCOMPARE(Tab(1), "cmdVisualizza");
    QCOMPARE(Tab(1), "cmdNumero1");
    QCOMPARE(Tab(4), "cmdNumero5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Tab(5), "cmdNumero10");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(Tab(10), "cmdNumero20");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Tab(13), "cmdNumero33");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Label("lblSelezionati"), "4");
    QCOMPARE(Label("lblBase"), "1");

    QCOMPARE(Tab(17), "cmdSviluppa");
    ModalAnswerer answer(ModalAnswerer::kEnter);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(answer.text, "Well Done ..!");
    QCOMPARE(Tab(5), "cmdVisualizza");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    const QString listing = "05 10 20\n05 10 33\n05 20 33\n10 20 33\n";
    QCOMPARE(Box()->toPlainText(), listing);
    QCOMPARE(Box()->textCursor().position(), listing.size()); // the caret at the very end
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Box()->toPlainText(), listing);
}

void tst_frmAccess::accessibleTextsFollowTheState() {
    QCOMPARE(Accessible(Key(5), QAccessible::Name), "5");
    const QStringList cycle{"selected", "base", "free"};
    for (const QString& state : cycle) {
        Key(5)->click();
        QCOMPARE(Accessible(Key(5), QAccessible::Description), state);
    }
    Key(5)->click();
    Key(6)->click();
    Key(6)->click();
    auto* selected = window->findChild<QLabel*>("lblSelezionati");
    auto* base = window->findChild<QLabel*>("lblBase");
    QCOMPARE(Accessible(selected, QAccessible::Name), "Selected numbers: 2");
    QCOMPARE(Accessible(base, QAccessible::Name), "Base numbers: 1");
    Button("cmdReset")->click();
    QCOMPARE(Accessible(Key(6), QAccessible::Description), "free");
    QCOMPARE(Accessible(base, QAccessible::Name), "Base numbers: 0");

    auto* status = window->findChild<QLabel*>("lblStatus");
    QCOMPARE(Accessible(status, QAccessible::Name), "Status: NO WHEEL IN MEMORY..!");
    Box()->setPlainText("1 2\n4");
    QString description, buttonName;
    ModalAnswerer answer(1, [&](QDialog* dialog) {
        description = Accessible(dialog, QAccessible::Description);
        buttonName = Accessible(dialog->findChild<QPushButton*>("cmdPulsante1"), QAccessible::Name);
    });
    Button("cmdAcquire")->click();
    QCOMPARE(description, "Invalid Matrix ..! number 3 is missing");
    QCOMPARE(buttonName, "OK");
    QCOMPARE(Accessible(status, QAccessible::Name), "Status: NO WHEEL IN MEMORY..!");
    QCOMPARE(Accessible(Button("cmdClear"), QAccessible::Name), "Clear the text");
}

void tst_frmAccess::captionsFitTheirControls() {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const int margins =
            2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + margins <=
                     button->width(),
                 qPrintable(button->objectName()));
        QVERIFY2(button->fontMetrics().height() <= button->height(),
                 qPrintable(button->objectName()));
    }
    Box()->setPlainText(
        "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30");
    Button("cmdAcquire")->click(); // the widest status text there is in practice
    for (QLabel* label : window->findChildren<QLabel*>()) {
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName()));
        QVERIFY2(label->fontMetrics().ascent() <= label->height(), qPrintable(label->objectName()));
    }
}

void tst_frmAccess::paintsAtTheScreensScale() {
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    QCOMPARE(window->devicePixelRatioF(), scale);
    const QSize size(519, 445 + window->menuBar()->height()); // the layout itself does not change
    QCOMPARE(window->size(), size);
    QCOMPARE(window->grab().size(), size * scale);
}

QTEST_MAIN(tst_frmAccess)
#include "tst_frmaccess.moc"
