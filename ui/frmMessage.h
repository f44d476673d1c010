#pragma once
// The one modal dialog for every notice and question: a body of lines and up to three buttons.

#include <QDialog>

#include <array>
#include <string_view>

class QGroupBox;
class QLabel;
class QPushButton;

namespace quorvex::ui {

// The one modal dialog for every notice and question. It builds itself from
// gMessageText ("|" breaks lines) and gMessageButtons (comma-separated
// captions), and leaves the 1-based button pressed in gMessageResult. It can
// be left only through its buttons.
class frmMessage : public QDialog {
    Q_OBJECT
public:
    explicit frmMessage(QWidget* owner);

    void reject() override; // Escape does nothing

    // Closes the dialog with no button pressed, for the main window going away.
    void Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* CreateButton(int index);

    QGroupBox* fraMessage;
    QLabel* Image;
    QLabel* lblMessage;
    std::array<QPushButton*, 4> cmdPulsante{}; // elements 1..3
};

// The calling convention in one place: store the body and captions, show the
// dialog modally over `owner`, return the 1-based button pressed.
int ShowMessage(QWidget* owner, std::string_view text, std::string_view buttons);

} // namespace quorvex::ui
