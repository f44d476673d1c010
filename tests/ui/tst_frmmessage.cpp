#include "frmMessage.h"
#include "mDichiarazioni.h"
#include "modal_answerer.h"

#include <QWindow>
#include <QtTest>

using quorvex::gMessageResult;
using quorvex::ui::ShowMessage;

class tst_frmMessage : public QObject {
    Q_OBJECT
private slots:
    void layoutFollowsTheBodyAndCaptions_data();
    void layoutFollowsTheBodyAndCaptions();
    void eachButtonReturnsItsNumber();
    void closingFromTheFrameIsRefused();
    void aSecondMessageStartsFromTheDesign();
    void aThousandMessagesInARow();
};

// Sizes in pixels: the design's twips over 15, rounded.
void tst_frmMessage::layoutFollowsTheBodyAndCaptions_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<int>("clientHeight"); // outer height less 445 twips of title and borders
    QTest::addColumn<int>("labelHeight");
    QTest::addColumn<int>("buttonTop");
    QTest::addColumn<QList<int>>("buttonLefts");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("exit question")
        << "Are you sure you want to exit?"
        << "NO,YES" << 152 << 18 << 112 << QList<int>{67, 164} << QStringList{"NO", "YES"};
    QTest::newRow("notice") << "Invalid Matrix ..!"
                            << "OK" << 152 << 18 << 112 << QList<int>{113} << QStringList{"OK"};
    QTest::newRow("notice with a reason")
        << "Invalid Matrix ..!|line 12: \"7a\" is not a number 1-49"
        << "OK" << 170 << 37 << 130 << QList<int>{113} << QStringList{"OK"};
    QTest::newRow("three lines") << "a|b|c"
                                 << "OK" << 189 << 55 << 148 << QList<int>{113}
                                 << QStringList{"OK"};
    QTest::newRow("empty body") << ""
                                << "OK" << 134 << 0 << 93 << QList<int>{113} << QStringList{"OK"};
    QTest::newRow("three captions")
        << "x"
        << "A,B,C" << 152 << 18 << 112 << QList<int>{12, 110, 208} << QStringList{"A", "B", "C"};
    QTest::newRow("four captions")
        << "x"
        << "A,B,C,D" << 152 << 18 << 112 << QList<int>{14} << QStringList{""};
    QTest::newRow("no captions") << "x"
                                 << "" << 152 << 18 << 112 << QList<int>{14} << QStringList{""};
    QTest::newRow("blanks kept") << "x"
                                 << "A, B" << 152 << 18 << 112 << QList<int>{67, 164}
                                 << QStringList{"A", " B"};
}

void tst_frmMessage::layoutFollowsTheBodyAndCaptions() {
    QFETCH(QString, body);
    QFETCH(QString, buttons);
    QFETCH(int, clientHeight);
    QFETCH(int, labelHeight);
    QFETCH(int, buttonTop);
    QFETCH(QList<int>, buttonLefts);
    QFETCH(QStringList, captions);

    QList<int> lefts;
    QList<int> tops;
    QSize client;
    QRect label;
    int widestLine = 0;
    QWidget* focused = nullptr;
    QWidget* firstButton = nullptr;
    ModalAnswerer answer(1, [&](QDialog* dialog) {
        client = dialog->size();
        auto* message = dialog->findChild<QLabel*>("lblMessage");
        label = message->geometry();
        for (const QString& line : message->text().split('\n')) {
            widestLine = std::max(widestLine, message->fontMetrics().horizontalAdvance(line));
        }
        for (auto* b : dialog->findChildren<QPushButton*>()) {
            if (b->isVisible()) {
                lefts << b->x();
                tops << b->y();
            }
        }
        focused = dialog->focusWidget();
        firstButton = dialog->findChild<QPushButton*>("cmdPulsante1");
    });
    QCOMPARE(ShowMessage(nullptr, body.toStdString(), buttons.toStdString()), 1);
    QCOMPARE(answer.seen, 1);
    QCOMPARE(client, QSize(321, clientHeight));
    QCOMPARE(label.height(), labelHeight);
    QVERIFY2(widestLine <= label.width(), "a line of the message is cut off");
    QCOMPARE(answer.text, QString(body).replace('|', '\n'));
    std::sort(lefts.begin(), lefts.end());
    QCOMPARE(lefts, buttonLefts);
    for (int top : tops) {
        QCOMPARE(top, buttonTop);
    }
    QCOMPARE(answer.captions, captions);
    QCOMPARE(focused, firstButton);
}

void tst_frmMessage::eachButtonReturnsItsNumber() {
    for (int button = 1; button <= 3; ++button) {
        ModalAnswerer answer(button);
        QCOMPARE(ShowMessage(nullptr, "Pick", "A,B,C"), button);
        QCOMPARE(gMessageResult, button);
    }
}

void tst_frmMessage::closingFromTheFrameIsRefused() {
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

void tst_frmMessage::aSecondMessageStartsFromTheDesign() {
    {
        ModalAnswerer answer(3);
        ShowMessage(nullptr, "first", "A,B,C");
    }
    ModalAnswerer answer(1);
    ShowMessage(nullptr, "second", "OK");
    QCOMPARE(answer.captions, QStringList{"OK"});
}

void tst_frmMessage::aThousandMessagesInARow() {
    for (int i = 0; i < 1000; ++i) {
        // Odd ones have three buttons, even ones four captions and so one bare button.
        const int button = i % 2 ? i % 3 + 1 : 1;
        ModalAnswerer answer(button);
        const std::string body = "Message " + std::to_string(i) + "|" + std::string(i % 7, '|');
        QCOMPARE(ShowMessage(nullptr, body, i % 2 ? "A,B,C" : "A,B,C,D"), button);
    }
    int dialogsLeft = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        dialogsLeft += qobject_cast<quorvex::ui::frmMessage*>(window) != nullptr;
    }
    QCOMPARE(dialogsLeft, 0);
}

QTEST_MAIN(tst_frmMessage)
#include "tst_frmmessage.moc"
