#pragma once
// Build a wheel: the player names N, k and the guarantee "t if m", the window
// shows what the engine says of that goal (SummarizeGoal), the search
// (portfolio.h) runs in the background for the time limit, and the window
// shows the smallest wheel it found, how it was built, beside the lower bound
// and the best known size. Only what belongs to the goal on screen is shown:
// a new goal clears the last result. Use this wheel hands the wheel to the
// main window, which acquires it.

#include "backgroundJob.h"
#include "goal_summary.h"
#include "portfolio.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace quorvex::ui {

class frmBuild : public QWidget {
    Q_OBJECT
public:
    explicit frmBuild(QWidget* owner);

    // The main window acquired a wheel or dropped one; another game was chosen.
    void WheelChanged();
    void GameChosen();
    // The main window is closing, its exit confirmed: a search under way stops, asking nothing.
    void CloseWithMain();

signals:
    // The wheel's text, one ticket a line, for the main window to acquire.
    void useWheel(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool closingWithMain = false;
    WheelGoal Goal() const;
    void GoalChanged();
    void ShowGoal();
    void ClearResult();
    void KeepTime();
    void cmdBuild_Click();
    void BuildFinished(const BuildOutcome& outcome);
    void ShowResult(const QString& heading, int guarantee, const QString& source);
    void ShowWork(bool running);
    void ShowProgress();
    void ShowChances();
    void cmdSave_Click();
    void cmdBestKnown_Click();

    BackgroundJob* job;
    BackgroundJob* chanceJob; // the chances of the wheel shown and of the best known
    QTimer* progressTimer;
    std::vector<Ticket> built; // the wheel shown, always for the goal on screen
    GoalSummary summary;       // what the engine says of the goal on screen

    QSpinBox* spnNumbers;
    QSpinBox* spnPerTicket;
    QSpinBox* spnAtLeast;
    QSpinBox* spnDrawn;
    QSpinBox* spnSeconds;
    QLabel* lblTimeNote;
    QCheckBox* chkStart;
    QLabel* lblStartNote;
    QLabel* lblProblem;
    QLabel* lblBounds;
    QPushButton* cmdBuild;
    QPushButton* cmdStop;
    QProgressBar* barProgress;
    QLabel* lblBest;
    QLabel* lblResult;
    QTableWidget* tblChances;
    QLabel* lblCost;
    QPlainTextEdit* txtWheel;
    QPushButton* cmdUse;
    QPushButton* cmdSave;
    QPushButton* cmdBestKnown;
    QLabel* lblCredit;
};

} // namespace quorvex::ui
