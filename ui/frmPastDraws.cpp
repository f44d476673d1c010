// The Past draws window: the draws of a history against the developed tickets, and the balls'
// counts.
#include "frmPastDraws.h"

#include "coverage.h"
#include "design.h"
#include "fairness.h"
#include "gameSettings.h"
#include "operations.h"
#include "reportTables.h"
#include "toolWindow.h"
#include "wheel_profile.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

namespace quorvex::ui {

namespace {

// The columns before the winning levels, and the one after them.
enum Column { kDate, kDrawn, kMine, kBest, kLevels };

} // namespace

void PastDrawsModel::Show(const std::vector<PastDraw>* draws, const PastDrawsTally* tally,
                          std::vector<int> mine, const Game& game) {
    beginResetModel();
    draws_ = draws;
    tally_ = tally;
    mine_.assign(static_cast<std::size_t>(game.balls) + 1, false);
    for (int n : mine) {
        if (n >= 1 && n <= game.balls) {
            mine_[static_cast<std::size_t>(n)] = true;
        }
    }
    prizes_ = game.HasPrizes();
    levels_.clear();
    for (int j = game.drawn; j >= 1; --j) {
        if (prizes_ ? game.Prize(j) > 0 : j >= 2) {
            levels_.push_back(j);
        }
    }
    endResetModel();
}

int PastDrawsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || draws_ == nullptr ? 0 : static_cast<int>(draws_->size());
}

int PastDrawsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLevels + static_cast<int>(levels_.size()) + (prizes_ ? 1 : 0);
}

const std::vector<int>& PastDrawsModel::Numbers(int row) const {
    return (*draws_)[static_cast<std::size_t>(row)].numbers;
}

QVariant PastDrawsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case kDate:
        return "Date";
    case kDrawn:
        return "Drawn ([yours])";
    case kMine:
        return "Yours";
    case kBest:
        return "Best";
    default:
        break;
    }
    const auto level = static_cast<std::size_t>(section - kLevels);
    return level < levels_.size() ? QVariant(QString("%1 hits").arg(levels_[level]))
                                  : QVariant("Won");
}

QVariant PastDrawsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::UserRole)) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const PastDraw& draw = (*draws_)[row];
    const bool sorting = role == Qt::UserRole; // sorted by figures, not by their text
    if (index.column() == kDate) {
        return sorting ? QVariant(draw.day) : QVariant(FromUtf8(draw.date));
    }
    if (index.column() == kDrawn) {
        QStringList numbers;
        for (int n : draw.numbers) {
            const QString number = TwoDigitText(n);
            numbers << (mine_[static_cast<std::size_t>(n)] ? "[" + number + "]" : number);
        }
        return sorting ? QVariant(static_cast<qulonglong>(row)) : QVariant(numbers.join(' '));
    }
    if (tally_ == nullptr) {
        return {};
    }
    const DrawTally& tally = tally_->draws[row];
    const auto level = static_cast<std::size_t>(index.column() - kLevels);
    switch (index.column()) {
    case kMine:
        return tally.mine;
    case kBest:
        return tally.best;
    default:
        break;
    }
    if (level < levels_.size()) {
        return static_cast<qulonglong>(tally.withHits[static_cast<std::size_t>(levels_[level])]);
    }
    return sorting ? QVariant(static_cast<qlonglong>(tally.won)) : QVariant(MoneyString(tally.won));
}

