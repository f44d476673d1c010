#pragma once
// The main window's designed form: the frames, labels and counters, the 7 x 7
// keypad and the buttons, placed in twips as designed, with the tab order a
// user works through. Built in one place and handed back as widgets; the
// window connects them and shows the engine's outcomes in them.

#include <QString>

#include <array>
#include <cstdint>

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace quorvex::ui {

struct MainForm {
    QWidget* designArea = nullptr;            // the designed area, of fixed size
    std::array<QPushButton*, 50> cmdNumero{}; // keys 1..49
    QButtonGroup* keyGroup = nullptr;         // the keys, each by its number
    QPlainTextEdit* txtLista = nullptr;
    QLabel* lblSito = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblSelezionati = nullptr;
    QLabel* lblBase = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdSviluppa = nullptr;
    QPushButton* cmdAcquire = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdVisualizza = nullptr;
};

// Builds the form inside `window`, whose font the form's widgets inherit.
MainForm BuildMainForm(QWidget* window);

// A key's face for a colour the engine gives it; the Free colour is the platform's own face.
QString KeyStyleSheet(std::uint32_t color);

} // namespace quorvex::ui
