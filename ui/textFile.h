#pragma once
// Text files the windows write, and the folder they open dialogs in.

#include "refusal.h"

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <optional>

class QWidget;

namespace quorvex::ui {

// Writes through a temporary file that replaces `path` only once all is
// written, so a failure leaves any file already there untouched. Returns why
// it failed, or nothing.
std::optional<Refusal> SaveText(const QString& path, const QByteArray& bytes);

// A file name from a dialog or the command line, as the engine opens it: the
// system's own spelling (UTF-16 on Windows, the locale's bytes elsewhere).
std::filesystem::path FilePath(const QString& path);

// A file's name as a notice can show it on one line.
QString ShortFileName(const QString& path);

// The folder last opened from, kept between runs.
QString LastFolder();
void RememberFolder(const QString& file);

// The open dialog, in the folder last opened from; empty when the user cancels.
QString OpenFileName(QWidget* owner, const QString& title, const QString& filters);

struct SaveChoice {
    QString path;   // empty when the user cancelled
    QString filter; // the filter chosen
};

// The save dialog: it starts in the folder last saved to (kept apart from the
// one last opened from) under the first of `filters`, and a name typed
// without a suffix under a filter of text files gets ".txt".
SaveChoice SaveFileName(QWidget* owner, const QString& title, const QString& name,
                        const QString& filters);
// `path`, with ".txt" added when it has no suffix and the filter is for *.txt.
QString WithTextSuffix(const QString& path, const QString& filter);

} // namespace quorvex::ui
