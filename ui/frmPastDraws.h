#pragma once
// Past draws: how the developed tickets would have done in the draws of a
// history file. One row a draw (its date, the numbers with the player's own
// marked, how many of them were drawn, the best ticket's hits, the tickets at
// each winning number of hits, the prizes), sortable; in how many draws some
// ticket held t or more against what chance alone predicts; the cost against
// the prizes; and how often each ball came out, beside what a fair draw
// expects. The counting runs in the background, with Cancel. No forecasts:
// what happened, and what chance predicts.

#include "backgroundJob.h"
#include "chances.h"
#include "draw_history.h"
#include "game.h"
#include "past_draws.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace quorvex::ui {

class BallChart;

// The draws as rows; the tallies join them once counted.
class PastDrawsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void Show(const std::vector<PastDraw>* draws, const PastDrawsTally* tally,
              std::vector<int> mine, const Game& game);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The numbers of the draw in row `row` of the model.
    const std::vector<int>& Numbers(int row) const;

private:
    const std::vector<PastDraw>* draws_ = nullptr;
    const PastDrawsTally* tally_ = nullptr;
    std::vector<bool> mine_;  // per ball: one of the player's numbers
    std::vector<int> levels_; // the numbers of hits that win (or from 2 up, with no prizes)
    bool prizes_ = false;
};

class frmPastDraws : public QWidget {
    Q_OBJECT
public:
    explicit frmPastDraws(QWidget* owner);
    ~frmPastDraws() override;

    // A history read from `file` under the game chosen, in place of the one
    // shown; its text is kept to be read again under another game.
    void ShowHistory(std::string fileText, const DrawHistory& read, const QString& file);
    // GENERATE developed new tickets.
    void SystemChanged();
    // Another game was chosen: the history is read again under it, its
    // skipped lines said; with no draw of the game in it, no row is left.
    void GameChanged();

signals:
    // A row was double-clicked: its draw, to check.
    void checkDraw(const std::vector<int>& numbers);

private:
    struct Counted {
        PastDrawsTally tally;
        std::vector<Chance> chances;
    };
    void Recount();
    void ShowCounted();
    void ShowChart();
    void FitColumns();

    std::string text; // the file as read, for another game
    DrawHistory history;
    QString fileName;
    Game game;
    std::optional<Counted> counted;
    BackgroundJob* job;
    PastDrawsModel* model;
    QLabel* lblSource;
    QLabel* lblTickets;
    QTableView* tblDraws;
    QLabel* lblSummary;
    BallChart* chtNumbers;
    QLabel* lblFairness;
    QProgressBar* barProgress;
    QPushButton* cmdCancel;
};

} // namespace quorvex::ui
