#pragma once
// The main window's designed form: the frames, labels and counters, the 7 x 7
// keypad and the buttons, placed in twips as designed, with the tab order a
// user works through. Built in one place and handed back as widgets; the
// window connects them and shows the engine's outcomes in them. A game of more
// than 49 balls gets a keypad of its own beside the designed one: ten keys a
// row, as on a betting slip, the rest of the form moved along with it.

#include "mDichiarazioni.h"

#include <QString>

#include <array>
#include <cstdint>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace quorvex::ui {

// The designed names, and what a user sees by each. The frames, named Frame0
// to Frame13 as designed: 2 the keypad, 8 and 13 the SELECTED and BASE
// counters in it, 5 the RESET / GENERATE row with 11 round RESET and 9 round
// GENERATE, 6 the wheel box with 7 round the clear button, 0 round VIEW and
// 12 round ACQUIRE, 1 the status line.
struct MainForm {
    QWidget* designArea = nullptr; // the designed area, of fixed size
    // The keys 1..49 of the keypad, and 50..90 for the games that draw from more.
    std::array<QPushButton*, kHighestKey + 1> cmdNumero{};
    QButtonGroup* keyGroup = nullptr;     // the keys, each by its number
    QPlainTextEdit* txtLista = nullptr;   // the wheel box: a wheel pasted, or the tickets
    QLabel* lblSito = nullptr;            // the maker's web page, a link above the keypad
    QLabel* lblStatus = nullptr;          // the status line: "IN MEMORY: 8 NUMBERS - ..."
    QLabel* lblSelezionati = nullptr;     // SELECTED: how many keys are picked
    QLabel* lblBase = nullptr;            // BASE: how many of them are base numbers
    QPushButton* cmdReset = nullptr;      // RESET: frees every key
    QPushButton* cmdSviluppa = nullptr;   // GENERATE: develops the wheel onto the keys
    QPushButton* cmdAcquire = nullptr;    // ACQUIRE: holds the wheel in the box
    QPushButton* cmdClear = nullptr;      // the cross: empties the box
    QPushButton* cmdVisualizza = nullptr; // VIEW: lists the tickets in the box
    // The frames that move or grow with a keypad of more keys.
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QGroupBox* Frame8 = nullptr;
    QGroupBox* Frame13 = nullptr;
};

// Builds the form inside `window`, whose font the form's widgets inherit.
MainForm BuildMainForm(QWidget* window);

// Lays the keypad out for a game of `balls`: the designed 7 x 7 for 49 or fewer
// (keys above hidden), or `balls` keys ten a row with the form grown round them.
void LayOutKeypad(MainForm& form, int balls);

// A key's face for a colour the engine gives it; the Free colour is the platform's own face.
QString KeyStyleSheet(std::uint32_t color);

} // namespace quorvex::ui
