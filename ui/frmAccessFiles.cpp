// The main window's files: wheels and plays opened (the Open dialogs, Open Recent,
// files dropped on it), plays saved.
#include "frmAccess.h"

#include "design.h"
#include "gameSettings.h"
#include "play.h"
#include "recentWheels.h"
#include "refusalNotice.h"
#include "textFile.h"
#include "wheel_file.h"

#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <QUrl>

namespace quorvex::ui {

void frmAccess::mnuOpen_Click() {
    const QString path = OpenFileName(this, "Open wheel", "Wheels (*.txt *.csv);;All files (*)");
    if (!path.isEmpty()) {
        OpenWheelFile(path);
    }
}

void frmAccess::mnuOpenPlay_Click() {
    const QString path = OpenFileName(this, "Open play", "Plays (*.txt);;All files (*)");
    if (!path.isEmpty()) {
        OpenWheelFile(path); // a play is told from a wheel by its first line
    }
}

void frmAccess::mnuSavePlay_Click() {
    const PlayOutcome kept = CurrentPlay(CurrentGame());
    if (kept.refusal) {
        ShowRefusal(this, *kept.refusal);
        return;
    }
    const SaveChoice choice =
        SaveFileName(this, "Save play as", "play.txt", "Plays (*.txt);;All files (*)");
    if (choice.path.isEmpty()) {
        return;
    }
    if (const auto refusal =
            SaveText(choice.path, QByteArray::fromStdString(PlayText(kept.play)))) {
        ShowFileRefusal(this, "save the play", choice.path, *refusal);
        return;
    }
    AddRecentWheel(choice.path);
}

bool frmAccess::OpenWheelFile(const QString& path) {
    const WheelFileText file = ReadWheelFile(FilePath(path));
    if (file.refusal) {
        ShowFileRefusal(this, "open the wheel", path, *file.refusal);
        return false;
    }
    if (LooksLikePlay(file.text)) {
        return UsePlay(path, file.text);
    }
    RememberFolder(path);
    AddRecentWheel(path);
    UseWheelText(FromUtf8(file.text));
    return true;
}

// A play read back whole or not at all: its game, its keys, its wheel held and
// shown in the box. The tickets developed before stay until GENERATE.
bool frmAccess::UsePlay(const QString& path, std::string_view text) {
    const PlayReading read = ReadPlay(text);
    if (read.refusal) {
        ShowFileRefusal(this, "open the play", path, *read.refusal);
        return false;
    }
    RememberFolder(path);
    AddRecentWheel(path);
    SetCurrentGame(read.play->game);
    const TakenPlay taken = TakePlay(*read.play);
    FollowGame();
    ReplaceText(FromUtf8(read.play->wheel));
    txtLista->moveCursor(QTextCursor::Start);
    ShowStatus(FromUtf8(taken.wheel.statusText));
    UpdateActions();
    emit gameChanged();
    emit keysChanged();
    emit wheelChanged();
    return true;
}

void frmAccess::UseWheelText(const QString& text) {
    ReplaceText(text);
    txtLista->moveCursor(QTextCursor::Start);
    cmdAcquire_Click();
}

// A file dropped on the text box is opened; dropped text is the box's own business.
bool frmAccess::FilterDrop(QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (DroppedFile(drop).isEmpty()) {
            return false;
        }
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop) {
            dropEvent(drop);
        }
        return true;
    }
    default:
        return false;
    }
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

} // namespace quorvex::ui
