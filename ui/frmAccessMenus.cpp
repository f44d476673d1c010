// The main window's menu bar: its actions, which of them are on, and the windows they open.
#include "frmAccess.h"

#include "editMenu.h"
#include "frmBuild.h"
#include "frmDraw.h"
#include "frmGame.h"
#include "frmHelp.h"
#include "frmPastDraws.h"
#include "frmReport.h"
#include "frmTickets.h"
#include "gameSettings.h"
#include "operations.h"
#include "recentWheels.h"
#include "refusalNotice.h"
#include "textFile.h"
#include "toolWindow.h"
#include "wheel_file.h"

#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>

namespace quorvex::ui {

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
    AddAction(file, "mnuOpenPlay", "Open p&lay...", QKeySequence("Ctrl+Alt+O"),
              &frmAccess::mnuOpenPlay_Click);
    AddAction(file, "mnuSavePlay", "Save play &as...", QKeySequence("Ctrl+Alt+S"),
              &frmAccess::mnuSavePlay_Click);
    file->addSeparator();
    mnuSave = AddAction(file, "mnuSave", "&Save tickets as...", QKeySequence("Ctrl+S"),
                        &frmAccess::mnuSave_Click);
    mnuCopy = AddAction(file, "mnuCopy", "&Copy tickets", QKeySequence("Ctrl+Shift+C"),
                        &frmAccess::mnuCopy_Click);
    mnuPrint = AddAction(file, "mnuPrint", "&Print tickets...", QKeySequence("Ctrl+P"),
                         &frmAccess::mnuPrint_Click);
    file->addSeparator();
    AddAction(file, "mnuPastDraws", "Open past &draws...", QKeySequence("Ctrl+Shift+O"),
              &frmAccess::mnuPastDraws_Click);
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
    AddAction(wheel, "mnuGame", "Ga&me...", QKeySequence("Ctrl+G"), &frmAccess::mnuGame_Click);
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
        action->setEnabled(!DevelopedTickets().empty());
    }
    for (QAction* action : {mnuReport, mnuDraw}) {
        action->setEnabled(!HeldWheel().empty());
    }
}

namespace {

// Makes the window on first asking, wired to the main one by `wire`, and brings it forward.
template <class Window, class Wire>
void OpenOnce(QPointer<Window>& held, QWidget* owner, Wire wire) {
    if (!held) {
        held = new Window(owner);
        wire(held.data());
    }
    Present(held);
}

} // namespace

void frmAccess::mnuReport_Click() {
    OpenOnce(report, this, [this](frmReport* opened) {
        connect(this, &frmAccess::wheelChanged, opened, &frmReport::WheelChanged);
        connect(this, &frmAccess::keysChanged, opened, &frmReport::KeysChanged);
        connect(this, &frmAccess::gameChanged, opened, &frmReport::GameChanged);
    });
}

void frmAccess::mnuDraw_Click() {
    OpenOnce(draw, this, [this](frmDraw* opened) {
        connect(this, &frmAccess::systemChanged, opened, &frmDraw::SystemChanged);
        connect(this, &frmAccess::gameChanged, opened, &frmDraw::GameChanged);
        connect(opened, &frmDraw::drawChecked, this, &frmAccess::DrawChecked);
    });
}

void frmAccess::mnuBuild_Click() {
    OpenOnce(build, this, [this](frmBuild* opened) {
        connect(this, &frmAccess::wheelChanged, opened, &frmBuild::WheelChanged);
        connect(this, &frmAccess::gameChanged, opened, &frmBuild::GameChosen);
        connect(opened, &frmBuild::useWheel, this, &frmAccess::UseWheelText);
    });
}

void frmAccess::mnuTickets_Click() {
    OpenOnce(tickets, this, [this](frmTickets* opened) {
        connect(this, &frmAccess::systemChanged, opened, &frmTickets::SystemChanged);
        connect(this, &frmAccess::gameChanged, opened, &frmTickets::ShowSummary);
        opened->DrawChecked(lastDraw);
    });
}

void frmAccess::mnuGame_Click() {
    frmGame dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        const int picked = PickedCount();
        FollowGame(); // the dialog asked before keys the game does not draw are freed
        emit gameChanged();
        if (PickedCount() != picked) {
            emit keysChanged();
        }
    }
}

// Past draws of the game chosen, from a file read as wheel files are; a file
// with no draw of the game changes nothing.
void frmAccess::mnuPastDraws_Click() {
    const QString path =
        OpenFileName(this, "Open past draws", "Past draws (*.txt *.csv);;All files (*)");
    if (!path.isEmpty()) {
        OpenPastDraws(path);
    }
}

bool frmAccess::OpenPastDraws(const QString& path) {
    const WheelFileText file = ReadWheelFile(FilePath(path));
    const Game game = CurrentGame();
    const DrawHistory history =
        file.refusal ? DrawHistory{} : ParseHistory(file.text, game.balls, game.drawn);
    if (const auto refusal = file.refusal ? file.refusal : history.refusal) {
        ShowFileRefusal(this, "open the past draws", path, *refusal);
        return false;
    }
    RememberFolder(path);
    if (!history.skipped.empty()) {
        ShowSkippedLines(this, history);
    }
    OpenOnce(pastDraws, this, [this](frmPastDraws* opened) {
        connect(this, &frmAccess::systemChanged, opened, &frmPastDraws::SystemChanged);
        connect(this, &frmAccess::gameChanged, opened, &frmPastDraws::GameChanged);
        connect(opened, &frmPastDraws::checkDraw, this, &frmAccess::CheckDraw);
    });
    pastDraws->ShowHistory(file.text, history, QFileInfo(path).fileName());
    return true;
}

// A past draw opened in Check a draw, as if typed there.
void frmAccess::CheckDraw(const std::vector<int>& numbers) {
    mnuDraw_Click();
    draw->CheckDrawn(numbers);
}

void frmAccess::DrawChecked(const std::vector<int>& drawn) {
    lastDraw = drawn;
    if (tickets) {
        tickets->DrawChecked(drawn);
    }
}

} // namespace quorvex::ui
