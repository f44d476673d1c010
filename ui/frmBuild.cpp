// The Build a wheel window: the goal in, the search in the background, the wheel out.
#include "frmBuild.h"

#include "best_known.h"
#include "chances.h"
#include "coverage.h"
#include "design.h"
#include "frmMessage.h"
#include "gameSettings.h"
#include "goal_summary.h"
#include "operations.h"
#include "refusalNotice.h"
#include "reportTables.h"
#include "report_text.h"
#include "textFile.h"
#include "toolWindow.h"
#include "wheel_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace quorvex::ui {

namespace {

// The time limit, in seconds: one second to ten minutes.
constexpr int kShortestTime = 1;
constexpr int kLongestTime = 600;

GoalSummary Summary(const WheelGoal& goal) {
    return SummarizeGoal(goal, Library(), HeldWheel(), HeldWheelNumbers(),
                         std::thread::hardware_concurrency());
}

// The chances per draw of a wheel in a game; none when it has more numbers than the game balls.
std::optional<std::vector<Chance>> WheelChances(const std::vector<Ticket>& tickets, int numbers,
                                                int perTicket, const Game& game,
                                                Progress& progress) {
    if (tickets.empty() || numbers > game.balls) {
        return std::vector<Chance>{};
    }
    LineList lines;
    for (const Ticket& ticket : tickets) {
        for (int x : ticket) {
            lines.push(static_cast<Number>(x));
        }
        lines.endLine();
    }
    const auto table =
        ComputeCoverage(WheelSetsOf(lines, numbers), CasesToCount(numbers, game.drawn), progress);
    if (!table) {
        return std::nullopt;
    }
    return ChancesPerDraw(*table, game.balls, game.drawn, perTicket);
}

// A chance as the table shows it: a lower bound says so.
QString ChanceText(const Chance& chance) {
    return (chance.exact ? QString() : QString("\u2265")) +
           Percent(chance.draws, chance.allDraws, 2);
}

} // namespace

const WheelLibrary& Library() {
    static const WheelLibrary library = [] {
        QFile file(":/quorvex/best_known.txt");
        file.open(QIODevice::ReadOnly);
        return ParseWheelLibrary(file.readAll().toStdString());
    }();
    return library;
}

