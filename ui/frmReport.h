#pragma once
// The wheel report: what the held wheel guarantees, its coverage table,
// the chances per draw, its holes, and which of the player's numbers stands
// for each wheel number. The counting runs in the background; the window
// follows the main window's wheel and keys, and never shows figures for a
// wheel that is no longer held without saying so.

#include "backgroundJob.h"
#include "coverage.h"
#include "wheel_profile.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QLayout;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace quorvex::ui {

class frmReport : public QWidget {
    Q_OBJECT
public:
    explicit frmReport(QWidget* owner);

    // The main window acquired a wheel (or dropped one), or changed the keys;
    // another game was chosen.
    void WheelChanged();
    void KeysChanged();
    void GameChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Recount();
    void ShowWheel();
    void ShowTable();
    void ShowChances();
    void ShowCost();
    void ShowMapping();
    QLayout* HolesBox();
    void ClearHoles();
    void ListHoles();
    void ShowHoles(const Holes& holes, int m, int t, bool inPicks);
    void CopyHoles();
    void SaveHoles();
    void StartWork(const QString& what);
    void WorkFinished(bool completed);
    void FitGuarantees();

    // The wheel this report is about, kept so that it outlives the held one.
    LineList lines;
    int numbers = 0;
    WheelProfile profile;
    std::optional<CoverageTable> table;
    bool stale = false;
    bool holesAsked = false;   // holes were listed (or are being): they follow the keys
    bool listingHoles = false; // the work under way lists holes (else it counts)
    struct HolesShown {
        int m = 0, t = 0;
        std::uint64_t count = 0;
        bool inPicks = false;
    };
    std::optional<HolesShown> holesShown;

    BackgroundJob* job;
    QLabel* lblGame;
    QLabel* lblCost;
    QLabel* lblStale;
    QLabel* lblWheel;
    QLabel* lblWarnings;
    QLabel* lblMapping;
    QLabel* lblGuarantees;
    QTableWidget* tblCoverage;
    QCheckBox* chkCounts;
    QTableWidget* tblChances;
    QSpinBox* spnHoleSize;
    QSpinBox* spnHoleBelow;
    QPushButton* cmdHoles;
    QLabel* lblHoles;
    QPlainTextEdit* txtHoles;
    QPushButton* cmdCopyHoles;
    QPushButton* cmdSaveHoles;
    QProgressBar* barProgress;
    QPushButton* cmdCancel;
    QPushButton* cmdRecount;
    QLabel* lblWork;
};

} // namespace quorvex::ui
