#pragma once
// The main window. Every handler follows one path:
//
//   click -> engine operation (operations.h) -> outcome -> widgets
//
//   ACQUIRE   AcquireMatrix(text of txtLista)  notice via frmMessage, then lblStatus
//   key n     ClickKey(n)                      key colour, lblSelezionati, lblBase
//   RESET     ResetAll() -> ResetKeys()        all keys Free, both counters 0
//   GENERATE  DevelopSystem()                  one notice via frmMessage
//   VIEW      ListSystem()                     listing into txtLista, or a notice
//   clear     (no engine call)                 empties txtLista
//
// The window holds no data of its own: the state lives in mDichiarazioni.

#include "mDichiarazioni.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <string_view>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSessionManager;

namespace quorvex::ui {

class frmAccess : public QWidget {
    Q_OBJECT
public:
    explicit frmAccess(QWidget* parent = nullptr);

    // Frees every key and zeroes both counters.
    void ResetAll();

    // Asks the exit question when the desktop session ends.
    void commitData(QSessionManager& manager);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildKeypad(QGroupBox* keypadFrame);
    QGroupBox* AddFrame(QWidget* container, int index, int left, int top, int width, int height);
    QPushButton* AddButton(QWidget* container, const char* name, const char* caption,
                           const char* toolTip);
    QLabel* AddCounter(QWidget* container, const char* name, int left);
    void ShowNotice(std::string_view text);
    void ShowKey(int n, KeyState state, std::uint32_t color);
    void ShowStatus(const QString& text);
    void ShowCounts(int selected, int base);

    void cmdAcquire_Click();
    void cmdNumero_Click(int n);
    void cmdSviluppa_Click();
    void cmdVisualizza_Click();
    void cmdClear_Click();
    void lblSito_Click();

    std::array<QPushButton*, 50> cmdNumero{}; // keys 1..49
    QPlainTextEdit* txtLista;
    QLabel* lblSito;
    QLabel* lblStatus;
    QLabel* lblSelezionati;
    QLabel* lblBase;
    QPushButton* cmdReset;
    QPushButton* cmdSviluppa;
    QPushButton* cmdAcquire;
    QPushButton* cmdClear;
    QPushButton* cmdVisualizza;
    bool exitConfirmed = false;
};

} // namespace quorvex::ui
