// The developed tickets laid out on printed pages.
#include "ticketPrint.h"

#include "design.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace quorvex::ui {

TicketPages::TicketPages(QPrinter& printer, QStringList header, const LineList& tickets)
    : printer(printer), header(std::move(header)), tickets(tickets),
      bodyFont(DesignFont("DejaVu Sans Mono", 9.5)), headerFont(DesignFont("DejaVu Sans", 10)) {
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    pageWidth = page.width();
    pageHeight = page.height();
    const QFontMetricsF body(bodyFont, &printer);
    const QFontMetricsF head(headerFont, &printer);
    lineHeight = body.lineSpacing();
    headerHeight = head.lineSpacing() * (static_cast<double>(this->header.size()) + 1);
    const double footerHeight = head.lineSpacing() * 1.5;

    const std::size_t longest = std::max<std::size_t>(tickets.widest(), 1);
    numberWidth = body.horizontalAdvance(QString("%1.").arg(tickets.size()));
    const QString widest(static_cast<qsizetype>(3 * longest - 1), QChar('0'));
    const double gap = body.horizontalAdvance("   ");
    columnWidth = numberWidth + body.horizontalAdvance(' ') + body.horizontalAdvance(widest) + gap;
    columns = std::max(1, static_cast<int>((pageWidth + gap) / columnWidth));
    rows = std::max(1, static_cast<int>((pageHeight - headerHeight - footerHeight) / lineHeight));
    const auto perPage = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    pages = std::max(1, static_cast<int>((tickets.size() + perPage - 1) / perPage));
}

bool TicketPages::Paint() {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QFontMetricsF head(headerFont, &printer);
    QFont boldHeader = headerFont;
    boldHeader.setBold(true);
    const auto perPage = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            printer.newPage();
        }
        for (int i = 0; i < header.size(); ++i) {
            painter.setFont(i == 0 ? boldHeader : headerFont);
            painter.drawText(QPointF(0, head.ascent() + i * head.lineSpacing()), header[i]);
        }
        const double ruleY = headerHeight - head.lineSpacing() / 2;
        painter.drawLine(QPointF(0, ruleY), QPointF(pageWidth, ruleY));

        painter.setFont(bodyFont);
        const std::size_t first = static_cast<std::size_t>(page) * perPage;
        for (std::size_t k = 0; k < perPage && first + k < tickets.size(); ++k) {
            const std::size_t ticket = first + k; // down each column, then across
            const double x = static_cast<double>(k / static_cast<std::size_t>(rows)) * columnWidth;
            const double y =
                headerHeight + static_cast<double>(k % static_cast<std::size_t>(rows)) * lineHeight;
            painter.drawText(QRectF(x, y, numberWidth, lineHeight),
                             Qt::AlignRight | Qt::AlignVCenter, QString("%1.").arg(ticket + 1));
            const double textX = x + numberWidth + painter.fontMetrics().horizontalAdvance(' ');
            const QString text = painter.fontMetrics().elidedText(
                TwoDigitLineText(tickets.line(ticket)), Qt::ElideRight,
                static_cast<int>(pageWidth - textX));
            painter.drawText(QRectF(textX, y, pageWidth - textX, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, text);
        }

        painter.setFont(headerFont);
        painter.drawText(QRectF(0, pageHeight - head.lineSpacing(), pageWidth, head.lineSpacing()),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QString("page %1 of %2").arg(page + 1).arg(pages));
    }
    return painter.end();
}

} // namespace quorvex::ui
