#pragma once
// Checking a draw: the user types the drawn numbers, and the window shows
// how many developed tickets hit how many of them, and the best tickets.

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTextBrowser;

namespace quorvex::ui {

class frmDraw : public QWidget {
    Q_OBJECT
public:
    explicit frmDraw(QWidget* owner);

    // GENERATE developed new tickets: the draw shown is checked against them;
    // another game was chosen.
    void SystemChanged();
    void GameChanged();
    // Checks a draw as if the player had typed it.
    void CheckDrawn(const std::vector<int>& numbers);

signals:
    // The numbers of a draw just checked; none after an entry that is no draw.
    void drawChecked(const std::vector<int>& drawn);

private:
    void cmdCheck_Click();
    void ShowResult();

    std::vector<int> drawn; // the draw shown, empty before the first check
    QLabel* lblGame;
    QLineEdit* txtDrawn;
    QPushButton* cmdCheck;
    QLabel* lblResult;
    QTableWidget* tblHits;
    QTextBrowser* txtBest;
};

} // namespace quorvex::ui
