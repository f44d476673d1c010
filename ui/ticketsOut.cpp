// The developed tickets going out: to a file, the clipboard, the printer.
#include "ticketsOut.h"

#include "design.h"
#include "frmMessage.h"
#include "gameSettings.h"
#include "operations.h"
#include "refusalNotice.h"
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
    for (const std::string& line :
         TicketsHeader(QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toStdString(),
                       CurrentGame())) {
        header << FromUtf8(line);
    }
    return header;
}

// VIEW's notice when nothing is developed; true when something is.
bool RequireTickets(QWidget* owner) {
    const auto nothing = NothingDeveloped();
    if (nothing) {
        ShowRefusal(owner, *nothing);
    }
    return !nothing;
}

} // namespace

std::optional<Refusal> SaveTickets(const QString& path, bool withHeader) {
    const ListOutcome listed = ListSystem();
    if (listed.refusal) {
        return listed.refusal;
    }
    QByteArray bytes;
    if (withHeader) { // a separate choice: a header makes the file no wheel to open again
        for (const QString& line : Header()) {
            bytes += line.toUtf8() + "\r\n";
        }
        bytes += "\r\n";
    }
    bytes += QByteArray::fromRawData(listed.listing.data(),
                                     static_cast<qsizetype>(listed.listing.size()));
    return SaveText(path, bytes);
}

std::optional<Refusal> PrintTickets(QPrinter* printer) {
    if (auto nothing = NothingDeveloped()) {
        return nothing;
    }
    if (!TicketPages(*printer, Header(), DevelopedTickets()).Paint()) {
        return Refusal{printer->outputFileName().isEmpty()
                           ? std::string("the printer did not start")
                           : "cannot write " +
                                 ShortFileName(printer->outputFileName()).toStdString()};
    }
    return std::nullopt;
}

void SaveTicketsAs(QWidget* owner) {
    if (!RequireTickets(owner)) {
        return;
    }
    const SaveChoice choice =
        SaveFileName(owner, "Save tickets as", "tickets.txt",
                     QString(kTicketsFilter) + ";;" + kTicketsWithHeaderFilter);
    if (choice.path.isEmpty()) {
        return;
    }
    if (const auto refusal = SaveTickets(choice.path, choice.filter == kTicketsWithHeaderFilter)) {
        ShowFileRefusal(owner, "save the tickets", choice.path, *refusal);
    }
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
                     [owner](QPrinter* pages) {
                         if (const auto refusal = PrintTickets(pages)) {
                             ShowRefusal(owner, "Cannot print the tickets ..!", *refusal);
                         }
                     });
    preview.exec();
}

} // namespace quorvex::ui
