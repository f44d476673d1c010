#pragma once
// The developed tickets going out: to a file (as VIEW lists them, with or
// without the header), to the clipboard, and to a printer through a preview,
// up to a page cap. Each says what went wrong in a notice over `owner`.

#include <QString>

class QPrinter;
class QWidget;

namespace quorvex::ui {

// True when tickets are developed; otherwise shows VIEW's notice and gives false.
bool RequireTickets(QWidget* owner);

// The save dialog, then SaveTickets with the header when its filter asks for one.
void SaveTicketsAs(QWidget* owner);
bool SaveTickets(QWidget* owner, const QString& path, bool withHeader);
void CopyTickets(QWidget* owner);
// The print preview, unless the tickets would fill more pages than anyone prints.
void PreviewTickets(QWidget* owner);
bool PrintTickets(QWidget* owner, QPrinter* printer);

} // namespace quorvex::ui
