// The main window's handlers: each calls the engine and shows its outcome; the menus; the exit
// question.
#include "frmAccess.h"

#include "design.h"
#include "editMenu.h"
#include "frmBuild.h"
#include "frmDraw.h"
#include "frmHelp.h"
#include "frmMessage.h"
#include "frmReport.h"
#include "frmTickets.h"
#include "mainForm.h"
#include "operations.h"
#include "recentWheels.h"
#include "textFile.h"
#include "ticketsOut.h"
#include "toolWindow.h"
#include "wheel_file.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
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
    const MainForm form = BuildMainForm(this);
    designArea = form.area;
    cmdNumero = form.keys;
    txtLista = form.txtLista;
    lblSito = form.lblSito;
    lblStatus = form.lblStatus;
    lblSelezionati = form.lblSelezionati;
    lblBase = form.lblBase;
    cmdReset = form.cmdReset;
    cmdSviluppa = form.cmdSviluppa;
    cmdAcquire = form.cmdAcquire;
    cmdClear = form.cmdClear;
    cmdVisualizza = form.cmdVisualizza;
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
    connect(form.keyGroup, &QButtonGroup::idClicked, this, &frmAccess::cmdNumero_Click);

    cmdNumero[1]->setFocus();

    BuildMenus();
    UpdateActions();
    setAcceptDrops(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the window is as large as its contents
    adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmAccess::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    mnuOpen = AddAction(file, "mnuOpen", "&Open wheel...", QKeySequence("Ctrl+O"),
                        &frmAccess::mnuOpen_Click);
    QMenu* recent = file->addMenu("Open &Recent");
    recent->setObjectName("mnuRecent");
    FollowRecentWheels(recent, [this](const QString& path) {
        // A wheel whose file is gone gets the notice any missing file gets, and leaves the list.
        if (!OpenWheelFile(path) && !QFileInfo::exists(path)) {
            ForgetRecentWheel(path);
        }
    });
    file->addSeparator();
    mnuSave = AddAction(file, "mnuSave", "&Save tickets as...", QKeySequence("Ctrl+S"),
                        &frmAccess::mnuSave_Click);
    mnuCopy = AddAction(file, "mnuCopy", "&Copy tickets", QKeySequence("Ctrl+Shift+C"),
                        &frmAccess::mnuCopy_Click);
    mnuPrint = AddAction(file, "mnuPrint", "&Print tickets...", QKeySequence("Ctrl+P"),
                         &frmAccess::mnuPrint_Click);
    file->addSeparator();
    QAction* exit = file->addAction("E&xit", QKeySequence("Ctrl+Q"), this, &QWidget::close);
    exit->setObjectName("mnuExit");

    AddEditMenu(menuBar(), txtLista);

    // The three buttons, for the keyboard: no 49 Tabs to reach GENERATE.
    QMenu* wheel = menuBar()->addMenu("&Wheel");
    const auto press = [this, wheel](const char* name, const QString& text, const char* keys,
                                     QPushButton* button) {
        wheel->addAction(text, QKeySequence(keys), button, &QPushButton::click)
            ->setObjectName(name);
    };
    press("mnuAcquire", "&Acquire", "F5", cmdAcquire);
    press("mnuGenerate", "&Generate tickets", "F6", cmdSviluppa);
    press("mnuView", "&View tickets", "F7", cmdVisualizza);
    mnuTickets = AddAction(wheel, "mnuTickets", "&Tickets...", QKeySequence("Ctrl+T"),
                           &frmAccess::mnuTickets_Click);
    wheel->addSeparator();
    mnuReport = AddAction(wheel, "mnuReport", "Wheel &report...", QKeySequence("Ctrl+R"),
                          &frmAccess::mnuReport_Click);
    mnuDraw = AddAction(wheel, "mnuDraw", "Check a &draw...", QKeySequence("Ctrl+D"),
                        &frmAccess::mnuDraw_Click);
    wheel->addSeparator();
    mnuBuild = AddAction(wheel, "mnuBuild", "&Build a wheel...", QKeySequence("Ctrl+B"),
                         &frmAccess::mnuBuild_Click);

    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction("&How to use Quorvex", QKeySequence::HelpContents, this,
                    [this] { ShowGuide(this); })
        ->setObjectName("mnuGuide");
    help->addAction("&About Quorvex", this, [this] { ShowAbout(this); })->setObjectName("mnuAbout");
}

QAction* frmAccess::AddAction(QMenu* menu, const char* name, const QString& text,
                              const QKeySequence& shortcut, void (frmAccess::*handler)()) {
    QAction* action = menu->addAction(text, shortcut, this, handler);
    action->setObjectName(name);
    return action;
}

// What cannot act is off: nothing to save before GENERATE, nothing to report before ACQUIRE.
void frmAccess::UpdateActions() {
    for (QAction* action : {mnuSave, mnuCopy, mnuPrint}) {
        action->setEnabled(gSystemLineCount > 0);
    }
    for (QAction* action : {mnuReport, mnuDraw}) {
        action->setEnabled(gMatrixLineCount > 0);
    }
}

void frmAccess::ShowNotice(std::string_view text) {
    ShowMessage(this, text, "OK");
}

void frmAccess::ShowKey(int n, KeyState state, std::uint32_t color) {
    static const char* const kStateNames[] = {"free", "selected", "base"};
    cmdNumero[n]->setStyleSheet(KeyStyleSheet(color));
    cmdNumero[n]->setAccessibleDescription(kStateNames[state]);
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
    for (int n = 1; n <= kHighestNumber; ++n) {
        ShowKey(n, outcome.state, outcome.color);
    }
    ShowCounts(outcome.selectedCount, outcome.baseCount);
    emit keysChanged();
}