frmBuild::frmBuild(QWidget* owner) : QWidget(owner, Qt::Window) {
    SetUpToolWindow(this, "frmBuild", "Build a wheel");
    job = new BackgroundJob(this);
    chanceJob = new BackgroundJob(this);
    progressTimer = new QTimer(this);

    // The player's numbers are the natural N once at least two are picked.
    const int numbers = PickedCount() >= 2 ? PickedCount() : 10;
    spnNumbers = Spin("spnNumbers", "Numbers in the wheel", 2, kHighestNumber, numbers);
    spnPerTicket =
        Spin("spnPerTicket", "Numbers a ticket", 1, kHighestNumber, std::min(6, numbers));
    spnAtLeast =
        Spin("spnAtLeast", "Numbers guaranteed", 1, kMaxDrawn, std::min(3, spnPerTicket->value()));
    spnDrawn = Spin("spnDrawn", "Numbers drawn", 1, kMaxDrawn, std::min(4, numbers));
    // Any time can be typed; one outside the limits is brought to the nearest (KeepTime).
    spnSeconds = Spin("spnSeconds", "Time limit in seconds", 0, 99999, 10);
    spnSeconds->setSuffix(" s");
    lblTimeNote = new QLabel;
    lblTimeNote->setObjectName("lblTimeNote");
    chkStart = new QCheckBox("Start from the &held wheel");
    chkStart->setObjectName("chkStart");
    lblStartNote = new QLabel;
    lblStartNote->setObjectName("lblStartNote");
    lblStartNote->setStyleSheet("color: #707070;");

    auto* guarantee = new QHBoxLayout;
    guarantee->addWidget(new QLabel("at least"));
    guarantee->addWidget(spnAtLeast);
    guarantee->addWidget(Buddy("of them on one ticket whenever", spnDrawn));
    guarantee->addWidget(spnDrawn);
    guarantee->addWidget(new QLabel("are drawn"));
    guarantee->addStretch();
    auto* time = new QHBoxLayout;
    time->addWidget(spnSeconds);
    time->addWidget(lblTimeNote);
    time->addStretch();
    auto* start = new QHBoxLayout;
    start->addWidget(chkStart);
    start->addWidget(lblStartNote);
    start->addStretch();
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow("&Numbers (N):", spnNumbers);
    form->addRow("Numbers a &ticket (k):", spnPerTicket);
    auto* guaranteeLabel = new QLabel("&Guarantee (t if m):");
    guaranteeLabel->setBuddy(spnAtLeast);
    form->addRow(guaranteeLabel, guarantee);
    auto* timeLabel = new QLabel("Time &limit:");
    timeLabel->setBuddy(spnSeconds);
    form->addRow(timeLabel, time);
    form->addRow(start);

    lblProblem = WrappingLabel("lblProblem");
    lblProblem->setStyleSheet("color: #b00000; font-weight: bold;");
    lblBounds = WrappingLabel("lblBounds");

    cmdBuild = Button("&Build", "cmdBuild");
    cmdBuild->setDefault(true);
    cmdStop = Button("&Stop", "cmdStop");
    barProgress = ProgressBar(job);
    lblBest = WrappingLabel("lblBest");
    auto* run = new QHBoxLayout;
    run->addWidget(cmdBuild);
    run->addWidget(cmdStop);
    run->addWidget(barProgress, 1);
    run->addWidget(lblBest, 2);

    lblResult = WrappingLabel("lblResult");
    tblChances = ReportTable("tblChances", "Chances per draw");
    tblChances->setColumnCount(3);
    tblChances->setHorizontalHeaderLabels({"Best ticket", "This wheel", "Best known"});
    tblChances->verticalHeader()->hide();
    lblCost = WrappingLabel("lblCost");
    txtWheel = new QPlainTextEdit;
    txtWheel->setObjectName("txtWheel");
    txtWheel->setAccessibleName("Built wheel");
    txtWheel->setReadOnly(true);
    txtWheel->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtWheel->setFont(DesignFont("DejaVu Sans Mono", 10));

    cmdUse = Button("&Use this wheel", "cmdUse");
    cmdSave = Button("Sa&ve wheel...", "cmdSave");
    cmdBestKnown = Button("Use the best &known", "cmdBestKnown");
    auto* out = CloseRow(this);
    out->insertWidget(0, cmdUse);
    out->insertWidget(1, cmdSave);
    out->insertWidget(2, cmdBestKnown);
    lblCredit = WrappingLabel("lblCredit");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblProblem);
    layout->addWidget(lblBounds);
    layout->addLayout(run);
    layout->addWidget(lblResult);
    layout->addWidget(tblChances);
    layout->addWidget(lblCost);
    layout->addWidget(txtWheel, 1);
    layout->addLayout(out);
    layout->addWidget(lblCredit);
    resize(600, 640); // with its frame, within a 1366 x 768 screen

    for (QSpinBox* spin : {spnNumbers, spnPerTicket, spnAtLeast, spnDrawn}) {
        connect(spin, &QSpinBox::valueChanged, this, &frmBuild::GoalChanged);
    }
    connect(spnSeconds, &QSpinBox::editingFinished, this, &frmBuild::KeepTime);
    connect(chkStart, &QCheckBox::toggled, this, &frmBuild::ClearResult);
    connect(cmdBuild, &QPushButton::clicked, this, &frmBuild::cmdBuild_Click);
    connect(cmdStop, &QPushButton::clicked, job, &BackgroundJob::Cancel);
    connect(job, &BackgroundJob::finished, this, [this] { ShowWork(false); });
    connect(progressTimer, &QTimer::timeout, this, &frmBuild::ShowProgress);
    connect(cmdUse, &QPushButton::clicked, this,
            [this] { emit useWheel(FromUtf8(WheelText(built))); });
    connect(cmdSave, &QPushButton::clicked, this, &frmBuild::cmdSave_Click);
    connect(cmdBestKnown, &QPushButton::clicked, this, &frmBuild::cmdBestKnown_Click);

    GoalChanged();
}

WheelGoal frmBuild::Goal() const {
    return {spnNumbers->value(), spnPerTicket->value(), spnAtLeast->value(), spnDrawn->value()};
}

// The held wheel changes what can start a search, not the goal.
void frmBuild::WheelChanged() {
    ShowGoal();
    ShowWork(job->Running());
}

// A new goal clears the last result: nothing stays on screen for another goal.
void frmBuild::GoalChanged() {
    ShowGoal();
    ClearResult();
}

void frmBuild::GameChosen() {
    ShowChances();
}

