// The Game dialog: a game chosen, shaped and kept.
#include "frmGame.h"

#include "combinations.h"
#include "design.h"
#include "frmMessage.h"
#include "gameSettings.h"
#include "game_keys.h"
#include "operations.h"
#include "refusalNotice.h"
#include "toolWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace quorvex::ui {

namespace {

QDoubleSpinBox* Amount(const QString& name, const QString& accessibleName) {
    auto* amount = new QDoubleSpinBox;
    amount->setObjectName(name);
    amount->setAccessibleName(accessibleName);
    amount->setDecimals(2);
    amount->setRange(0, 1e12);
    return amount;
}

Money MoneyOf(const QDoubleSpinBox* amount) {
    return static_cast<Money>(std::llround(amount->value() * 100));
}

} // namespace

frmGame::frmGame(QWidget* owner) : QDialog(owner) {
    setObjectName("frmGame");
    setWindowTitle("Game - Quorvex");
    cboGame = Named<QComboBox>("cboGame", "Games");
    txtName = Named<QLineEdit>("txtName", "Name of the game");
    spnBalls = Spin("spnBalls", "Balls in the game", 2, kMaxBalls, 49);
    spnDrawn = Spin("spnDrawn", "Balls drawn", 1, kMostDrawn, 6);
    dblPrice = Amount("dblPrice", "Price of a ticket");

    auto* form = new QFormLayout;
    form->addRow(Buddy("&Game:", cboGame), cboGame);
    form->addRow(Buddy("&Name:", txtName), txtName);
    form->addRow(Buddy("&Balls:", spnBalls), spnBalls);
    form->addRow(Buddy("&Drawn:", spnDrawn), spnDrawn);
    form->addRow(Buddy("&Price of a ticket:", dblPrice), dblPrice);

    auto* prizes = new QWidget;
    prizeRows = new QFormLayout(prizes);
    auto* scroll = new QScrollArea;
    scroll->setObjectName("scrPrizes");
    scroll->setWidgetResizable(true);
    scroll->setWidget(prizes);
    auto* prizeHelp = WrappingLabel("lblPrizes");
    prizeHelp->setText("The prize a ticket wins for each number of hits (0 where there is "
                       "none), in your currency:");

    auto* saveGame = Button("&Save as my game", "cmdSaveGame");
    cmdForget = Button("&Forget my game", "cmdForget");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->addButton(saveGame, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdForget, QDialogButtonBox::ActionRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(prizeHelp);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    resize(420, 520);

    connect(cboGame, &QComboBox::activated, this, &frmGame::cboGame_Activated);
    connect(spnDrawn, &QSpinBox::valueChanged, this, &frmGame::ShowPrizes);
    connect(saveGame, &QPushButton::clicked, this, &frmGame::cmdSaveGame_Click);
    connect(cmdForget, &QPushButton::clicked, this, &frmGame::cmdForget_Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmGame::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    ListGames();
    ShowGame(CurrentGame());
}

void frmGame::ListGames() {
    games = StandardGames();
    const std::vector<Game> own = OwnGames();
    games.insert(games.end(), own.begin(), own.end());
    cboGame->clear();
    for (const Game& game : games) {
        cboGame->addItem(GameText(game));
    }
}

void frmGame::ShowGame(const Game& game) {
    txtName->setText(FromUtf8(game.name));
    spnBalls->setValue(game.balls);
    spnDrawn->setValue(game.drawn);
    dblPrice->setValue(static_cast<double>(game.price) / 100);
    ShowPrizes(game.drawn);
    for (std::size_t j = 0; j < dblPrizes.size(); ++j) {
        dblPrizes[j]->setValue(static_cast<double>(game.Prize(static_cast<int>(j))) / 100);
    }
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (games[i].name == game.name) {
            cboGame->setCurrentIndex(static_cast<int>(i));
        }
    }
    cmdForget->setEnabled(cboGame->currentIndex() >= static_cast<int>(StandardGames().size()) &&
                          games[static_cast<std::size_t>(cboGame->currentIndex())].name ==
                              game.name);
}

// One prize for each number of hits the game can give, the most first; the
// amounts already typed stay.
void frmGame::ShowPrizes(int drawn) {
    std::vector<double> typed;
    for (QDoubleSpinBox* prize : dblPrizes) {
        typed.push_back(prize->value());
    }
    while (prizeRows->rowCount() > 0) {
        prizeRows->removeRow(0);
    }
    dblPrizes.assign(static_cast<std::size_t>(drawn) + 1, nullptr);
    for (int j = drawn; j >= 0; --j) {
        auto* prize = Amount(QString("dblPrize%1").arg(j), QString("Prize for %1 hits").arg(j));
        if (static_cast<std::size_t>(j) < typed.size()) {
            prize->setValue(typed[static_cast<std::size_t>(j)]);
        }
        dblPrizes[static_cast<std::size_t>(j)] = prize;
        prizeRows->addRow(Buddy(QString("%1 hits:").arg(j), prize), prize);
    }
}

Game frmGame::Chosen() const {
    Game game{txtName->text().trimmed().toStdString(),
              spnBalls->value(),
              spnDrawn->value(),
              MoneyOf(dblPrice),
              {}};
    for (const QDoubleSpinBox* prize : dblPrizes) {
        game.prizes.push_back(MoneyOf(prize));
    }
    if (!game.HasPrizes()) {
        game.prizes.clear();
    }
    if (game.name.empty()) {
        game.name = std::to_string(game.drawn) + " of " + std::to_string(game.balls);
    }
    return game;
}

void frmGame::cboGame_Activated(int index) {
    ShowGame(games[static_cast<std::size_t>(index)]);
}

bool frmGame::Refused(const Game& game) {
    const auto refusal = GameProblem(game);
    if (refusal) {
        ShowRefusal(this, "Not a game ..!", *refusal);
    }
    return refusal.has_value();
}

void frmGame::cmdSaveGame_Click() {
    const Game game = Chosen();
    if (Refused(game)) {
        return;
    }
    SaveOwnGame(game);
    ListGames();
    ShowGame(game);
}

void frmGame::cmdForget_Click() {
    ForgetOwnGame(txtName->text().trimmed());
    ListGames();
    ShowGame(games.front());
}

// The game shown becomes the one every window counts with. Keys picked that it
// does not draw are cleared only when the player says so; NO keeps the old game.
void frmGame::accept() {
    const Game game = Chosen();
    if (Refused(game)) {
        return;
    }
    const std::vector<int> notDrawn = PickedKeysAbove(game.balls);
    if (!notDrawn.empty() && ShowMessage(this, ClearKeysQuestion(notDrawn, game), "NO,YES") != 2) {
        return;
    }
    SetCurrentGame(game);
    QDialog::accept();
}

} // namespace quorvex::ui
