#pragma once
// Build a wheel: the player names N, k and the guarantee "t if m", the search
// (wheel_search.h) runs in the background for the time limit, and the window
// shows the smallest wheel it found beside the lower bound and the best known
// size. Use this wheel hands the wheel to the main window, which acquires it.

#include "backgroundJob.h"
#include "wheel_search.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace quorvex {
struct KnownWheel;
}

namespace quorvex::ui {

class frmBuild : public QWidget {
    Q_OBJECT
public:
    explicit frmBuild(QWidget* owner);

    // The main window acquired a wheel or dropped one.
    void WheelChanged();

signals:
    // The wheel's text, one ticket a line, for the main window to acquire.
    void useWheel(const QString& text);

private:
    WheelGoal Goal() const;
    void GoalChanged();
    void cmdBuild_Click();
    void BuildFinished(const BuildOutcome& outcome);
    void ShowWork(bool running);
    void ShowBest();
    void cmdSave_Click();
    void cmdBestKnown_Click();
    const KnownWheel* KnownDesign() const;

    BackgroundJob* job;
    QTimer* bestTimer;
    std::vector<Ticket> built;
    WheelGoal builtGoal;

    QSpinBox* spnNumbers;
    QSpinBox* spnPerTicket;
    QSpinBox* spnAtLeast;
    QSpinBox* spnDrawn;
    QSpinBox* spnSeconds;
    QCheckBox* chkStart;
    QLabel* lblProblem;
    QLabel* lblBounds;
    QPushButton* cmdBuild;
    QPushButton* cmdStop;
    QProgressBar* barProgress;
    QLabel* lblBest;
    QLabel* lblResult;
    QPlainTextEdit* txtWheel;
    QPushButton* cmdUse;
    QPushButton* cmdSave;
    QPushButton* cmdBestKnown;
    QLabel* lblCredit;
};

} // namespace quorvex::ui
