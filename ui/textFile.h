#pragma once
// Text files the windows write, and the folder they open dialogs in.

#include <QByteArray>
#include <QString>

class QWidget;

namespace quorvex::ui {

// Writes through a temporary file that replaces `path` only once all is
// written, so a failure leaves any file already there untouched. Returns why
// it failed, or an empty string.
QString SaveText(const QString& path, const QByteArray& bytes);

// A file's name as a notice can show it on one line.
QString ShortFileName(const QString& path);

// The folder last opened from, kept between runs.
QString LastFolder();
void RememberFolder(const QString& file);

// The save dialog: it starts in the folder last saved to (kept apart from the
// one last opened from), and a name typed without a suffix under a filter of
// text files gets ".txt". Empty when the user cancels.
QString SaveFileName(QWidget* owner, const QString& title, const QString& name,
                     const QString& filters, QString* selectedFilter = nullptr);
// `path`, with ".txt" added when it has no suffix and the filter is for *.txt.
QString WithTextSuffix(const QString& path, const QString& filter);

} // namespace quorvex::ui
