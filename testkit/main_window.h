#pragma once
// The main window as the window tests drive it: shown, found through the
// widget tree, clicked as a user would. Every test starts from the state the
// program starts with.

#include "frmAccess.h"
#include "gameSettings.h"
#include "mDichiarazioni.h"
#include "modalAnswerer.h"
#include "operations.h"
#include "test_run.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using quorvex::ui::ModalAnswerer;

struct MainWindow {
    quorvex::ui::frmAccess* window = nullptr;
    quorvex::ui::DialogWatchdog watchdog;

    void Open() {
        quorvex::ResetState();
        SetUpTestRun();              // the player's own settings stay untouched
        QSettings().remove("games"); // and every session plays 6 of 49
        watchdog.closed = 0;
        window = new quorvex::ui::frmAccess;
        window->show();
        window->activateWindow(); // shortcuts and focus go to the active window
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void Close() {
        window->hide(); // hiding asks no question
        delete window;
        QCOMPARE(watchdog.closed, 0); // a notice appeared that the test did not expect
    }

    QPushButton* Key(int n) const {
        return window->findChild<QPushButton*>(QString("cmdNumero%1").arg(n));
    }
    QPushButton* Button(const char* name) const { return window->findChild<QPushButton*>(name); }
    QString Label(const char* name) const { return window->findChild<QLabel*>(name)->text(); }
    QPlainTextEdit* Box() const { return window->findChild<QPlainTextEdit*>("txtLista"); }
    QAction* Action(const char* name) const { return window->findChild<QAction*>(name); }

    // Clicks a button that opens a notice; returns the notice's text.
    QString ClickForNotice(const char* name) const {
        ModalAnswerer answer(1);
        Button(name)->click();
        return answer.seen == 1 ? answer.text : QString("<no notice>");
    }
    // Triggers a menu item and finds the window it opens (none if it is not shown).
    QWidget* Opened(const char* action, const char* name) {
        Action(action)->trigger();
        QWidget* opened = window->findChild<QWidget*>(name);
        return opened && opened->isVisible() ? opened : nullptr;
    }
    template <class T> static T* In(QWidget* window, const char* name) {
        return window->findChild<T*>(name);
    }
    // What a table shows in a cell.
    static QString Cell(QAbstractItemView* view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    }
    static QString Accessible(QObject* object, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(object)->text(text);
    }
    // What a window shows any user: every control that takes the focus has a name to be
    // read out by, and no control lies on another or beyond the window's edge.
    // However wide the window is made, its buttons and boxes keep about their own width.
    static void CheckLaidOut(QWidget* opened) {
        // Work under way rewrites what the window shows: on a slow machine it may still run.
        const auto bars = opened->findChildren<QProgressBar*>();
        QTRY_VERIFY_WITH_TIMEOUT(std::none_of(bars.begin(), bars.end(),
                                              [](QProgressBar* bar) { return bar->isVisible(); }),
                                 30000);
        // Widened for the look, then given back its size, whatever the checks find.
        struct SizeBack {
            QWidget* window;
            QSize size;
            ~SizeBack() {
                window->resize(size);
                QTest::qWait(50);
            }
        } sizeBack{opened, opened->size()};
        opened->resize(opened->width() + 300, opened->height());
        QTest::qWait(50);
        const auto isControl = [](QObject* w) {
            return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                   qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractScrollArea*>(w) ||
                   qobject_cast<QProgressBar*>(w);
        };
        QList<QRect> placed;
        const auto labels = opened->findChildren<QLabel*>();
        for (QWidget* child : opened->findChildren<QWidget*>()) {
            QWidget* above = child->parentWidget(); // the parts of a control are its own business
            while (above != opened && !isControl(above)) {
                above = above->parentWidget();
            }
            if (above != opened || !child->isVisibleTo(opened)) {
                continue;
            }
            QVERIFY2(!(child->focusPolicy() & Qt::TabFocus) || !Accessible(child).isEmpty(),
                     qPrintable(child->objectName()));
            // What the program shows cannot be typed over; the wheel box is the place to type.
            auto* view = qobject_cast<QAbstractItemView*>(child);
            auto* edit = qobject_cast<QPlainTextEdit*>(child);
            QVERIFY2((!view || view->editTriggers() == QAbstractItemView::NoEditTriggers) &&
                         (!edit || edit->isReadOnly() || edit->objectName() == "txtLista"),
                     qPrintable(child->objectName()));
            // Every box to fill in has a caption, which Alt and its underlined letter reach.
            QVERIFY2(!(qobject_cast<QAbstractSpinBox*>(child) || qobject_cast<QLineEdit*>(child)) ||
                         std::any_of(labels.begin(), labels.end(),
                                     [child](QLabel* label) { return label->buddy() == child; }),
                     qPrintable(child->objectName()));
            // A table's columns share its whole width, with no blank band beside them
            // (or, too many to share it, scroll).
            auto* table = qobject_cast<QTableView*>(child);
            QVERIFY2(!table || table->horizontalHeader()->length() == table->viewport()->width() ||
                         (table->horizontalHeader()->length() > table->viewport()->width() &&
                          table->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff),
                     qPrintable(child->objectName()));
            // Every heading readable in full.
            for (int column = 0; table && column < table->model()->columnCount(); ++column) {
                const QString heading =
                    table->model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(
                    table->isColumnHidden(column) ||
                        table->horizontalHeader()->sectionSize(column) >=
                            table->horizontalHeader()->fontMetrics().horizontalAdvance(heading),
                    qPrintable(child->objectName() + ": " + heading));
            }
            const QRect place(child->mapTo(opened, QPoint()), child->size());
            for (const QRect& other : placed) {
                QVERIFY2(!isControl(child) || !place.intersects(other),
                         qPrintable(child->objectName()));
            }
            const bool stretchable =
                !qobject_cast<QPushButton*>(child) && !qobject_cast<QAbstractSpinBox*>(child);
            QVERIFY2(!isControl(child) ||
                         (opened->rect().contains(place) &&
                          (stretchable || child->width() < child->sizeHint().width() * 3 / 2)),
                     qPrintable(child->objectName()));
            placed << (isControl(child) ? place : QRect());
        }
    }
    // A table as tall as its rows: no empty band under them, no row cut.
    static void CheckFitsRows(QTableWidget* table) {
        int rows = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            rows += table->rowHeight(row);
        }
        const int shown = table->viewport()->height();
        QVERIFY2(shown >= rows && shown <= rows + 2,
                 qPrintable(QString("%1: %2 pixels for rows of %3")
                                .arg(table->objectName())
                                .arg(shown)
                                .arg(rows)));
    }
    // A label's text fits it: a line no wider than the label, a wrapped text no
    // taller, unless a scroll area holds it.
    static void CheckLabelsFit(QWidget* opened) {
        for (QLabel* label : opened->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(opened) || label->text().isEmpty() ||
                Qt::mightBeRichText(label->text())) {
                continue;
            }
            bool scrolls = false;
            for (QWidget* above = label->parentWidget(); above; above = above->parentWidget()) {
                scrolls = scrolls || qobject_cast<QAbstractScrollArea*>(above) != nullptr;
            }
            const QString name =
                opened->objectName() + "/" + label->objectName() + ": " + label->text().left(60);
            if (label->wordWrap()) {
                QVERIFY2(scrolls || label->heightForWidth(label->width()) <= label->height() + 1,
                         qPrintable(name));
                continue;
            }
            QString shown = label->text(); // less the mnemonics' marks, which are not drawn
            if (label->buddy()) {
                shown.replace("&&", "\x01").remove('&').replace('\x01', '&');
            }
            for (const QString& line : shown.split('\n')) {
                QVERIFY2(label->fontMetrics().horizontalAdvance(line) <=
                             label->contentsRect().width() + 1,
                         qPrintable(name + " (" + line + ")"));
            }
        }
    }
    // Fits a 1366 x 768 screen with a title bar and the desktop's panel. Where the
    // platform draws the frame (Windows) its title bar is measured; elsewhere one is allowed for.
    static void CheckFitsSmallScreen(QWidget* opened) {
        const QSize size = opened->frameGeometry().size();
        const int titleBar = size.height() > opened->height() ? 0 : 32;
        QVERIFY2(size.width() <= 1366 && size.height() + titleBar + 40 <= 768,
                 qPrintable(opened->objectName() +
                            QString(" is %1 x %2").arg(size.width()).arg(size.height())));
    }
    // Answers a file dialog as a user would: picks the file and accepts.
    static void PickFile(QDialog* dialog, const QString& path) {
        qobject_cast<QFileDialog*>(dialog)->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    }
    // Plays another game from now on, as Wheel > Game... would choose it.
    void PlayGame(int balls, int drawn, quorvex::Money price = 100,
                  std::vector<quorvex::Money> prizes = {}) const {
        quorvex::ui::SetCurrentGame({std::to_string(drawn) + " of " + std::to_string(balls), balls,
                                     drawn, price, std::move(prizes)});
        window->FollowGame();
        emit window->gameChanged();
    }
    // Pastes a wheel and presses ACQUIRE.
    void Acquire(const QString& wheel) const {
        Box()->setPlainText(wheel);
        Button("cmdAcquire")->click();
    }
    // A wheel on 1..n, lines of three numbers: n, n + 1 and n + 6, round the ring.
    static QString RingWheel(int n) {
        QString wheel;
        for (int k = 1; k <= n; ++k) {
            wheel += QString("%1 %2 %3\n").arg(k).arg(k % n + 1).arg((k + 5) % n + 1);
        }
        return wheel;
    }
    // The group boxes' places, once the layout has settled.
    static QList<QRect> Boxes(QWidget* window) {
        QTest::qWait(100);
        QList<QRect> boxes;
        for (auto* box : window->findChildren<QGroupBox*>()) {
            boxes << box->geometry();
        }
        return boxes;
    }
    // Writes a file in `folder`; returns its path.
    static QString WriteIn(const QTemporaryDir& folder, const QString& name,
                           const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    // Pastes and acquires a wheel, picks keys (base ones twice) and generates.
    void Develop(const QString& wheel, std::initializer_list<int> selected,
                 std::initializer_list<int> base = {}) const {
        Acquire(wheel);
        for (int n : selected) {
            Key(n)->click();
        }
        for (int n : base) {
            Key(n)->click();
            Key(n)->click();
        }
        QCOMPARE(ClickForNotice("cmdSviluppa"), QString("Well Done ..!"));
    }
};
