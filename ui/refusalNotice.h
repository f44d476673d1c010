#pragma once
// How a window shows what the engine refused: the notice through the message
// dialog, then the text it names selected in the box it came from, for
// mending; and the one notice for a file that could not be read or written.

#include "draw_history.h"
#include "refusal.h"

#include <QByteArray>
#include <QString>

#include <string_view>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace quorvex::ui {

// "heading|reason", then the refused part of `text` (the box's text, as UTF-8)
// selected in the box.
void ShowRefusal(QWidget* owner, std::string_view heading, const Refusal& refusal,
                 QPlainTextEdit* box, const QByteArray& text);
void ShowRefusal(QWidget* owner, std::string_view heading, const Refusal& refusal, QLineEdit* box,
                 const QByteArray& text);

// The refusal's reason alone, as a notice; or under a heading ("Not a game ..!").
void ShowRefusal(QWidget* owner, const Refusal& refusal);
void ShowRefusal(QWidget* owner, std::string_view heading, const Refusal& refusal);

// "Cannot save the tickets ..!|tickets.txt|reason".
void ShowFileRefusal(QWidget* owner, const QString& what, const QString& path,
                     const Refusal& refusal);

// The lines of a history that are no draw of the game, and why: "312 draws read; 2 lines
// skipped:|line 17: 91 is not a number 1-90".
void ShowSkippedLines(QWidget* owner, const DrawHistory& history);

} // namespace quorvex::ui
