// The chosen game and the player's own games, in the settings kept between runs.
#include "gameSettings.h"

#include "design.h"

#include <QSettings>
#include <QStringList>

namespace quorvex::ui {

namespace {

constexpr char kCurrentKey[] = "games/current";
constexpr char kOwnKey[] = "games/own";

} // namespace

Game CurrentGame() {
    const auto kept = GameFromLine(QSettings().value(kCurrentKey).toString().toStdString());
    return kept ? *kept : StandardGames().front();
}

void SetCurrentGame(const Game& game) {
    QSettings().setValue(kCurrentKey, FromUtf8(GameLine(game)));
}

std::vector<Game> OwnGames() {
    std::vector<Game> games;
    for (const QString& line : QSettings().value(kOwnKey).toStringList()) {
        if (const auto game = GameFromLine(line.toStdString())) {
            games.push_back(*game);
        }
    }
    return games;
}

void SaveOwnGame(const Game& game) {
    QStringList lines;
    bool replaced = false;
    for (const Game& own : OwnGames()) {
        const bool same = own.name == game.name;
        lines << FromUtf8(GameLine(same ? game : own));
        replaced = replaced || same;
    }
    if (!replaced) {
        lines << FromUtf8(GameLine(game));
    }
    QSettings().setValue(kOwnKey, lines);
}

void ForgetOwnGame(const QString& name) {
    QStringList lines;
    for (const Game& own : OwnGames()) {
        if (FromUtf8(own.name) != name) {
            lines << FromUtf8(GameLine(own));
        }
    }
    QSettings().setValue(kOwnKey, lines);
}

QString GameText(const Game& game) {
    return QString("%1, %2 a ticket").arg(FromUtf8(game.name), MoneyString(game.price));
}

QString MoneyString(MoneySum amount) {
    return FromUtf8(MoneyText(amount));
}

} // namespace quorvex::ui