// What the engine says of the goal on screen; a goal that cannot be built is
// refused here, before anything runs.
void frmBuild::ShowGoal() {
    const GoalSummary summary = Summary(Goal());
    chkStart->setEnabled(!summary.heldUnfit);
    if (summary.heldUnfit) {
        chkStart->setChecked(false);
    }
    lblStartNote->setText(summary.heldUnfit ? "(" + FromUtf8(summary.heldUnfit->reason) + ")"
                                            : QString());
    const QString problem = summary.refusal ? FromUtf8(summary.refusal->reason) : QString();
    lblProblem->setText(problem);
    lblProblem->setVisible(!problem.isEmpty());

    QString bounds;
    if (!summary.refusal) {
        bounds =
            summary.lowerBound
                ? "Lower bound: " + Count(*summary.lowerBound) +
                      (summary.boundKind == BoundKind::Schoenheim ? " (Schönheim)" : " (counting)")
                : QString("Lower bound: none known");
        if (summary.bestKnown) {
            bounds += QString("   Best known: %1 (%2)")
                          .arg(Count(summary.bestKnown->size), FromUtf8(summary.bestKnown->source));
        } else if (summary.design) {
            // A design for another goal that keeps this one: said as what it is.
            bounds += QString("   Best known: none listed for this goal; a %1-ticket design for "
                              "\u201C%2 if %3\u201D keeps it (%4)")
                          .arg(Count(summary.design->size))
                          .arg(summary.design->goal.atLeast)
                          .arg(summary.design->goal.drawn)
                          .arg(FromUtf8(summary.design->source));
        } else {
            bounds += QString("   Best known: none listed for this goal");
        }
    }
    lblBounds->setText(bounds);
}

void frmBuild::ClearResult() {
    built.clear();
    lblResult->clear();
    txtWheel->clear();
    lblCredit->clear();
    ShowWork(job->Running());
    ShowChances();
}

// The chances per draw of the wheel shown and of the best known design, side
// by side, in the game chosen; and what each costs a draw.
void frmBuild::ShowChances() {
    const Game game = CurrentGame();
    const WheelGoal goal = Goal();
    const KnownWheel* design = lblProblem->text().isEmpty() ? Summary(goal).design : nullptr;
    const std::vector<Ticket> known = design ? design->tickets : std::vector<Ticket>{};
    QStringList costs;
    if (!built.empty()) {
        costs << "This wheel: " + FromUtf8(CostText(built.size(), game.price));
    }
    if (design) {
        costs << (design->goal == goal ? "the best known: " : "the library's design: ") +
                     FromUtf8(CostText(known.size(), game.price));
    }
    QString cost = costs.join("; ");
    if (!cost.isEmpty()) {
        cost[0] = cost[0].toUpper(); // a sentence, whichever part comes first
        cost += QString(" a draw of %1.").arg(FromUtf8(game.name));
    }
    lblCost->setText(cost);
    tblChances->horizontalHeaderItem(2)->setText(design && design->goal != goal ? "Library design"
                                                                                : "Best known");
    tblChances->setRowCount(0);
    tblChances->setColumnHidden(2, design == nullptr);
    using Both = std::array<std::vector<Chance>, 2>;
    const std::vector<Ticket> wheel = built;
    chanceJob->Start<Both>(
        [wheel, known, goal, game](Progress& progress) -> std::optional<Both> {
            auto mine = WheelChances(wheel, goal.numbers, goal.perTicket, game, progress);
            auto best = WheelChances(known, goal.numbers, goal.perTicket, game, progress);
            if (!mine || !best) {
                return std::nullopt;
            }
            return Both{std::move(*mine), std::move(*best)};
        },
        [this](const Both& chances) {
            const std::size_t rows = std::max(chances[0].size(), chances[1].size());
            tblChances->setRowCount(static_cast<int>(rows));
            for (std::size_t row = 0; row < rows; ++row) {
                QStringList cells{QString("%1 or more").arg(row + 1), "", ""};
                for (std::size_t wheel = 0; wheel < 2; ++wheel) {
                    if (row < chances[wheel].size()) {
                        cells[static_cast<int>(wheel) + 1] = ChanceText(chances[wheel][row]);
                    }
                }
                for (int column = 0; column < 3; ++column) {
                    auto* cell = new QTableWidgetItem(cells[column]);
                    cell->setTextAlignment(Qt::AlignCenter);
                    tblChances->setItem(static_cast<int>(row), column, cell);
                }
            }
            FitTable(tblChances);
        });
}

// A time outside the limits is brought to the nearest one, and the window says so.
void frmBuild::KeepTime() {
    const int typed = spnSeconds->value();
    const int kept = std::clamp(typed, kShortestTime, kLongestTime);
    spnSeconds->setValue(kept);
    lblTimeNote->setText(typed > kLongestTime    ? QString("set to 10 min, the longest")
                         : typed < kShortestTime ? QString("set to 1 s, the shortest")
                                                 : QString());
}

void frmBuild::cmdBuild_Click() {
    KeepTime();
    const GoalSummary summary = Summary(Goal());
    if (summary.refusal) {
        return;
    }
    BuildRequest request;
    request.goal = Goal();
    request.seconds = spnSeconds->value();
    request.seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    request.threads = summary.searches;
    heldSize = 0;
    if (chkStart->isChecked()) {
        request.start = TicketsOf(HeldWheel());
        heldSize = request.start.size();
    }
    ClearResult();
    lblBest->setText("Searching...");
    job->Start<BuildOutcome>(
        [request](Progress& progress) { return std::optional(BuildWheel(request, progress)); },
        [this](const BuildOutcome& outcome) { BuildFinished(outcome); });
    ShowWork(true);
}

