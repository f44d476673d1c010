#pragma once
// The main window. Every handler follows one path:
//
//   click -> engine operation (operations.h) -> outcome -> widgets
//
//   ACQUIRE   AcquireMatrix(text of txtLista)  notice via frmMessage, then lblStatus
//   key n     ClickKey(n)                      key colour, lblSelezionati, lblBase
//   game      SetKeyCount(balls)               the keypad's layout, keys not drawn off
//   RESET     ResetAll() -> ResetKeys()        every key and both counters
//   GENERATE  DevelopSystem()                  one notice via frmMessage, new tickets
//   VIEW      ListSystem()                     listing into txtLista, or a notice
//   clear     (no engine call)                 empties txtLista
//
// The menu bar above the designed area adds files (a wheel in, a play kept
// and opened, the tickets out to a file, the clipboard or a printer, past
// draws in), the game, and the wheel report, draw check and past draws
// windows, which follow the state through the signals below, and the Build a
// wheel window, whose wheel comes back through UseWheelText().
// The state lives in mDichiarazioni; the window keeps only its other windows
// and the last draw checked, for the tickets window.
// Its members are defined in three files: frmAccess.cpp (the handlers and the
// exit question), frmAccessMenus.cpp (the menu bar and the windows it opens)
// and frmAccessFiles.cpp (Open, Open Recent, plays and dropped files).

#include "mDichiarazioni.h"
#include "mainForm.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSessionManager;

namespace quorvex::ui {

class frmBuild;
class frmTickets;
class frmDraw;
class frmReport;
class frmPastDraws;

// The designed form's widgets (txtLista, cmdNumero, ...) are members through MainForm.
class frmAccess : public QMainWindow, private MainForm {
    Q_OBJECT
public:
    explicit frmAccess(QWidget* parent = nullptr);

    // Frees every key and zeroes both counters.
    void ResetAll();

    // Lays the keypad out for the game chosen: its keys in play, the ones it does
    // not draw disabled and saying so, the keys above it freed.
    void FollowGame();

    // Asks the exit question when the desktop session ends.
    void commitData(QSessionManager& manager);

    // Puts a wheel file's text in the box and acquires it, as ACQUIRE does; a
    // play's file puts back its game, keys and wheel. A file that cannot be read,
    // or a damaged play, changes nothing and gets a notice.
    bool OpenWheelFile(const QString& path);
    // Puts a wheel's text in the box as one undoable step and acquires it.
    void UseWheelText(const QString& text);
    // Reads past draws of the game chosen and shows them in the Past draws
    // window; a file with no draw of the game changes nothing and gets a notice.
    bool OpenPastDraws(const QString& path);

signals:
    void wheelChanged();  // ACQUIRE held a new wheel or dropped one
    void keysChanged();   // a key click or RESET
    void systemChanged(); // GENERATE developed new tickets
    void gameChanged();   // another game was chosen in Wheel > Game...

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    QAction* AddAction(QMenu* menu, const char* name, const QString& text,
                       const QKeySequence& shortcut, void (frmAccess::*handler)());
    bool ConfirmExit();
    void ShowNotice(std::string_view text);
    void ShowKey(int n, KeyState state, std::uint32_t color);
    void ShowStatus(const QString& text);
    void ShowCounts(int selected, int base);
    void ReplaceText(const QString& text);
    void UpdateActions();
    QString DroppedFile(const QDropEvent* event) const;
    bool FilterDrop(QEvent* event);

    void cmdAcquire_Click();
    void cmdNumero_Click(int n);
    void cmdSviluppa_Click();
    void cmdVisualizza_Click();
    void cmdClear_Click();
    void lblSito_Click();
    void mnuOpen_Click();
    void mnuOpenPlay_Click();
    void mnuSavePlay_Click();
    bool UsePlay(const QString& path, std::string_view text);
    void mnuSave_Click();
    void mnuCopy_Click();
    void mnuPrint_Click();
    void mnuReport_Click();
    void mnuDraw_Click();
    void mnuBuild_Click();
    void mnuTickets_Click();
    void mnuGame_Click();
    void mnuPastDraws_Click();
    void CheckDraw(const std::vector<int>& numbers);
    void DrawChecked(const std::vector<int>& drawn);
    void txtLista_ContextMenu(const QPoint& position);

    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuCopy;
    QAction* mnuPrint;
    QAction* mnuReport;
    QAction* mnuDraw;
    QAction* mnuBuild;
    QAction* mnuTickets;
    QPointer<frmReport> report;
    QPointer<frmDraw> draw;
    QPointer<frmBuild> build;
    QPointer<frmTickets> tickets;
    QPointer<frmPastDraws> pastDraws;
    std::vector<int> lastDraw; // the last draw checked, for the tickets window
    bool exitConfirmed = false;
};

} // namespace quorvex::ui
