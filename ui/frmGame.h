#pragma once
// Wheel > Game...: the one place where the player chooses the game every
// window counts with: a common one or one of their own, its balls, the
// numbers drawn, the ticket's price and, if they like, a prize for each
// number of hits. Their own games are kept between runs.

#include "game.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quorvex::ui {

class frmGame : public QDialog {
    Q_OBJECT
public:
    explicit frmGame(QWidget* owner);

    // The game as the dialog shows it now.
    Game Chosen() const;

private:
    void ShowGame(const Game& game);
    void ShowPrizes(int drawn);
    void ListGames();
    void cboGame_Activated(int index);
    void cmdSaveGame_Click();
    void cmdForget_Click();
    void accept() override;
    // Says why the game cannot be played, if it cannot.
    bool Refused(const Game& game);

    std::vector<Game> games; // as listed: the common ones, then the player's own
    QComboBox* cboGame;
    QLineEdit* txtName;
    QSpinBox* spnBalls;
    QSpinBox* spnDrawn;
    QDoubleSpinBox* dblPrice;
    QFormLayout* prizeRows;
    std::vector<QDoubleSpinBox*> dblPrizes; // dblPrizes[j]: the prize for j hits
    QPushButton* cmdForget;
};

} // namespace quorvex::ui
