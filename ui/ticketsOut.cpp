// The developed tickets going out: to a file, the clipboard, the printer.
#include "ticketsOut.h"

#include "design.h"
#include "frmMessage.h"
#include "operations.h"
#include "textFile.h"
#include "ticketPrint.h"
#include "ticket_header.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace quorvex::ui {

namespace {

constexpr char kTicketsFilter[] = "Tickets (*.txt)";
constexpr char kTicketsWithHeaderFilter[] = "Tickets with a header (*.txt)";
// A preview of more pages takes long to build, and nobody prints them.
constexpr int kMostPrintedPages = 1000;

QStringList Header() {
    QStringList header;
    for (const std::string& line : TicketsHeader(
             QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toStdString())) {
        header << FromUtf8(line);
    }
    return header;
}

} // namespace

bool RequireTickets(QWidget* owner) {
    const bool developed = !DevelopedTickets().empty();
    if (!developed) {
        ShowMessage(owner, kNothingDevelopedNotice, "OK");
    }
    return developed;
}

void SaveTicketsAs(QWidget* owner) {
    if (!RequireTickets(owner)) {
        return;
    }
    QString filter = kTicketsFilter;
    const QString path =
        SaveFileName(owner, "Save tickets as", "tickets.txt",
                     QString(kTicketsFilter) + ";;" + kTicketsWithHeaderFilter, &filter);
    if (!path.isEmpty()) {
        SaveTickets(owner, path, filter == kTicketsWithHeaderFilter);
    }
}

bool SaveTickets(QWidget* owner, const QString& path, bool withHeader) {
    if (!RequireTickets(owner)) {
        return false;
    }
    const ListOutcome listed = ListSystem();
    QByteArray bytes;
    if (withHeader) { // a separate choice: a header makes the file no wheel to open again
        for (const QString& line : Header()) {
            bytes += line.toUtf8() + "\r\n";
        }
        bytes += "\r\n";
    }
    bytes += QByteArray::fromRawData(listed.listing.data(),
                                     static_cast<qsizetype>(listed.listing.size()));
    const QString problem = SaveText(path, bytes);
    if (!problem.isEmpty()) {
        ShowMessage(
            owner,
            ("Cannot save the tickets ..!|" + ShortFileName(path) + "|" + problem).toStdString(),
            "OK");
        return false;
    }
    return true;
}

void CopyTickets(QWidget* owner) {
    if (RequireTickets(owner)) {
        QApplication::clipboard()->setText(QString::fromLatin1(ListSystem().listing).remove('\r'));
    }
}

void PreviewTickets(QWidget* owner) {
    if (!RequireTickets(owner)) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    const int pages = TicketPages(printer, Header(), DevelopedTickets()).Count();
    if (pages > kMostPrintedPages) {
        ShowMessage(owner,
                    "Too many tickets to print ..!|They would fill " + std::to_string(pages) +
                        " pages:|save them as a text file instead.",
                    "OK");
        return;
    }
    QPrintPreviewDialog preview(&printer, owner);
    preview.setWindowTitle("Print tickets - Quorvex");
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, owner,
                     [owner](QPrinter* pages) { PrintTickets(owner, pages); });
    preview.exec();
}

bool PrintTickets(QWidget* owner, QPrinter* printer) {
    if (!RequireTickets(owner)) {
        return false;
    }
    if (!TicketPages(*printer, Header(), DevelopedTickets()).Paint()) {
        const QString target = printer->outputFileName().isEmpty()
                                   ? QString("the printer did not start")
                                   : "cannot write " + ShortFileName(printer->outputFileName());
        ShowMessage(owner, ("Cannot print the tickets ..!|" + target).toStdString(), "OK");
        return false;
    }
    return true;
}

} // namespace quorvex::ui
