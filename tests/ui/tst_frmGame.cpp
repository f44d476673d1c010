// Wheel > Game...: a game chosen, shaped and kept, and every window counting with it.

#include "frmGame.h"
#include "main_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

using namespace quorvex;

class tst_Game : public QObject, private MainWindow {
    Q_OBJECT
    static void Press(QDialog* dialog, QDialogButtonBox::StandardButton which) {
        dialog->findChild<QDialogButtonBox*>()->button(which)->click();
    }

private slots:
    void init() { Open(); }
    void cleanup() { Close(); }

    // Chosen from the menu, a common game with a price and a prize reaches the other windows.
    void aGameChosenIsTheOneEveryWindowCountsWith() {
        Acquire("1 2 3\n2 3 4\n");
        QWidget* draw = Opened("mnuDraw", "frmDraw");
        QCOMPARE(In<QLabel>(draw, "lblGame")->text(), "Game: 6 of 49, 1.00 a ticket.");
        ModalAnswerer choose(1, [](QDialog* dialog) {
            auto* games = dialog->findChild<QComboBox*>("cboGame");
            games->setCurrentIndex(games->findText("5 of 90, 1.00 a ticket"));
            emit games->activated(games->currentIndex());
            dialog->findChild<QDoubleSpinBox*>("dblPrice")->setValue(2.5);
            dialog->findChild<QDoubleSpinBox*>("dblPrize2")->setValue(12);
            Press(dialog, QDialogButtonBox::Ok);
        });
        Action("mnuGame")->trigger();
        QCOMPARE(choose.seen, 1);
        const Game game = ui::CurrentGame();
        QCOMPARE(game.name, "5 of 90");
        QCOMPARE(game.balls, 90);
        QCOMPARE(game.drawn, 5);
        QCOMPARE(game.price, 250);
        QCOMPARE(game.prizes, (std::vector<Money>{0, 0, 1200, 0, 0, 0}));
        QCOMPARE(In<QLabel>(draw, "lblGame")->text(), "Game: 5 of 90, 2.50 a ticket.");
    }

    // The player's own games are kept, listed, and forgotten; what is no game is refused.
    void ownGamesAreKeptAndForgotten() {
        ui::frmGame dialog(window);
        dialog.show();
        dialog.findChild<QLineEdit*>("txtName")->setText("Club 6 of 45");
        dialog.findChild<QSpinBox*>("spnBalls")->setValue(45);
        QCOMPARE(dialog.findChildren<QDoubleSpinBox*>(QRegularExpression("^dblPrize")).size(), 7);
        const auto jackpot = [&dialog] {
            return dialog.findChild<QDoubleSpinBox*>("dblPrize6");
        };
        jackpot()->setValue(1000);
        In<QPushButton>(&dialog, "cmdSaveGame")->click();
        QCOMPARE(ui::OwnGames().size(), 1u);
        QCOMPARE(ui::OwnGames()[0].balls, 45);
        auto* games = dialog.findChild<QComboBox*>("cboGame");
        QCOMPARE(games->currentText(), "Club 6 of 45, 1.00 a ticket");
        // Each game chosen shows its own prizes, not those of the one before.
        for (const auto& [index, prize] : {std::pair{0, 0.0}, std::pair{6, 1000.0}}) {
            games->setCurrentIndex(index);
            emit games->activated(index);
            QCOMPARE(jackpot()->value(), prize);
        }
        QVERIFY(In<QPushButton>(&dialog, "cmdForget")->isEnabled());
        dialog.findChild<QSpinBox*>("spnDrawn")->setValue(3); // one prize a number of hits
        QCOMPARE(dialog.findChildren<QDoubleSpinBox*>(QRegularExpression("^dblPrize")).size(), 4);
        In<QPushButton>(&dialog, "cmdForget")->click();
        QVERIFY(ui::OwnGames().empty());
        QCOMPARE(games->count(), 6); // the common ones

        dialog.findChild<QSpinBox*>("spnBalls")->setValue(5);
        dialog.findChild<QSpinBox*>("spnDrawn")->setValue(6);
        ModalAnswerer refused(1);
        Press(&dialog, QDialogButtonBox::Ok);
        // Where the lines break is the message dialog's own (and the font's) affair.
        QCOMPARE(refused.text.replace('\n', ' '),
                 "Not a game ..! A game draws 1 to 20 balls, and no more than it has.");
        QVERIFY(dialog.isVisible());
        QCOMPARE(ui::CurrentGame().name, "6 of 49");
    }
};

QTEST_MAIN(tst_Game)
#include "tst_frmGame.moc"
