// The main window's handlers: each calls the engine and shows its outcome; the exit question.
#include "frmAccess.h"

#include "frmBuild.h"

#include "design.h"
#include "frmMessage.h"
#include "gameSettings.h"
#include "game_keys.h"
#include "mainForm.h"
#include "operations.h"
#include "refusalNotice.h"
#include "ticketsOut.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QTextCursor>
#include <QUrl>

namespace quorvex::ui {

namespace {

constexpr std::string_view kExitQuestion = "Are you sure you want to exit?";
} // namespace

frmAccess::frmAccess(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("frmAccess");
    setWindowTitle(QString::fromUtf8(" Quorvex\u00ae") + " - by " + "Velmora");
    setWindowIcon(QIcon(":/quorvex/icon-48.png"));
    setFont(DesignFont("Segoe UI", 8.25));
    // The form's widgets are this window's members, under their designed names.
    static_cast<MainForm&>(*this) = BuildMainForm(this);
    setCentralWidget(designArea);
    lblSito->installEventFilter(this);
    txtLista->viewport()->installEventFilter(this); // a wheel file dropped on the box is opened
    ShowStatus(FromUtf8(kNoWheelStatus));
    ShowCounts(0, 0);

    connect(cmdAcquire, &QPushButton::clicked, this, &frmAccess::cmdAcquire_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmAccess::ResetAll);
    connect(cmdSviluppa, &QPushButton::clicked, this, &frmAccess::cmdSviluppa_Click);
    connect(cmdVisualizza, &QPushButton::clicked, this, &frmAccess::cmdVisualizza_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmAccess::cmdClear_Click);
    connect(txtLista, &QWidget::customContextMenuRequested, this, &frmAccess::txtLista_ContextMenu);
    connect(keyGroup, &QButtonGroup::idClicked, this, &frmAccess::cmdNumero_Click);

    FollowGame();
    cmdNumero[1]->setFocus();

    BuildMenus();
    UpdateActions();
    setAcceptDrops(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the window is as large as its contents
    adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The frame counts in the centring: Windows knows it once the native window
        // exists (X11 only once a window manager frames it, so there it is left out).
        create();
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmAccess::ShowNotice(std::string_view text) {
    ShowMessage(this, text, "OK");
}

void frmAccess::ShowKey(int n, KeyState state, std::uint32_t color) {
    static const char* const kStateNames[] = {"free", "selected", "base"};
    cmdNumero[n]->setStyleSheet(KeyStyleSheet(color));
    // A key the game does not draw says so instead, as its tooltip does.
    cmdNumero[n]->setAccessibleDescription(cmdNumero[n]->isEnabled() ? kStateNames[state]
                                                                     : cmdNumero[n]->toolTip());
}

void frmAccess::FollowGame() {
    const Game game = CurrentGame();
    const KeyOutcome outcome = SetKeyCount(game.balls);
    LayOutKeypad(*this, KeyCount());
    if (layout()) {
        layout()->activate(); // the window takes the keypad's size at once
    }
    const QString notDrawn = FromUtf8(KeyNotDrawnText(game));
    for (int n = 1; n <= kHighestKey; ++n) {
        const bool drawn = n <= KeyCount();
        cmdNumero[n]->setEnabled(drawn);
        cmdNumero[n]->setToolTip(drawn ? QString() : notDrawn);
        const KeyState state = StateOfKey(n);
        ShowKey(n, state, KeyColor(state));
    }
    ShowCounts(outcome.selectedCount, outcome.baseCount);
}

void frmAccess::ShowCounts(int selected, int base) {
    lblSelezionati->setText(QString::number(selected));
    lblSelezionati->setAccessibleName(QString("Selected numbers: %1").arg(selected));
    lblSelezionati->repaint();
    lblBase->setText(QString::number(base));
    lblBase->setAccessibleName(QString("Base numbers: %1").arg(base));
    lblBase->repaint();
}

void frmAccess::ShowStatus(const QString& text) {
    lblStatus->setText(text);
    lblStatus->setAccessibleName("Status: " + text);
    lblStatus->repaint();
}

void frmAccess::ResetAll() {
    const KeyOutcome outcome = ResetKeys();
    for (int n = 1; n <= kHighestKey; ++n) {
        ShowKey(n, outcome.state, outcome.color);
    }
    ShowCounts(outcome.selectedCount, outcome.baseCount);
    emit keysChanged();
}

void frmAccess::cmdAcquire_Click() {
    const QByteArray text = txtLista->toPlainText().toUtf8();
    const AcquireOutcome outcome =
        AcquireMatrix({text.constData(), static_cast<std::size_t>(text.size())});
    if (outcome.refusal) {
        ShowRefusal(this, kInvalidMatrixNotice, *outcome.refusal, txtLista, text);
    }
    if (!outcome.statusText.empty()) {
        ShowStatus(FromUtf8(outcome.statusText));
    }
    if (outcome.result != Acquisition::Ignored) {
        UpdateActions();
        emit wheelChanged();
    }
}

void frmAccess::cmdNumero_Click(int n) {
    const KeyOutcome outcome = ClickKey(n);
    ShowKey(n, outcome.state, outcome.color);
    ShowCounts(outcome.selectedCount, outcome.baseCount);
    emit keysChanged();
}

void frmAccess::cmdSviluppa_Click() {
    const DevelopOutcome outcome = DevelopSystem();
    ShowNotice(outcome.Notice());
    if (outcome.developed) {
        UpdateActions();
        emit systemChanged();
    }
}

void frmAccess::cmdVisualizza_Click() {
    const ListOutcome outcome = ListSystem();
    if (outcome.refusal) {
        ShowRefusal(this, *outcome.refusal);
        return;
    }
    ReplaceText(QString::fromLatin1(outcome.listing)); // the box takes CR LF as one line break
    txtLista->moveCursor(QTextCursor::End);            // the caret after the last character
}

// One undoable step: Ctrl+Z brings back what the box held.
void frmAccess::ReplaceText(const QString& text) {
    QTextCursor cursor(txtLista->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
}

void frmAccess::cmdClear_Click() {
    ReplaceText({});
}

void frmAccess::lblSito_Click() {
    QDesktopServices::openUrl(QUrl(kHomepage));
}

bool frmAccess::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblSito && event->type() == QEvent::MouseButtonRelease) {
        lblSito_Click();
        return true;
    }
    if (txtLista && watched == txtLista->viewport() && FilterDrop(event)) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmAccess::txtLista_ContextMenu(const QPoint& position) {
    QMenu* menu = txtLista->createStandardContextMenu(position);
    menu->addSeparator();
    menu->addActions({mnuOpen, mnuSave, mnuCopy});
    menu->exec(txtLista->viewport()->mapToGlobal(position));
    delete menu;
}

// VIEW's notice when there is nothing to save, copy or print.
void frmAccess::mnuSave_Click() {
    SaveTicketsAs(this);
}

void frmAccess::mnuCopy_Click() {
    CopyTickets(this);
}

void frmAccess::mnuPrint_Click() {
    PreviewTickets(this);
}

void frmAccess::closeEvent(QCloseEvent* event) {
    if (!exitConfirmed && !ConfirmExit()) {
        event->ignore();
        return;
    }
    exitConfirmed = true;
    // Every other window goes first, the most recently opened first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (auto* message = qobject_cast<frmMessage*>(*it)) {
            message->Unload();
        } else if (auto* build = qobject_cast<frmBuild*>(*it)) {
            build->CloseWithMain(); // asks nothing more: the exit was confirmed
        } else if (*it != this && (*it)->isVisible()) {
            (*it)->close();
        }
    }
    event->accept();
}

void frmAccess::commitData(QSessionManager& manager) {
    if (exitConfirmed || !manager.allowsInteraction()) {
        return;
    }
    const bool go = ConfirmExit();
    manager.release();
    if (go) {
        exitConfirmed = true;
    } else {
        manager.cancel();
    }
}

// The exit question, whoever asks to close: true when the answer is YES.
bool frmAccess::ConfirmExit() {
    return ShowMessage(this, kExitQuestion, "NO,YES") != 1;
}

} // namespace quorvex::ui
