#pragma once
// The developed tickets going out: to a file (as VIEW lists them, with or
// without the header), to the clipboard, and to a printer through a preview,
// up to a page cap. Saving and printing return why they failed; the Save
// as, Copy and Print commands show that over `owner`.

#include "refusal.h"

#include <optional>

class QPrinter;
class QString;
class QWidget;

namespace quorvex::ui {

// The tickets with CR LF line ends, the header above them when asked for.
// Both refuse with VIEW's notice while nothing is developed.
std::optional<Refusal> SaveTickets(const QString& path, bool withHeader);
// Paints the tickets on the printer's pages.
std::optional<Refusal> PrintTickets(QPrinter* printer);

// The save dialog, then SaveTickets with the header when its filter asks for one.
void SaveTicketsAs(QWidget* owner);
void CopyTickets(QWidget* owner);
// The print preview, unless the tickets would fill more pages than anyone prints.
void PreviewTickets(QWidget* owner);

} // namespace quorvex::ui
