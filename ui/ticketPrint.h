#pragma once
// The developed tickets on paper (or PDF): on every page the header, the
// tickets numbered in as many columns as fit, and "page i of n" at the foot.

#include "line_list.h"

#include <QFont>
#include <QStringList>

class QPrinter;

namespace quorvex::ui {

class TicketPages {
public:
    TicketPages(QPrinter& printer, QStringList header, const LineList& tickets);

    int Count() const { return pages; }
    // False when the printer cannot start (a PDF file that cannot be written, say).
    bool Paint();

private:
    QPrinter& printer;
    QStringList header;
    const LineList& tickets;
    QFont bodyFont;
    QFont headerFont;
    double lineHeight = 0, headerHeight = 0, numberWidth = 0, columnWidth = 0;
    double pageWidth = 0, pageHeight = 0;
    int columns = 1, rows = 1, pages = 1;
};

} // namespace quorvex::ui
