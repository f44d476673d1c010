// The tickets window: every ticket on one row, numbered, in a fixed-width
// font; it follows GENERATE from the top, says the cost a draw, and marks the
// numbers of the last draw checked, whenever it is opened.

#include "frmTickets.h"
#include "main_window.h"

#include <QLineEdit>
#include <QListView>

using namespace quorvex;

class tst_Tickets : public QObject, private MainWindow {
    Q_OBJECT
private slots:
    void init() { Open(); }
    void cleanup() { Close(); }
    void ticketsWindowListsEveryTicketOnOneRow() {
        QString wheel; // thirteen numbers a ticket wrap in the text box, never here
        for (int line = 0; line < 30; ++line) {
            for (int n = 1; n <= 13; ++n) {
                wheel += QString::number((n + line) % 13 + 1) + (n < 13 ? " " : "\n");
            }
        }
        Develop(wheel, {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39});
        QWidget* tickets = Opened("mnuTickets", "frmTickets");
        auto* list = tickets->findChild<QListView*>("lstTickets");
        QCOMPARE(list->model()->rowCount(), 30);
        QCOMPARE(list->model()->index(0, 0).data().toString(),
                 " 1: 03 06 09 12 15 18 21 24 27 30 33 36 39");
        QCOMPARE(list->currentIndex().row(), 0);
        QVERIFY(!list->model()->index(0, 0).data(Qt::ToolTipRole).isValid());
        QVERIFY(!list->wordWrap() && QFontInfo(list->font()).fixedPitch());
        QVERIFY(list->viewport()->height() >= 20 * list->sizeHintForRow(0)); // a screenful

        // It follows GENERATE from the top, and marks the last draw checked.
        list->setCurrentIndex(list->model()->index(9, 0));
        Key(39)->click(); // base
        Key(39)->click(); // free
        Key(40)->click();
        QCOMPARE(ClickForNotice("cmdSviluppa"), QString("Well Done ..!"));
        QCOMPARE(list->model()->index(0, 0).data().toString(),
                 " 1: 03 06 09 12 15 18 21 24 27 30 33 36 40");
        QCOMPARE(list->currentIndex().row(), 0);
        PlayGame(90, 6, 250); // 6 of 90, 2.50 a ticket
        Action("mnuDraw")->trigger();
        QWidget* draw = window->findChild<QWidget*>("frmDraw");
        draw->findChild<QLineEdit*>("txtDrawn")->setText("3 40 90");
        draw->findChild<QPushButton*>("cmdCheck")->click();
        QCOMPARE(tickets->findChild<QLabel*>("lblSummary")->text(),
                 "30 tickets \u00D7 2.50 = 75.00 a draw of 6 of 90. The numbers drawn (03 40 90) "
                 "are marked.");
        const QImage rows = list->viewport()->grab().toImage(); // drawn numbers on a highlight
        for (int row = 0; row < 4; ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            const int y = list->visualRect(index).top() + 2;
            int marks = 0;
            for (int x = 1; x < rows.width(); ++x) {
                marks += rows.pixelColor(x, y) == QColor(0xff, 0xe0, 0x66) &&
                         rows.pixelColor(x - 1, y) != QColor(0xff, 0xe0, 0x66);
            }
            QCOMPARE(marks, index.data().toString().count(QRegularExpression(" (03|40)\\b")));
        }
        tickets->close(); // opened again, it still marks that draw
        QTRY_VERIFY(!window->findChild<QWidget*>("frmTickets"));
        tickets = Opened("mnuTickets", "frmTickets");
        QCOMPARE(tickets->findChild<ui::TicketsModel*>()->DrawnNumbers(),
                 (std::vector<int>{3, 40, 90}));
    }
};

QTEST_MAIN(tst_Tickets)
#include "tst_frmTickets.moc"
