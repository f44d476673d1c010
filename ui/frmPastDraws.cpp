// The Past draws window: the draws of a history against the developed tickets, and the balls'
// counts.
#include "frmPastDraws.h"

#include "ballChart.h"
#include "coverage.h"
#include "design.h"
#include "fairness.h"
#include "gameSettings.h"
#include "operations.h"
#include "refusalNotice.h"
#include "reportTables.h"
#include "toolWindow.h"
#include "wheel_profile.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

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
    if (tally_ == nullptr || row >= tally_->draws.size()) {
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
    return sorting ? QVariant(static_cast<double>(tally.won)) : QVariant(MoneyString(tally.won));
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
    chtNumbers = new BallChart;
    chtNumbers->setObjectName("chtNumbers");
    chtNumbers->setAccessibleName("How often each ball was drawn");
    chtNumbers->setMinimumHeight(200);
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
    resize(820, 640); // with its frame, within a 1366 x 768 screen

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

void frmPastDraws::ShowHistory(std::string fileText, const DrawHistory& read, const QString& file) {
    text = std::move(fileText);
    history = read;
    fileName = file;
    Recount();
}

// The table asks for rows while the window closes, after the draws it shows are gone.
frmPastDraws::~frmPastDraws() {
    model->Show(nullptr, nullptr, {}, game);
}

void frmPastDraws::SystemChanged() {
    Recount();
}

void frmPastDraws::GameChanged() {
    const Game chosen = CurrentGame();
    history = ParseHistory(text, chosen.balls, chosen.drawn);
    if (history.refusal) {
        history.draws.clear(); // no row of another game stays on show
    }
    Recount(); // the new game's rows before any notice: the window paints behind it
    if (history.refusal) {
        ShowFileRefusal(this, "read the past draws", fileName, *history.refusal);
    } else if (!history.skipped.empty()) {
        ShowSkippedLines(this, history);
    }
}

// The tickets' coverage for the chances, then the tallies, in the background.
void frmPastDraws::Recount() {
    game = CurrentGame();
    counted.reset();
    const LineList tickets = DevelopedTickets();
    lblSource->setText(QString("Game: %1. From %2: %3.")
                           .arg(GameText(game), fileName, FromUtf8(HistorySummary(history))));
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
            auto chances = WheelChances(own.lines, own.numbers, playing, progress);
            auto tally = TallyPastDraws(tickets, draws, playing, progress);
            if (!chances || !tally) {
                return std::nullopt;
            }
            return Counted{std::move(*tally), std::move(*chances)};
        },
        [this](const Counted& result) {
            counted = result;
            ShowCounted();
        });
    barProgress->show();
    cmdCancel->show();
}

// The date and the numbers as wide as they need, the figures sharing the rest;
// when the figures' headings would not fit that way (20 of 80 has 19 winning
// levels), every column as wide as it needs, and the table scrolls.
void frmPastDraws::FitColumns() {
    QHeaderView* header = tblDraws->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    int needed = 0;
    for (int column = 0; column < header->count(); ++column) {
        needed += header->sectionSize(column);
    }
    if (needed > tblDraws->viewport()->width()) {
        header->setStretchLastSection(true);
        return;
    }
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
    const MoneySum perDraw = CostOf(DevelopedTickets().size(), game.price);
    lines << QString("Every draw played with every ticket cost %1 draws \u00D7 %2 = %3; the "
                     "prizes won came to %4.")
                 .arg(Count(history.draws.size()), MoneyString(perDraw),
                      MoneyString(counted->tally.cost), MoneyString(counted->tally.prizes));
    lblSummary->setText(lines.join('\n'));
}

// How often each ball came out, with what a fair draw expects as a line.
void frmPastDraws::ShowChart() {
    if (history.draws.empty()) {
        chtNumbers->Clear();
        lblFairness->clear();
        return;
    }
    std::vector<std::uint64_t> times = TimesDrawn(history.draws, game);
    const Fairness fairness = TestFairness(times, history.draws.size(), game.drawn);
    chtNumbers->Show(std::move(times), static_cast<double>(history.draws.size()) * game.drawn /
                                           static_cast<double>(game.balls));
    lblFairness->setText(
        QString("Over %1 draws the balls came out %2.")
            .arg(Count(history.draws.size()), FromUtf8(FairnessSentence(fairness))));
}

} // namespace quorvex::ui
