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
    void init() { Open(); }
    void cleanup() { Close(); }
    // Every control of the design, once: where it stands in the designed area
    // (its containers' offsets added up), its size, its font, in twips and points,
    // and its tooltip (each button's own).
    void startsLaidOutAsDesignedAtAnyScale() {
        struct Control {
            const char* name;
            int left, top, width, height;
            double points;
            bool bold;
            const char* tip = "";
        };
        const Control design[] = {
            {"lblSito", 4260, 60, 3315, 225, 9, true},
            {"Frame2", 180, 300, 3975, 4455, 8.25, false},
            {"Frame8", 360, 4050, 2115, 555, 8.25, false},
            {"Label1", 480, 4290, 1095, 255, 8.25, true},
            {"lblSelezionati", 1890, 4230, 375, 345, 11.25, true},
            {"Frame13", 2580, 4050, 1395, 555, 8.25, false},
            {"Label2", 2700, 4290, 465, 255, 8.25, true},
            {"lblBase", 3390, 4230, 375, 345, 11.25, true},
            {"Frame5", 180, 4770, 3975, 1095, 8.25, false},
            {"Frame11", 390, 4920, 1545, 795, 8.25, false},
            {"cmdReset", 510, 5100, 1305, 495, 9, false, "Cancella Numeri Tastiera"},
            {"Frame9", 2100, 4920, 1875, 795, 8.25, false},
            {"cmdSviluppa", 2190, 5100, 1635, 495, 9.75, true, "Sviluppa e riadatta Sistema"},
            {"Frame6", 4260, 300, 3315, 5565, 8.25, false},
            {"txtLista", 4470, 600, 2895, 4605, 12, false},
            {"Frame7", 4500, 5220, 495, 555, 8.25, false},
            {"cmdClear", 4560, 5370, 345, 315, 9.75, false, "Cancella il testo"},
            {"Frame0", 5070, 5220, 915, 555, 8.25, false},
            {"cmdVisualizza", 5130, 5370, 765, 315, 9.75, false, "Visualizza Sviluppo"},
            {"Frame12", 6240, 5220, 1125, 555, 8.25, false},
            {"cmdAcquire", 6300, 5370, 975, 315, 8.25, false, "Acquisisci la Matrice"},
            {"Frame1", 180, 5880, 7395, 675, 8.25, false},
            {"lblStatus", 360, 6120, 7035, 315, 9.75, false},
        };
        QWidget* area = window->findChild<QWidget*>("designArea");
        auto check = [area](const Control& c) {
            auto* widget = area->findChild<QWidget*>(c.name);
            QVERIFY2(widget, c.name);
            const QRect got(widget->mapTo(area, QPoint(0, 0)), widget->size());
            const QRect want((c.left + 7) / 15, (c.top + 7) / 15, (c.width + 7) / 15,
                             (c.height + 7) / 15);
            // Each container rounds its own offset to pixels: a pixel either way is the design.
            QVERIFY2((got.topLeft() - want.topLeft()).manhattanLength() <= 2, c.name);
            QCOMPARE(got.size(), want.size());
            QCOMPARE(widget->font().pointSizeF(), c.points);
            QCOMPARE(widget->font().bold(), c.bold);
            QCOMPARE(widget->toolTip(), c.tip);
            // Its caption fits, in whatever font stands in for the design's.
            auto* button = qobject_cast<QPushButton*>(widget);
            auto* label = qobject_cast<QLabel*>(widget);
            const QString text = button ? button->text() : label ? label->text() : QString();
            const int margins =
                button ? 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                       : 0;
            QVERIFY2(widget->fontMetrics().horizontalAdvance(text) + margins <= widget->width() &&
                         widget->fontMetrics().ascent() <= widget->height(),
                     c.name);
        };
        for (const Control& control : design) {
            check(control);
        }
        // The keys: columns from 150, rows from 240 twips inside the keypad frame, 30 apart.
        const int lefts[] = {150, 675, 1200, 1725, 2250, 2775, 3300};
        const int tops[] = {240, 735, 1230, 1725, 2220, 2715, 3210};
        for (int n = 1; n <= 49; ++n) {
            const QString name = QString("cmdNumero%1").arg(n);
            check({qPrintable(name), 180 + lefts[(n - 1) % 7], 300 + tops[(n - 1) / 7], 495, 465,
                   11.25, true});
            QCOMPARE(Key(n)->text(), QString::number(n));
            QCOMPARE(Key(n)->styleSheet(), QString());
            QCOMPARE(Accessible(Key(n), QAccessible::Description), "free");
        }
        QCOMPARE(window->findChild<QLabel*>("lblSito")->font().underline(), true);
        QCOMPARE(window->findChild<QLabel*>("lblSito")->cursor().shape(), Qt::PointingHandCursor);

        // The designed area keeps its size at any scale; the window grows by the menu bar above it.
        const QSize size(519, 445 + window->menuBar()->height());
        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(area->size(), QSize(519, 445));
        QCOMPARE(window->minimumSize(), window->maximumSize()); // nobody resizes the design
        QCOMPARE(window->size(), size);
        QCOMPARE(area->mapTo(window, QPoint(0, 0)), QPoint(0, window->menuBar()->height()));
        QCOMPARE(window->devicePixelRatioF(), scale);
        QCOMPARE(window->grab().size(), size * scale);
        QCOMPARE(window->windowTitle(), QString::fromUtf8(" Quorvex\u00ae - by Velmora"));
        QVERIFY(!window->windowIcon().isNull());
        const QPoint offCentre =
            window->frameGeometry().center() - window->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4, // opened in the middle of the screen
                 qPrintable(QString("the window's frame is %1, %2 off the screen's centre")
                                .arg(offCentre.x())
                                .arg(offCentre.y())));
        // The clear button is read out by what it does, not its glyph.
        QCOMPARE(Accessible(Button("cmdClear"), QAccessible::Name), "Clear the text");
        CheckLaidOut(window);
        QCOMPARE(Label("lblSelezionati"), "0");
        QCOMPARE(Label("lblBase"), "0");
        QCOMPARE(Accessible(window->findChild<QLabel*>("lblBase")), "Base numbers: 0");
        QCOMPARE(Label("lblStatus"), "NO WHEEL IN MEMORY..!");
        Acquire(RingWheel(49)); // the widest status line there is in practice fits too
        check({"lblStatus", 360, 6120, 7035, 315, 9.75, false});
    }

    // A key's colour, its description for screen readers, and both counters, click by click.
    void keysCycleAndResetFreesThem() {
        // The colour in the key's style sheet ("" for the platform's face), the state
        // read out, and the two counters.
        const std::tuple<const char*, const char*, const char*, const char*> cycle[] = {
            {"#35ae8a", "selected", "1", "0"},
            {"#e4b414", "base", "1", "1"},
            {"", "free", "0", "0"}};
        auto* base = window->findChild<QLabel*>("lblBase");
        for (const auto& [colour, state, selected, baseCount] : cycle) {
            QTest::mouseClick(Key(12), Qt::LeftButton);
            QCOMPARE(Key(12)->styleSheet().contains(colour), true);
            QCOMPARE(Key(12)->styleSheet().isEmpty(), *colour == 0);
            QCOMPARE(Accessible(Key(12), QAccessible::Description), state);
            QCOMPARE(Label("lblSelezionati"), selected);
            QCOMPARE(Label("lblBase"), baseCount);
            QCOMPARE(Accessible(base, QAccessible::Name), QString("Base numbers: ") + baseCount);
        }
        for (int n : {1, 2, 2, 49}) {
            Key(n)->click();
        }
        QCOMPARE(Accessible(window->findChild<QLabel*>("lblSelezionati")), "Selected numbers: 3");
        Button("cmdReset")->click();
        for (int n = 1; n <= 49; ++n) {
            QCOMPARE(Key(n)->styleSheet(), QString());
        }
        QCOMPARE(Accessible(Key(2), QAccessible::Description), "free");
        QCOMPARE(Label("lblSelezionati"), "0");
        QCOMPARE(Label("lblBase"), "0");
    }

    // Each button shows what its engine operation gives back, and nothing more.
    void buttonsShowTheOutcomes() {
        {
            ModalAnswerer none(1);
            Button("cmdAcquire")->click(); // an empty box: nothing at all
            QCOMPARE(none.seen, 0);
        }
        QCOMPARE(ClickForNotice("cmdVisualizza"), "Sorry! No lines reduced ..!");
        QCOMPARE(ClickForNotice("cmdSviluppa"), "Acquire the Matrix ..!");

        Acquire("1 2 3");
        QCOMPARE(Label("lblStatus"), "IN MEMORY: 3 NUMBERS - IN 1 LINES");
        Key(1)->click();
        QCOMPARE(ClickForNotice("cmdSviluppa"), "Select another 2 numbers ..!");
        Button("cmdClear")->click(); // the box empties, the wheel stays
        QCOMPARE(Box()->toPlainText(), QString());
        Key(7)->click();
        Key(8)->click();
        QCOMPARE(ClickForNotice("cmdSviluppa"), "Well Done ..!");
        Button("cmdVisualizza")->click();
        QCOMPARE(Box()->toPlainText(), "01 07 08\n");

        // An invalid wheel: the status line changes only once the notice is closed, and a
        // screen reader hears the notice whole.
        Box()->setPlainText("1 2\n4");
        QString statusWhileOpen, spoken;
        ModalAnswerer answer(1, [&](QDialog* dialog) {
            statusWhileOpen = Accessible(window->findChild<QLabel*>("lblStatus"));
            spoken = Accessible(dialog, QAccessible::Description) + " / " +
                     Accessible(dialog->findChild<QPushButton*>("cmdPulsante1"), QAccessible::Name);
        });
        Button("cmdAcquire")->click();
        QCOMPARE(answer.text, "Invalid Matrix ..!\nnumber 3 is missing");
        QCOMPARE(statusWhileOpen, "Status: IN MEMORY: 3 NUMBERS - IN 1 LINES");
        QCOMPARE(spoken, "Invalid Matrix ..! number 3 is missing / OK");
        QCOMPARE(Label("lblStatus"), "NO WHEEL IN MEMORY..!");
    }

    void exitQuestion() {
        Key(3)->click();
        {
            ModalAnswerer no(1);
            QVERIFY(!window->close());
            QCOMPARE(no.text, "Are you sure you want to exit?");
            QCOMPARE(no.captions, (QStringList{"NO", "YES"}));
        }
        QVERIFY(window->isVisible() && Label("lblSelezionati") == "1");

        // YES: the report and draw windows go with the main window.
        Acquire("1 2");
        QWidgetList others{Opened("mnuReport", "frmReport"), Opened("mnuDraw", "frmDraw")};
        ModalAnswerer yes(2);
        QVERIFY(window->close());
        QCOMPARE(yes.seen, 1);
        QVERIFY(!window->isVisible());
        for (QWidget* other : others) {
            QVERIFY(other && !other->isVisible());
        }
    }

    void linkOpensTheHomepage() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        QLabel* link = window->findChild<QLabel*>("lblSito");
        QCOMPARE(Accessible(link), "Maker's web page: " + link->text()); // not the bare address
        QTest::mousePress(link, Qt::LeftButton);
        QVERIFY2(catcher.opened.isEmpty(), "opened before the button is released");
        QTest::mouseRelease(link, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(link->text() + "/")});
    }

    void keyboardAloneDevelopsTheWorkedExample() {
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
};

QTEST_MAIN(tst_frmAccess)
#include "tst_frmAccess.moc"
