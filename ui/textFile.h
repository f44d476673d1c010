#pragma once
// Text files the windows write, and the folder they open dialogs in.

#include <QByteArray>
#include <QString>

namespace quorvex::ui {

// Writes through a temporary file that replaces `path` only once all is
// written, so a failure leaves any file already there untouched. Returns why
// it failed, or an empty string.
QString SaveText(const QString& path, const QByteArray& bytes);

// A file's name as a notice can show it on one line.
QString ShortFileName(const QString& path);

// The folder last used for opening or saving, kept between runs.
QString LastFolder();
void RememberFolder(const QString& file);

} // namespace quorvex::ui
