// The Edit menu, acting on the text box wherever the focus is.
#include "editMenu.h"

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace quorvex::ui {

void AddEditMenu(QMenuBar* bar, QPlainTextEdit* box) {
    QMenu* edit = bar->addMenu("&Edit");
    const auto add = [edit, box](const char* name, const QString& text,
                                 QKeySequence::StandardKey keys, void (QPlainTextEdit::*act)()) {
        QAction* action = edit->addAction(text, QKeySequence(keys), box, act);
        action->setObjectName(name);
        return action;
    };
    QAction* undo = add("mnuUndo", "&Undo", QKeySequence::Undo, &QPlainTextEdit::undo);
    QAction* redo = add("mnuRedo", "&Redo", QKeySequence::Redo, &QPlainTextEdit::redo);
    edit->addSeparator();
    QAction* cut = add("mnuCut", "Cu&t", QKeySequence::Cut, &QPlainTextEdit::cut);
    QAction* copy = add("mnuCopyText", "&Copy", QKeySequence::Copy, &QPlainTextEdit::copy);
    add("mnuPaste", "&Paste", QKeySequence::Paste, &QPlainTextEdit::paste);
    edit->addSeparator();
    add("mnuSelectAll", "Select &All", QKeySequence::SelectAll, &QPlainTextEdit::selectAll);

    // What cannot act is off, as the box itself knows.
    undo->setEnabled(box->document()->isUndoAvailable());
    redo->setEnabled(box->document()->isRedoAvailable());
    cut->setEnabled(box->textCursor().hasSelection());
    copy->setEnabled(box->textCursor().hasSelection());
    QObject::connect(box, &QPlainTextEdit::undoAvailable, undo, &QAction::setEnabled);
    QObject::connect(box, &QPlainTextEdit::redoAvailable, redo, &QAction::setEnabled);
    QObject::connect(box, &QPlainTextEdit::copyAvailable, cut, &QAction::setEnabled);
    QObject::connect(box, &QPlainTextEdit::copyAvailable, copy, &QAction::setEnabled);
}

} // namespace quorvex::ui
