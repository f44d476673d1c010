// Check a draw as a player uses it: the draw of the game typed and checked
// against the developed tickets, entries refused by name, the check
// following GENERATE, and the tickets window marking the last draw.

#include "frmTickets.h"
#include "main_window.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTextBrowser>

using namespace quorvex;

class tst_Draw : public QObject, private MainWindow {
    Q_OBJECT
private slots:
    void init() { Open(); }
    void cleanup() { Close(); }
    void drawCheckRefusesBadEntries() {
        Acquire("1 2 3\n2 3 4\n");
        QWidget* draw = Opened("mnuDraw", "frmDraw");
        QVERIFY(In<QLabel>(draw, "lblResult")->text().startsWith("Nothing is developed yet"));

        Develop("1 2 3\n2 3 4\n", {5, 6, 7, 8}); // 05 06 07, 06 07 08
        auto* entry = In<QLineEdit>(draw, "txtDrawn");
        QCOMPARE(entry->placeholderText(), "the 6 numbers drawn, 1-49"); // says what it takes
        QCOMPARE(In<QLabel>(draw, "lblGame")->text(), "Game: 6 of 49, 1.00 a ticket.");
        QVERIFY(QFontInfo(In<QTextBrowser>(draw, "txtBest")->font()).fixedPitch());
        auto* hits = In<QTableWidget>(draw, "tblHits");
        entry->setText("6, 7 33");
        QTest::keyClick(entry, Qt::Key_Enter); // Enter, on the keypad too, checks the draw
        QCOMPARE(hits->rowCount(), 3);         // 2, 1 and 0 hits
        for (int row : {0, 1, 2}) {            // both tickets hold 2
            QCOMPARE(hits->item(row, 1)->text(), row == 0 ? "2" : "0");
        }
        const QStringList best = In<QTextBrowser>(draw, "txtBest")->toPlainText().split('\n');
        QCOMPARE(best.filter(QRegularExpression("^ +(1: 05 06 07|2: 06 07 08)$")).size(), 2);
        QCOMPARE(best.first(), "Tickets with 2 hits:"); // all of them, not "the first"
        QCOMPARE(In<QTextBrowser>(draw, "txtBest")->toHtml().count("font-weight:700"), 4); // 06 07

        // A refused entry takes the last result away and is selected for mending.
        const QString bad[][3] = {{"8 x7", "\"x7\" is not a number 1-49", "x7"},
                                  {"8 5 08", "8 appears twice", "08"}};
        for (const auto& [text, problem, selected] : bad) {
            entry->setText("6 7");
            In<QPushButton>(draw, "cmdCheck")->click();
            QCOMPARE(hits->rowCount(), 3);
            ModalAnswerer answer(1);
            entry->setText(text);
            In<QPushButton>(draw, "cmdCheck")->click();
            QCOMPARE(answer.text, "Not a draw ..!\n" + problem);
            QCOMPARE(hits->rowCount(), 0);
            QVERIFY(In<QTextBrowser>(draw, "txtBest")->toPlainText().isEmpty());
            QCOMPARE(entry->selectedText(), selected);
        }
        // The last entry was refused: the tickets window marks no draw.
        QVERIFY(Opened("mnuTickets", "frmTickets")
                    ->findChild<ui::TicketsModel*>()
                    ->DrawnNumbers()
                    .empty());
        entry->setText("6 7 44"); // a ball of the game, on no ticket here
        In<QPushButton>(draw, "cmdCheck")->click();
        QCOMPARE(hits->item(0, 0)->text(), "2"); // 2 hits at most,
        QCOMPARE(hits->item(0, 1)->text(), "2"); // on both tickets
        Key(8)->click(); // 08 Base: 05 06 08 and 05 06 07, and the check follows GENERATE
        QCOMPARE(ClickForNotice("cmdSviluppa"), QString("Well Done ..!"));
        QCOMPARE(hits->item(0, 0)->text(), "2");
        QCOMPARE(hits->item(0, 1)->text(), "1");
    }
};

QTEST_MAIN(tst_Draw)
#include "tst_frmDraw.moc"