void frmAccess::cmdAcquire_Click() {
    const QByteArray text = txtLista->toPlainText().toUtf8();
    const AcquireOutcome outcome =
        AcquireMatrix({text.constData(), static_cast<std::size_t>(text.size())});
    if (!outcome.notice.empty()) {
        ShowNotice(outcome.notice);
    }
    if (!outcome.statusText.empty()) {
        ShowStatus(FromUtf8(outcome.statusText));
    }
    if (outcome.tokenLength > 0) {
        // The token the notice names, selected for the user to mend.
        auto characters = [&text](std::size_t from, std::size_t bytes) {
            return static_cast<int>(
                QString::fromUtf8(text.constData() + from, static_cast<qsizetype>(bytes)).size());
        };
        const int start = characters(0, outcome.tokenStart);
        QTextCursor cursor = txtLista->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + characters(outcome.tokenStart, outcome.tokenLength),
                           QTextCursor::KeepAnchor);
        txtLista->setTextCursor(cursor);
        txtLista->setFocus();
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
    ShowNotice(outcome.notice);
    if (outcome.developed) {
        UpdateActions();
        emit systemChanged();
    }
}

void frmAccess::cmdVisualizza_Click() {
    const ListOutcome outcome = ListSystem();
    if (!outcome.notice.empty()) {
        ShowNotice(outcome.notice);
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
    txtLista->setTextCursor(cursor);
    txtLista->ensureCursorVisible();
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
    // A file dropped on the text box is opened; dropped text is the box's own business.
    if (txtLista && watched == txtLista->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (DroppedFile(drop).isEmpty()) {
                break;
            }
            drop->acceptProposedAction();
            if (event->type() == QEvent::Drop) {
                dropEvent(drop);
            }
            return true;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Files on this computer only: nothing is fetched from the network.
QString frmAccess::DroppedFile(const QDropEvent* event) const {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

void frmAccess::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event).isEmpty()) {
        event->acceptProposedAction();
    }
}

void frmAccess::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event);
    if (!file.isEmpty()) {
        event->acceptProposedAction();
        // Opened once the drop is over: a notice must not run inside the drag.
        QTimer::singleShot(0, this, [this, file] { OpenWheelFile(file); });
    }
}

void frmAccess::txtLista_ContextMenu(const QPoint& position) {
    QMenu* menu = txtLista->createStandardContextMenu(position);
    menu->addSeparator();
    menu->addActions({mnuOpen, mnuSave, mnuCopy});
    menu->exec(txtLista->viewport()->mapToGlobal(position));
    delete menu;
}

void frmAccess::mnuOpen_Click() {
    const QString path = QFileDialog::getOpenFileName(this, "Open wheel", LastFolder(),
                                                      "Wheels (*.txt *.csv);;All files (*)");
    if (!path.isEmpty()) {
        OpenWheelFile(path);
    }
}

bool frmAccess::OpenWheelFile(const QString& path) {
    const WheelFileText file = ReadWheelFile(QFile::encodeName(path).toStdString());
    if (!file.problem.empty()) {
        ShowNotice("Cannot open the wheel ..!|" + ShortFileName(path).toStdString() + "|" +
                   file.problem);
        return false;
    }
    RememberFolder(path);
    AddRecentWheel(path);
    UseWheelText(FromUtf8(file.text));
    return true;
}

void frmAccess::UseWheelText(const QString& text) {
    ReplaceText(text);
    txtLista->moveCursor(QTextCursor::Start);
    cmdAcquire_Click();
}

// VIEW's notice when there is nothing to save, copy or print.
void frmAccess::mnuSave_Click() {
    SaveTicketsAs(this);
}

bool frmAccess::SaveTickets(const QString& path, bool withHeader) {
    return ui::SaveTickets(this, path, withHeader);
}

void frmAccess::mnuCopy_Click() {
    CopyTickets(this);
}

void frmAccess::mnuPrint_Click() {
    PreviewTickets(this);
}

bool frmAccess::PrintTickets(QPrinter* printer) {
    return ui::PrintTickets(this, printer);
}

void frmAccess::mnuReport_Click() {
    if (!report) {
        report = new frmReport(this);
        connect(this, &frmAccess::wheelChanged, report, &frmReport::WheelChanged);
        connect(this, &frmAccess::keysChanged, report, &frmReport::KeysChanged);
    }
    Present(report);
}

void frmAccess::mnuDraw_Click() {
    if (!draw) {
        draw = new frmDraw(this);
        connect(this, &frmAccess::systemChanged, draw, &frmDraw::SystemChanged);
        connect(draw, &frmDraw::drawChecked, this, &frmAccess::DrawChecked);
    }
    Present(draw);
}

void frmAccess::mnuBuild_Click() {
    if (!build) {
        build = new frmBuild(this);
        connect(this, &frmAccess::wheelChanged, build, &frmBuild::WheelChanged);
        connect(build, &frmBuild::useWheel, this, &frmAccess::UseWheelText);
    }
    Present(build);
}

void frmAccess::mnuTickets_Click() {
    if (!tickets) {
        tickets = new frmTickets(this);
        connect(this, &frmAccess::systemChanged, tickets, &frmTickets::SystemChanged);
        tickets->DrawChecked(lastDraw);
    }
    Present(tickets);
}

void frmAccess::DrawChecked(const std::vector<int>& drawn) {
    lastDraw = drawn;
    if (tickets) {
        tickets->DrawChecked(drawn);
    }
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
