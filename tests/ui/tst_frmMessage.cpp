#include "frmMessage.h"
#include "mDichiarazioni.h"
#include "modalAnswerer.h"

#include <QWindow>
#include <QtTest>

using quorvex::gMessageResult;
using quorvex::ui::ModalAnswerer;
using quorvex::ui::ShowMessage;

class tst_frmMessage : public QObject {
    Q_OBJECT
private slots:
    // Sizes in pixels: the design's twips over 15, rounded. The client height is
    // the outer height less 445 twips of title and borders.
    void layoutFollowsTheBodyAndCaptions() {
        const struct {
            const char* body;
            const char* buttons;
            int clientHeight, labelHeight, buttonTop;
            QList<int> buttonLefts;
            QStringList captions;
        } layouts[] = {
            {"Are you sure you want to exit?", "NO,YES", 152, 18, 112, {67, 164}, {"NO", "YES"}},
            {"Invalid Matrix ..!|line 12: \"7a\" is no number", "OK", 170, 37, 130, {113}, {"OK"}},
            {"a|b|c", "OK", 189, 55, 148, {113}, {"OK"}},
            {"", "OK", 134, 0, 93, {113}, {"OK"}},
            {"x", "A,B,C", 152, 18, 112, {12, 110, 208}, {"A", "B", "C"}},
            {"x", "A,B,C,D", 152, 18, 112, {14}, {""}}, // more than three: the design's lone button
            {"x", "", 152, 18, 112, {14}, {""}},
            {"x", "A, B", 152, 18, 112, {67, 164}, {"A", " B"}}, // blanks kept
        };
        for (const auto& [body, buttons, clientHeight, labelHeight, buttonTop, buttonLefts,
                          captions] : layouts) {
            QList<int> lefts, tops;
            QSize client;
            QRect label;
            int widestLine = 0;
            ModalAnswerer answer(1, [&](QDialog* dialog) {
                client = dialog->size();
                auto* message = dialog->findChild<QLabel*>("lblMessage");
                label = message->geometry();
                for (const QString& line : message->text().split('\n')) {
                    widestLine =
                        std::max(widestLine, message->fontMetrics().horizontalAdvance(line));
                }
                for (auto* b : dialog->findChildren<QPushButton*>()) {
                    if (b->isVisible()) {
                        lefts << b->x();
                        tops << b->y();
                    }
                }
                auto* first = dialog->findChild<QPushButton*>("cmdPulsante1");
                QCOMPARE(dialog->focusWidget(), first);
                QVERIFY(!(first->text() + first->accessibleName()).isEmpty()); // a name to read
                QVERIFY(!dialog->windowIcon().isNull() &&
                        dialog->windowTitle().contains("Quorvex"));
                QCOMPARE(dialog->findChild<QLabel*>("Image")->geometry(), QRect(72, 14, 190, 36));
            });
            QCOMPARE(ShowMessage(nullptr, body, buttons), 1);
            QCOMPARE(answer.seen, 1);
            QCOMPARE(client, QSize(321, clientHeight));
            QCOMPARE(label.height(), labelHeight);
            QVERIFY2(widestLine <= label.width(), "a line of the message is cut off");
            QCOMPARE(answer.text, QString(body).replace('|', '\n'));
            std::sort(lefts.begin(), lefts.end());
            QCOMPARE(lefts, buttonLefts);
            QCOMPARE(tops, QList<int>(lefts.size(), buttonTop));
            QCOMPARE(answer.captions, captions);
        }
    }

    // Each button returns its number, and each message starts again from the
    // design: three buttons, then one, leave no dialog behind.
    void messagesInARow() {
        for (int i = 0; i < 6; ++i) {
            const int button = i % 2 ? 1 : i / 2 + 1;
            ModalAnswerer answer(button);
            QCOMPARE(ShowMessage(nullptr, "Pick", i % 2 ? "OK" : "A,B,C"), button);
            QCOMPARE(gMessageResult, button);
            QCOMPARE(answer.captions.join(','), i % 2 ? "OK" : "A,B,C");
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY(!qobject_cast<quorvex::ui::frmMessage*>(window));
        }
    }

    void closingFromTheFrameIsRefused() {
        int resultWhileOpen = -1;
        bool stillOpen = false;
        ModalAnswerer answer(2, [&](QDialog* dialog) {
            dialog->windowHandle()->close(); // what the close box and Alt+F4 do
            dialog->close();
            QTest::keyClick(dialog, Qt::Key_Escape);
            stillOpen = dialog->isVisible();
            resultWhileOpen = gMessageResult;
        });
        QCOMPARE(ShowMessage(nullptr, "Are you sure you want to exit?", "NO,YES"), 2);
        QVERIFY(stillOpen);
        QCOMPARE(resultWhileOpen, 0);
    }
};

QTEST_MAIN(tst_frmMessage)
#include "tst_frmMessage.moc"
