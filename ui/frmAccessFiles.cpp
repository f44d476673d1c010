// The main window's wheel files: the Open dialog, Open Recent and files dropped on it.
#include "frmAccess.h"

#include "design.h"
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

bool frmAccess::OpenWheelFile(const QString& path) {
    const WheelFileText file = ReadWheelFile(FilePath(path));
    if (file.refusal) {
        ShowFileRefusal(this, "open the wheel", path, *file.refusal);
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
