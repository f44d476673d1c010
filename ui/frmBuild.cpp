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
#include "wheelLibrary.h"
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

GoalSummary Summary(const WheelGoal& goal) {
    return SummarizeGoal(goal, Library(), HeldWheel(), HeldWheelNumbers(),
                         std::thread::hardware_concurrency());
}

} // namespace

frmBuild::frmBuild(QWidget* owner) : QWidget(owner, Qt::Window) {
    SetUpToolWindow(this, "frmBuild", "Build a wheel");
    job = new BackgroundJob(this);
    chanceJob = new BackgroundJob(this);
    progressTimer = new QTimer(this);

    const WheelGoal first = FirstGoal(PickedCount());
    spnNumbers = Spin("spnNumbers", "Numbers in the wheel", 2, kHighestNumber, first.numbers);
    spnPerTicket = Spin("spnPerTicket", "Numbers a ticket", 1, kHighestNumber, first.perTicket);
    spnAtLeast = Spin("spnAtLeast", "Numbers guaranteed", 1, kMaxDrawn, first.atLeast);
    spnDrawn = Spin("spnDrawn", "Numbers drawn", 1, kMaxDrawn, first.drawn);
    // Any time can be typed; one outside the limits is brought to the nearest (KeepTime).
    spnSeconds = Spin("spnSeconds", "Time limit in seconds", 0, 99999, 10);
    spnSeconds->setSuffix(" s");
    lblTimeNote = Named<QLabel>("lblTimeNote");
    chkStart = Named<QCheckBox>("chkStart");
    chkStart->setText("Start from the &held wheel");
    lblStartNote = Named<QLabel>("lblStartNote");
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
    txtWheel = Named<QPlainTextEdit>("txtWheel", "Built wheel");
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
    summary = Summary(Goal());
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
    const KnownWheel* design = summary.Design();
    const std::vector<Ticket> known = design ? design->tickets : std::vector<Ticket>{};
    lblCost->setText(FromUtf8(CostsSentence(built.size(), design, goal, game)));
    tblChances->horizontalHeaderItem(2)->setText(design && design->goal != goal ? "Library design"
                                                                                : "Best known");
    tblChances->setRowCount(0);
    tblChances->setColumnHidden(2, design == nullptr);
    using Both = std::array<std::vector<Chance>, 2>;
    const std::vector<Ticket> wheel = built;
    chanceJob->Start<Both>(
        [wheel, known, goal, game](Progress& progress) -> std::optional<Both> {
            auto mine = WheelChances(LinesOf(wheel), goal.numbers, game, progress);
            auto best = WheelChances(LinesOf(known), goal.numbers, game, progress);
            if (!mine || !best) {
                return std::nullopt;
            }
            return Both{std::move(*mine), std::move(*best)};
        },
        [this](const Both& chances) { ShowChancesSideBySide(tblChances, chances); });
}

// A time outside the limits is brought to the nearest one, and the window says so.
void frmBuild::KeepTime() {
    const TimeLimit kept = KeptTimeLimit(spnSeconds->value());
    spnSeconds->setValue(kept.seconds);
    lblTimeNote->setText(FromUtf8(kept.note));
}

void frmBuild::cmdBuild_Click() {
    KeepTime();
    if (summary.refusal) {
        return;
    }
    BuildRequest request;
    request.goal = Goal();
    request.seconds = spnSeconds->value();
    request.seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    request.threads = summary.searches;
    if (chkStart->isChecked()) {
        request.start = TicketsOf(HeldWheel());
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
    ShowResult(QString("<b>%1 tickets.</b>").arg(Count(built.size())), outcome.guarantee,
               outcome.shrunk ? "Built by " + FromUtf8(outcome.method).toHtmlEscaped() + "."
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
    cmdBuild->setEnabled(!running && !summary.refusal);
    cmdStop->setEnabled(running);
    barProgress->setVisible(running);
    for (QSpinBox* spin : {spnNumbers, spnPerTicket, spnAtLeast, spnDrawn, spnSeconds}) {
        spin->setEnabled(!running);
    }
    chkStart->setEnabled(!running && !summary.heldUnfit);
    if (running) {
        progressTimer->start(200);
    } else {
        progressTimer->stop();
    }
    cmdUse->setEnabled(!built.empty());
    cmdSave->setEnabled(!built.empty());
    const KnownWheel* design = summary.Design();
    cmdBestKnown->setEnabled(!running && OffersDesign(summary, built.size()));
    cmdBestKnown->setToolTip(design
                                 ? QString("The %1-ticket design from the %2")
                                       .arg(Count(design->tickets.size()), FromUtf8(design->source))
                                 : QString());
}

void frmBuild::cmdSave_Click() {
    const QString path = SaveFileName(this, "Save wheel", FromUtf8(WheelFileName(Goal())),
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
    const KnownWheel* design = summary.Design();
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

void frmBuild::CloseWithMain() {
    closingWithMain = true;
    close();
}

// A search under way is stopped only once the player says so.
void frmBuild::closeEvent(QCloseEvent* event) {
    if (job->Running() && !closingWithMain &&
        ShowMessage(this, "A search is running ..!|Stop it and close the window?", "NO,YES") != 2) {
        event->ignore(); // the search goes on
    }
}

} // namespace quorvex::ui
