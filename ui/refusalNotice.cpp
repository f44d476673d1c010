// Refusals shown: the notice, and the refused text selected for mending.
#include "refusalNotice.h"

#include "design.h"
#include "frmMessage.h"
#include "textFile.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace quorvex::ui {

namespace {

// The refused part of `text` in characters, as the box counts them: where it starts and ends.
std::pair<int, int> CharacterSpan(const QByteArray& text, const Refusal& refusal) {
    const auto characters = [&text](std::size_t bytes) {
        return static_cast<int>(
            QString::fromUtf8(text.constData(), static_cast<qsizetype>(bytes)).size());
    };
    return {characters(refusal.start), characters(refusal.start + refusal.length)};
}

void ShowNotice(QWidget* owner, std::string_view heading, const Refusal& refusal) {
    ShowMessage(owner, std::string(heading) + "|" + refusal.reason, "OK");
}

} // namespace

void ShowRefusal(QWidget* owner, std::string_view heading, const Refusal& refusal,
                 QPlainTextEdit* box, const QByteArray& text) {
    ShowNotice(owner, heading, refusal);
    if (refusal.length > 0) {
        const auto [start, end] = CharacterSpan(text, refusal);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        box->setFocus();
    }
}

void ShowRefusal(QWidget* owner, std::string_view heading, const Refusal& refusal, QLineEdit* box,
                 const QByteArray& text) {
    ShowNotice(owner, heading, refusal);
    const auto [start, end] = CharacterSpan(text, refusal);
    box->setFocus();
    box->setSelection(start, end - start);
}

void ShowRefusal(QWidget* owner, const Refusal& refusal) {
    ShowMessage(owner, refusal.reason, "OK");
}

void ShowRefusal(QWidget* owner, std::string_view heading, const Refusal& refusal) {
    ShowNotice(owner, heading, refusal);
}

void ShowFileRefusal(QWidget* owner, const QString& what, const QString& path,
                     const Refusal& refusal) {
    ShowNotice(owner, ("Cannot " + what + " ..!|" + ShortFileName(path)).toStdString(), refusal);
}

void ShowSkippedLines(QWidget* owner, const DrawHistory& history) {
    std::string notice;
    for (const std::string& line : HistoryLines(history)) {
        notice += (notice.empty() ? "" : "|") + line;
    }
    ShowMessage(owner, notice, "OK");
}

} // namespace quorvex::ui
