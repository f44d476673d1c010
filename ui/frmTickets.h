#pragma once
// The tickets window: the developed tickets numbered 1..L, one a row, never
// wrapped, in a fixed-width font, with the numbers of the last checked draw
// marked. A list view draws only the rows in sight, so a million tickets
// open at once; the window follows GENERATE.

#include "draw_check.h"

#include <QAbstractListModel>
#include <QWidget>

#include <vector>

class QLabel;
class QListView;

namespace quorvex::ui {

// The developed tickets as rows: "  12: 03 07 19 22 41 45".
class TicketsModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void Reload();
    void SetDraw(const std::vector<int>& drawn);
    const DrawnSet& Draw() const { return draw_; }
    const std::vector<int>& DrawnNumbers() const { return drawnNumbers_; }
    int NumberWidth() const { return numberWidth_; }

private:
    DrawnSet draw_;
    std::vector<int> drawnNumbers_; // as typed
    int numberWidth_ = 1;           // digits of the last ticket's number
};

class frmTickets : public QWidget {
    Q_OBJECT
public:
    explicit frmTickets(QWidget* owner);

    void SystemChanged();
    // The numbers of the last draw checked, or none.
    void DrawChecked(const std::vector<int>& drawn);
    // The summary tells the cost in the game chosen.
    void ShowSummary();

    TicketsModel* model;
    QListView* lstTickets;
    QLabel* lblSummary;
};

} // namespace quorvex::ui
