// The report's coverage and chances tables, filled from the engine's figures.
#include "reportTables.h"

#include <QHeaderView>
#include <QLocale>

#include <cmath>

namespace quorvex::ui {

// Never rounded to 0% or 100% unless it is exactly that.
QString Percent(std::uint64_t part, std::uint64_t whole, int decimals) {
    const double percent = 100.0 * static_cast<double>(part) / static_cast<double>(whole);
    const double smallest = std::pow(10.0, -decimals);
    const QString shown = QLocale().toString(smallest, 'f', decimals);
    if (part > 0 && percent < smallest) {
        return "<" + shown + "%";
    }
    if (part < whole && percent > 100 - smallest) {
        return ">" + QLocale().toString(100 - smallest, 'f', decimals) + "%";
    }
    return QLocale().toString(percent, 'f', part == 0 || part == whole ? 0 : decimals) + "%";
}

QString Count(std::uint64_t n) {
    return QLocale().toString(static_cast<qulonglong>(n));
}

// One decimal below 100 (7.8, 89.6), whole numbers from there on (111, 3,718).
QString OneDrawIn(double probability) {
    const double oneIn = 1 / probability;
    const bool whole = std::round(oneIn * 10) >= 1000;
    return QLocale().toString(oneIn, 'f', whole ? 0 : 1);
}

QTableWidget* ReportTable(const char* name, const char* accessibleName) {
    auto* table = new QTableWidget;
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

// A table as tall as its rows, so that no empty band stands below them.
void FitTable(QTableWidget* table) {
    table->resizeRowsToContents();
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row) {
        height += table->rowHeight(row);
    }
    table->setFixedHeight(height);
}

void ShowCoverageTable(QTableWidget* table, const CoverageTable* coverage, bool exactCounts) {
    const int drawn = coverage ? coverage->drawn : 0;
    table->clear();
    table->setRowCount(drawn);
    table->setColumnCount(drawn + 1);
    QStringList rows, columns;
    for (int m = 1; m <= drawn; ++m) {
        rows << QString("%1 drawn").arg(m);
    }
    for (int t = 0; t <= drawn; ++t) {
        columns << QString("best %1").arg(t);
    }
    table->setVerticalHeaderLabels(rows);
    table->setHorizontalHeaderLabels(columns);
    for (int m = 1; m <= drawn; ++m) {
        const std::uint64_t all = coverage->AtLeast(m, 0);
        for (int t = 0; t <= m; ++t) {
            const std::uint64_t cases =
                coverage->cases[static_cast<std::size_t>(m)][static_cast<std::size_t>(t)];
            const bool guaranteed = t == coverage->Guarantee(m);
            auto* cell =
                new QTableWidgetItem((exactCounts ? Count(cases) : Percent(cases, all, 1)) +
                                     (guaranteed ? " \u2713" : ""));
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setToolTip(QString("%1 of the %2 draws of %3 of your numbers: the best ticket "
                                     "holds %4 of them%5")
                                 .arg(Count(cases), Count(all))
                                 .arg(m)
                                 .arg(t)
                                 .arg(guaranteed ? QString(" (guaranteed: %1 if %2)").arg(t).arg(m)
                                                 : QString()));
            // The darker the cell, the more draws end there.
            const double share = static_cast<double>(cases) / static_cast<double>(all);
            cell->setBackground(
                QColor::fromRgbF(1 - 0.8 * share, 1 - 0.55 * share, 1 - 0.25 * share));
            cell->setForeground(share > 0.55 ? Qt::white : Qt::black);
            if (guaranteed) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            }
            table->setItem(m - 1, t, cell);
        }
    }
    FitTable(table);
    // Never narrower than its widest cells, so that a figure and its mark share a line.
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    table->resizeColumnsToContents();
    int widest = 0; // the columns share the width evenly
    for (int column = 0; column < table->columnCount(); ++column) {
        widest = std::max(widest, table->columnWidth(column));
    }
    header->setSectionResizeMode(QHeaderView::Stretch);
    table->setMinimumWidth(table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth() +
                           widest * table->columnCount());
}

void ShowChancesTable(QTableWidget* table, const std::vector<Chance>& chances) {
    table->setRowCount(0);
    table->setRowCount(static_cast<int>(chances.size()));
    for (int row = 0; row < static_cast<int>(chances.size()); ++row) {
        const Chance& chance = chances[static_cast<std::size_t>(row)];
        // A lower bound says so: at least this chance, at most one draw in so many.
        const QString atLeast = chance.exact ? QString() : QString("\u2265");
        const QString atMost = chance.exact ? QString() : QString("\u2264");
        const QStringList cells{QString("%1 or more").arg(chance.atLeast),
                                atLeast + Percent(chance.draws, chance.allDraws, 2),
                                chance.draws == 0 ? QString("never")
                                                  : atMost + OneDrawIn(chance.Probability())};
        for (int column = 0; column < 3; ++column) {
            auto* cell = new QTableWidgetItem(cells[column]);
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setToolTip(QString("%1%2 of the %3 possible draws%4")
                                 .arg(chance.exact ? QString() : QString("at least "),
                                      Count(chance.draws), Count(chance.allDraws),
                                      chance.exact ? QString()
                                                   : QString(": a lower bound, the draws of more "
                                                             "than 8 of your numbers being "
                                                             "counted from those of 8")));
            table->setItem(row, column, cell);
        }
    }
    FitTable(table);
}

void ShowChancesSideBySide(QTableWidget* table, const std::array<std::vector<Chance>, 2>& chances) {
    const std::size_t rows = std::max(chances[0].size(), chances[1].size());
    table->setRowCount(static_cast<int>(rows));
    for (std::size_t row = 0; row < rows; ++row) {
        QStringList cells{QString("%1 or more").arg(row + 1), "", ""};
        for (std::size_t wheel = 0; wheel < 2; ++wheel) {
            if (row < chances[wheel].size()) {
                const Chance& chance = chances[wheel][row];
                cells[static_cast<int>(wheel) + 1] =
                    (chance.exact ? QString() : QString("\u2265")) +
                    Percent(chance.draws, chance.allDraws, 2);
            }
        }
        for (int column = 0; column < 3; ++column) {
            auto* cell = new QTableWidgetItem(cells[column]);
            cell->setTextAlignment(Qt::AlignCenter);
            table->setItem(static_cast<int>(row), column, cell);
        }
    }
    FitTable(table);
}

} // namespace quorvex::ui