frmPastDraws::frmPastDraws(QWidget* owner) : QWidget(owner, Qt::Window) {
    SetUpToolWindow(this, "frmPastDraws", "Past draws");
    job = new BackgroundJob(this);
    model = new PastDrawsModel(this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(Qt::UserRole);

    lblSource = WrappingLabel("lblSource");
    lblTickets = WrappingLabel("lblTickets");
    tblDraws = new QTableView;
    tblDraws->setObjectName("tblDraws");
    tblDraws->setAccessibleName("Past draws");
    tblDraws->setModel(sorted);
    tblDraws->setSortingEnabled(true);
    tblDraws->sortByColumn(kDate, Qt::AscendingOrder);
    tblDraws->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDraws->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblDraws->verticalHeader()->hide();
    tblDraws->setWordWrap(false);
    tblDraws->setFont(DesignFont("DejaVu Sans Mono", 9));
    tblDraws->verticalHeader()->setDefaultSectionSize(tblDraws->fontMetrics().height() + 6);
    lblSummary = WrappingLabel("lblSummary");
    chtNumbers = new QChartView;
    chtNumbers->setObjectName("chtNumbers");
    chtNumbers->setAccessibleName("How often each ball was drawn");
    chtNumbers->setMinimumHeight(220);
    lblFairness = WrappingLabel("lblFairness");

    barProgress = ProgressBar(job);
    cmdCancel = Button("Cancel", "cmdCancel");
    auto* close = CloseRow(this);
    close->insertWidget(0, barProgress, 1);
    close->insertWidget(1, cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSource);
    layout->addWidget(lblTickets);
    layout->addWidget(tblDraws, 2);
    layout->addWidget(lblSummary);
    layout->addWidget(chtNumbers, 1);
    layout->addWidget(lblFairness);
    layout->addLayout(close);
    resize(820, 760);

    connect(tblDraws, &QTableView::doubleClicked, this, [this, sorted](const QModelIndex& index) {
        emit checkDraw(model->Numbers(sorted->mapToSource(index).row()));
    });
    connect(cmdCancel, &QPushButton::clicked, job, &BackgroundJob::Cancel);
    connect(job, &BackgroundJob::finished, this, [this] {
        barProgress->hide();
        cmdCancel->hide();
        if (!counted) {
            lblSummary->setText("Cancelled: the draws are not counted against the tickets.");
        }
    });
}

void frmPastDraws::ShowHistory(const DrawHistory& read, const QString& file) {
    history = read;
    fileName = file;
    Recount();
}

void frmPastDraws::SystemChanged() {
    Recount();
}

// The tickets' coverage for the chances, then the tallies, in the background.
void frmPastDraws::Recount() {
    game = CurrentGame();
    counted.reset();
    const LineList tickets = DevelopedTickets();
    lblSource->setText(QString("Game: %1. %2 from %3.")
                           .arg(GameText(game),
                                FromUtf8(HistoryLines(history).front()).replace(':', '.'),
                                fileName));
    lblTickets->setText(tickets.empty()
                            ? FromUtf8(kGenerateFirst)
                            : QString("Against the %1 tickets developed onto your numbers: %2.")
                                  .arg(Count(tickets.size()), TwoDigitLineText(DevelopedPicks())));
    model->Show(&history.draws, nullptr, DevelopedPicks(), game);
    FitColumns();
    lblSummary->clear();
    ShowChart();
    if (tickets.empty()) {
        barProgress->hide();
        cmdCancel->hide();
        return;
    }
    const std::vector<PastDraw> draws = history.draws;
    const Game playing = game;
    job->Start<Counted>(
        [tickets, draws, playing](Progress& progress) -> std::optional<Counted> {
            const OwnWheel own = AsOwnWheel(tickets);
            const auto table = ComputeCoverage(WheelSetsOf(own.lines, own.numbers),
                                               CasesToCount(own.numbers, playing.drawn), progress);
            auto tally = TallyPastDraws(tickets, draws, playing, progress);
            if (!table || !tally) {
                return std::nullopt;
            }
            return Counted{std::move(*tally),
                           ChancesPerDraw(*table, playing.balls, playing.drawn,
                                          ProfileWheel(own.lines).longestDistinct)};
        },
        [this](const Counted& result) {
            counted = result;
            ShowCounted();
        });
    barProgress->show();
    cmdCancel->show();
}

// The date and the numbers as wide as they need, the figures sharing the rest.
void frmPastDraws::FitColumns() {
    QHeaderView* header = tblDraws->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    for (int column : {kDate, kDrawn}) {
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

void frmPastDraws::ShowCounted() {
    model->Show(&history.draws, &counted->tally, DevelopedPicks(), game);
    FitColumns();
    QStringList lines;
    for (const Observed& row : ObservedAgainstExpected(counted->tally, counted->chances)) {
        lines << QString("Some ticket held %1 or more in %2 of the draws; chance alone "
                         "predicts %3%4.")
                     .arg(row.atLeast)
                     .arg(Count(row.observed))
                     .arg(row.exact ? QString() : QString("at least "))
                     .arg(QLocale().toString(row.expected, 'f', 2));
    }
    const Money perDraw = static_cast<Money>(DevelopedTickets().size()) * game.price;
    lines << QString("Every draw played with every ticket cost %1 draws \u00D7 %2 = %3; the "
                     "prizes won came to %4.")
                 .arg(Count(history.draws.size()), MoneyString(perDraw),
                      MoneyString(counted->tally.cost), MoneyString(counted->tally.prizes));
    lblSummary->setText(lines.join('\n'));
}

// How often each ball came out, with what a fair draw expects as a line.
void frmPastDraws::ShowChart() {
    const std::vector<std::uint64_t> times = TimesDrawn(history.draws, game.balls);
    const double fair =
        static_cast<double>(history.draws.size()) * game.drawn / static_cast<double>(game.balls);
    auto* bars = new QBarSet("Times drawn");
    QStringList balls;
    std::uint64_t most = 0;
    for (int n = 1; n <= game.balls; ++n) {
        *bars << static_cast<qreal>(times[static_cast<std::size_t>(n)]);
        balls << QString::number(n);
        most = std::max(most, times[static_cast<std::size_t>(n)]);
    }
    auto* series = new QBarSeries;
    series->append(bars);
    auto* expected = new QLineSeries;
    expected->setName(QString("A fair draw: %1 each").arg(QLocale().toString(fair, 'f', 1)));
    expected->append(-0.5, fair);
    expected->append(game.balls - 0.5, fair);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->addSeries(expected);
    auto* axisX = new QBarCategoryAxis;
    axisX->append(balls);
    axisX->setLabelsFont(DesignFont("DejaVu Sans", 6));
    axisX->setTruncateLabels(false); // a ball's number is short; cut, it would say nothing
    auto* axisY = new QValueAxis;
    axisY->setRange(0, std::max<double>(static_cast<double>(most), fair) * 1.1);
    axisY->setLabelFormat("%d");
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* each : std::initializer_list<QAbstractSeries*>{series, expected}) {
        each->attachAxis(axisX);
        each->attachAxis(axisY);
    }
    chart->setTitle("How often each ball was drawn");
    QChart* old = chtNumbers->chart();
    chtNumbers->setChart(chart);
    delete old;
    lblFairness->setText(QString("Over %1 draws the balls came out %2.")
                             .arg(Count(history.draws.size()),
                                  FromUtf8(FairnessSentence(
                                      TestFairness(times, history.draws.size(), game.drawn)))));
}

} // namespace quorvex::ui