// The phase and its share done, then the best size so far.
void frmBuild::ShowProgress() {
    const QString phase = job->Phase();
    if (phase.isEmpty()) {
        return;
    }
    QString text = QString("%1: %2% done.")
                       .arg(phase)
                       .arg(static_cast<int>(std::round(100 * job->PhaseShare())));
    if (job->Best() > 0) {
        text += " Best so far: " + Count(job->Best()) + " tickets.";
    }
    lblBest->setText(text);
}

void frmBuild::BuildFinished(const BuildOutcome& outcome) {
    lblBest->clear();
    if (outcome.tickets.empty()) {
        lblResult->setText(FromUtf8(outcome.refusal ? outcome.refusal->reason : std::string()));
        return;
    }
    built = outcome.tickets;
    ShowChances();
    const bool shrunk = heldSize == 0 || built.size() < heldSize;
    ShowResult(QString("<b>%1 tickets.</b>").arg(Count(built.size())), outcome.guarantee,
               shrunk ? "Built by " + FromUtf8(outcome.method).toHtmlEscaped() + "."
                      : QString("No smaller wheel found in the time."));
    ShowWork(false);
}

void frmBuild::ShowResult(const QString& heading, int guarantee, const QString& source) {
    const WheelGoal goal = Goal();
    const auto [fewest, most] = Appearances(built, goal.numbers);
    const QString uses =
        fewest == most
            ? QString("Each number is on %1 tickets.").arg(Count(fewest))
            : QString("Each number is on %1 to %2 tickets.").arg(Count(fewest), Count(most));
    lblResult->setText(
        QString("%1 %2<br>%3 %4")
            .arg(heading,
                 FromUtf8(GuaranteeSentence(goal.drawn, guarantee, goal.numbers)).toHtmlEscaped(),
                 uses, source));
    txtWheel->setPlainText(FromUtf8(WheelText(built)));
    txtWheel->moveCursor(QTextCursor::Start);
}

void frmBuild::ShowWork(bool running) {
    const bool goalOk = lblProblem->text().isEmpty();
    cmdBuild->setEnabled(!running && goalOk);
    cmdStop->setEnabled(running);
    barProgress->setVisible(running);
    for (QSpinBox* spin : {spnNumbers, spnPerTicket, spnAtLeast, spnDrawn, spnSeconds}) {
        spin->setEnabled(!running);
    }
    chkStart->setEnabled(!running && lblStartNote->text().isEmpty());
    if (running) {
        progressTimer->start(200);
    } else {
        progressTimer->stop();
    }
    cmdUse->setEnabled(!built.empty());
    cmdSave->setEnabled(!built.empty());
    const KnownWheel* design = goalOk ? Summary(Goal()).design : nullptr;
    // Offered until a smaller wheel is built for the goal: one as small may still be the
    // one the player would rather play, with its credit.
    cmdBestKnown->setEnabled(design && !running &&
                             (built.empty() || design->tickets.size() <= built.size()));
    cmdBestKnown->setToolTip(design
                                 ? QString("The %1-ticket design from the %2")
                                       .arg(Count(design->tickets.size()), FromUtf8(design->source))
                                 : QString());
}

void frmBuild::cmdSave_Click() {
    const WheelGoal goal = Goal();
    const QString path = SaveFileName(this, "Save wheel",
                                      QString("wheel-%1-%2-%3if%4.txt")
                                          .arg(goal.numbers)
                                          .arg(goal.perTicket)
                                          .arg(goal.atLeast)
                                          .arg(goal.drawn),
                                      "Text files (*.txt);;All files (*)")
                             .path;
    if (path.isEmpty()) {
        return;
    }
    if (const auto refusal = SaveText(path, QByteArray::fromStdString(WheelText(built)))) {
        ShowFileRefusal(this, "save the wheel", path, *refusal);
    }
}

// The library's design takes the result's place, with its credit, and is used.
void frmBuild::cmdBestKnown_Click() {
    const KnownWheel* design = Summary(Goal()).design;
    if (design == nullptr) {
        return;
    }
    built = design->tickets;
    ShowChances();
    ShowResult(QString("<b>%1 tickets</b> from the library.").arg(Count(built.size())),
               design->goal.atLeast, QString());
    lblCredit->setText(FromUtf8(design->credit));
    ShowWork(false);
    emit useWheel(FromUtf8(WheelText(built)));
}

// A search under way is stopped only once the player says so.
void frmBuild::closeEvent(QCloseEvent* event) {
    if (job->Running() && !property("closingWithMain").toBool() &&
        ShowMessage(this, "A search is running ..!|Stop it and close the window?", "NO,YES") != 2) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace quorvex::ui
