// The keypad follows the game: the designed 7 x 7 for 49 balls or fewer (the
// keys it does not draw disabled), ten keys a row beyond 49, a game change that
// asks before it frees keys; and a play kept in a file and opened again.

#include "frmGame.h"
#include "main_window.h"
#include "play_file.h"
#include "textFile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPainter>

#include <map>
#include <optional>

using namespace quorvex;

class tst_Keypad : public QObject, private MainWindow {
    Q_OBJECT

    // Every widget of the designed area where the window shows it.
    std::map<QString, QRect> Places() const {
        std::map<QString, QRect> places;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (!child->objectName().isEmpty() && child->isVisibleTo(window)) {
                places[child->objectName()] = QRect(child->mapTo(window, QPoint()), child->size());
            }
        }
        return places;
    }
    QImage Picture() const {
        if (QWidget* focused = QApplication::focusWidget()) {
            focused->clearFocus(); // the focus frame is drawn where focus happens to be
        }
        QTest::qWait(20);
        return window->grab().toImage();
    }
    int VisibleKeys() const {
        int shown = 0;
        for (int n = 1; n <= kHighestKey; ++n) {
            shown += Key(n)->isVisibleTo(window);
        }
        return shown;
    }
    // Chooses a common game in Wheel > Game... and answers the question about keys it
    // does not draw, if one comes; returns the question.
    QString ChooseGame(const QString& shown, int answer) {
        std::optional<ui::ModalAnswerer> question;
        ui::ModalAnswerer choose(1, [&](QDialog* dialog) {
            auto* games = dialog->findChild<QComboBox*>("cboGame");
            games->setCurrentIndex(games->findText(shown));
            emit games->activated(games->currentIndex());
            question.emplace(answer); // answers the question the OK below may ask
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        Action("mnuGame")->trigger();
        return question && question->seen == 1 ? question->notice : QString();
    }

private slots:
    void init() { Open(); }
    void cleanup() { Close(); }

    // Up to 49 balls, every part of the window stays where it was designed and looks
    // the same, but for the keys the game does not draw, which say why they are off.
    void theDesignedKeypadStaysForEveryGameUpTo49() {
        const auto designed = Places();
        const QImage picture = Picture();
        const bool offscreen = QGuiApplication::platformName() == "offscreen";
        QCOMPARE(VisibleKeys(), 49);
        for (const int balls : {49, 35, 48, 2}) {
            PlayGame(balls, std::min(balls, 6));
            const QString game = QString("%1 of %2").arg(std::min(balls, 6)).arg(balls);
            QVERIFY2(Places() == designed, qPrintable(game));
            QImage shown = Picture();
            QImage expected = picture;
            for (int n = 1; n <= 49; ++n) { // the keys not drawn aside, the same pixels
                const bool drawn = n <= balls;
                QCOMPARE(Key(n)->isEnabled(), drawn);
                QCOMPARE(Key(n)->toolTip(), drawn ? QString() : "not drawn in " + game);
                QCOMPARE(Accessible(Key(n), QAccessible::Description),
                         drawn ? QString("free") : "not drawn in " + game);
                if (!drawn) {
                    const QRect key = designed.at(Key(n)->objectName()).adjusted(0, 0, 1, 1);
                    for (QImage* image : {&shown, &expected}) {
                        QPainter(image).fillRect(key, Qt::magenta);
                    }
                }
            }
            // Where a real pointer rests (Windows), the key under it is lit: pixels offscreen only.
            QVERIFY2(shown == expected || !offscreen,
                     qPrintable(game + ": the window's look changed"));
        }
        PlayGame(90, 6); // to the slip and back
        PlayGame(49, 6);
        QVERIFY(Places() == designed);
        QVERIFY2(Picture() == picture || !offscreen, "back from 90 balls, it looks as it did");
    }

    // Beyond 49 balls: as many keys as balls, ten a row, nothing on anything else,
    // the rest of the form where it stood against the keypad, all on a small screen.
    void aSlipOfTenARowBeyond49() {
        const auto designed = Places();
        const auto offset = [](const std::map<QString, QRect>& places, const char* name) {
            return places.at(name).topLeft() - places.at("Frame2").bottomLeft(); // under it
        };
        for (const auto& [balls, drawn] : {std::pair{90, 5}, {80, 20}, {50, 5}, {61, 6}}) {
            PlayGame(balls, drawn);
            const QString game = QString("%1 of %2").arg(drawn).arg(balls);
            QCOMPARE(VisibleKeys(), balls);
            const auto places = Places();
            for (int n = 1; n <= balls; ++n) {
                QVERIFY2(Key(n)->isEnabled(), qPrintable(game));
                const QRect key = places.at(Key(n)->objectName());
                QCOMPARE(key.size(), designed.at("cmdNumero1").size());
                QVERIFY2(places.at("Frame2").contains(key), qPrintable(game));
                if (n % 10 != 1) { // beside the key before it, in its row
                    const QRect before = places.at(Key(n - 1)->objectName());
                    QCOMPARE(key.top(), before.top());
                    QVERIFY2(key.left() > before.right(), qPrintable(game));
                }
                if (n > 10) { // under the key ten before
                    const QRect above = places.at(Key(n - 10)->objectName());
                    QCOMPARE(key.left(), above.left());
                    QVERIFY2(key.top() > above.bottom(), qPrintable(game));
                }
            }
            for (const char* frame : {"Frame8", "Frame13"}) { // the counters under the keys
                QVERIFY2(places.at(frame).top() > places.at(Key(balls)->objectName()).bottom(),
                         frame);
            }
            QCOMPARE(offset(places, "Frame5"), offset(designed, "Frame5"));
            QCOMPARE(places.at("Frame6").left() - places.at("Frame2").right(),
                     designed.at("Frame6").left() - designed.at("Frame2").right());
            QCOMPARE(places.at("Frame6").size(), designed.at("Frame6").size());
            QCOMPARE(offset(places, "Frame1"), offset(designed, "Frame1"));
            QVERIFY2(window->rect().contains(places.at("Frame1")), qPrintable(game));
            CheckFitsSmallScreen(window);
        }
    }

    // The arrow keys move between keys as they stand, in either layout.
    void theArrowKeysMoveBetweenKeys() {
        for (const auto& [balls, across] : {std::pair{49, 7}, {90, 10}}) {
            PlayGame(balls, 6);
            const QString game = QString::number(balls);
            Key(12)->setFocus();
            const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Right, 13},
                                                     {Qt::Key_Down, 13 + across},
                                                     {Qt::Key_Left, 12 + across},
                                                     {Qt::Key_Up, 12}};
            for (const auto& [arrow, landed] : moves) {
                QTest::keyClick(QApplication::focusWidget(), arrow);
                QVERIFY2(QApplication::focusWidget() == Key(landed),
                         qPrintable(game + ": to " + QString::number(landed)));
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(Accessible(Key(12), QAccessible::Description), QString("selected"));
            Button("cmdReset")->click();
        }
    }

    // Keys picked above a game's balls: the game change asks; NO keeps the old game
    // and the keys, YES frees them; the wheel and the tickets stay either way.
    void aSmallerGameAsksBeforeItFreesKeys() {
        PlayGame(90, 6, 100);
        Develop("1 2 3\n2 3 4\n", {3, 52, 67}, {20});
        const QString tickets = QString::fromLatin1(ListSystem().listing);
        QCOMPARE(ChooseGame("6 of 49, 1.00 a ticket", 1),
                 QString("Keys 52, 67 are not drawn in 6 of 49: clear them?"));
        QCOMPARE(ui::CurrentGame().balls, 90);
        QCOMPARE(PickedKeys(), (std::vector<int>{3, 20, 52, 67}));
        QVERIFY(Key(67)->isVisible());

        QCOMPARE(ChooseGame("6 of 49, 1.00 a ticket", 2),
                 QString("Keys 52, 67 are not drawn in 6 of 49: clear them?"));
        QCOMPARE(ui::CurrentGame().balls, 49);
        QCOMPARE(PickedKeys(), (std::vector<int>{3, 20}));
        QCOMPARE(Label("lblSelezionati"), QString("2"));
        QCOMPARE(Label("lblBase"), QString("1"));
        QVERIFY(!Key(67)->isVisible());
        QCOMPARE(HeldWheelNumbers(), 4);
        QCOMPARE(QString::fromLatin1(ListSystem().listing), tickets);

        // Nothing to free: no question.
        QCOMPARE(ChooseGame("5 of 90, 1.00 a ticket", 2), QString());
        QCOMPARE(ui::CurrentGame().balls, 90);
    }

    // A play saved and opened again, in a fresh session: the same game, keys, wheel
    // and, after GENERATE, tickets; the file is text a person reads. Damaged, it is
    // refused by its line and nothing held changes.
    void aPlaySavedOpensAsItWas() {
        PlayGame(80, 20, 250);
        Develop("1 2 3\n2 3 4\n4 5\n", {7, 61}, {80, 55, 12});
        const QString tickets = QString::fromLatin1(ListSystem().listing);
        QTemporaryDir folder;
        const QString path = folder.filePath("saturday.txt");
        ui::ModalAnswerer save(0, [&path](QDialog* dialog) { PickFile(dialog, path); });
        Action("mnuSavePlay")->trigger();
        QCOMPARE(save.seen, 1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.startsWith("Quorvex play 1\r\ngame: 20 of 80\r\n"), bytes.constData());
        QVERIFY2(bytes.contains("numbers: 07 12 55 61 80\r\nbase: 12 55 80\r\n"),
                 bytes.constData());

        Close();
        Open();
        Acquire("1 2\n2 3\n");
        Key(5)->click();
        const QString damaged =
            WriteIn(folder, "damaged.txt", QByteArray(bytes).replace("numbers: 07", "numbers: 95"));
        ui::ModalAnswerer refused(1);
        QVERIFY(!window->OpenWheelFile(damaged));
        QVERIFY2(refused.notice.contains("Line 7: the numbers are different numbers 1 to 80"),
                 qPrintable(refused.notice));
        QCOMPARE(ui::CurrentGame().balls, 49);
        QCOMPARE(PickedKeys(), std::vector<int>{5});
        QCOMPARE(Box()->toPlainText(), QString("1 2\n2 3\n"));
        QVERIFY(window->OpenWheelFile(path));
        QCOMPARE(ui::LastFolder(), QDir(folder.path()).absolutePath()); // the next Open's
        const Game game = ui::CurrentGame();
        QCOMPARE(game.name, "20 of 80");
        QCOMPARE(game.price, 250);
        QCOMPARE(VisibleKeys(), 80);
        QCOMPARE(Accessible(Key(55), QAccessible::Description), QString("base"));
        QCOMPARE(Label("lblSelezionati"), QString("5"));
        QCOMPARE(Label("lblStatus"), QString("IN MEMORY: 5 NUMBERS - IN 3 LINES"));
        QCOMPARE(Box()->toPlainText(), QString("1 2 3\n2 3 4\n4 5\n"));
        QCOMPARE(ClickForNotice("cmdSviluppa"), QString("Well Done ..!"));
        QCOMPARE(QString::fromLatin1(ListSystem().listing), tickets);
    }
};

QTEST_MAIN(tst_Keypad)
#include "tst_frmAccessKeypad.moc"
