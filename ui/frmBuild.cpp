// The Build a wheel window: the goal in, the search in the background, the wheel out.
#include "frmBuild.h"

#include "best_known.h"
#include "combinations.h"
#include "design.h"
#include "operations.h"
#include "refusalNotice.h"
#include "reportTables.h"
#include "report_text.h"
#include "textFile.h"
#include "toolWindow.h"
#include "wheel_text.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace quorvex::ui {

namespace {

// The library of best known wheels, read once.
const WheelLibrary& Library() {
    static const WheelLibrary library = [] {
        QFile file(":/quorvex/best_known.txt");
        file.open(QIODevice::ReadOnly);
        return ParseWheelLibrary(file.readAll().toStdString());
    }();
    return library;
}

// The held wheel's lines, as tickets to start a search from.
std::vector<Ticket> HeldTickets() {
    std::vector<Ticket> tickets;
    const LineList& wheel = HeldWheel();
    tickets.reserve(wheel.size());
    for (std::size_t i = 0; i < wheel.size(); ++i) {
        const auto line = wheel.line(i);
        tickets.emplace_back(line.begin(), line.end());
    }
    return tickets;
}

} // namespace

frmBuild::frmBuild(QWidget* owner) : QWidget(owner, Qt::Window) {
    SetUpToolWindow(this, "frmBuild", "Build a wheel");
    job = new BackgroundJob(this);
    bestTimer = new QTimer(this);

    // The player's numbers are the natural N once at least two are picked.
    const int numbers = PickedCount() >= 2 ? PickedCount() : 10;
    spnNumbers = Spin("spnNumbers", "Numbers in the wheel", 2, kHighestNumber, numbers);
    spnPerTicket =
        Spin("spnPerTicket", "Numbers a ticket", 1, kHighestNumber, std::min(6, numbers));
    spnAtLeast =
        Spin("spnAtLeast", "Numbers guaranteed", 1, kMaxDrawn, std::min(3, spnPerTicket->value()));
    spnDrawn = Spin("spnDrawn", "Numbers drawn", 1, kMaxDrawn, std::min(4, numbers));
    spnSeconds = Spin("spnSeconds", "Time limit in seconds", 1, 600, 10);
    spnSeconds->setSuffix(" s");
    chkStart = new QCheckBox("Start from the &held wheel");
    chkStart->setObjectName("chkStart");

    auto* guarantee = new QHBoxLayout;
    guarantee->addWidget(new QLabel("at least"));
    guarantee->addWidget(spnAtLeast);
    guarantee->addWidget(Buddy("of them on one ticket whenever", spnDrawn));
    guarantee->addWidget(spnDrawn);
    guarantee->addWidget(new QLabel("are drawn"));
    guarantee->addStretch();
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow("&Numbers (N):", spnNumbers);
    form->addRow("Numbers a &ticket (k):", spnPerTicket);
    auto* guaranteeLabel = new QLabel("&Guarantee (t if m):");
    guaranteeLabel->setBuddy(spnAtLeast);
    form->addRow(guaranteeLabel, guarantee);
    form->addRow("Time &limit:", spnSeconds);
    form->addRow(chkStart);

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
    run->addWidget(lblBest);
    run->addStretch(); // the buttons keep their width while the bar is hidden

    lblResult = WrappingLabel("lblResult");
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
    layout->addWidget(txtWheel, 1);
    layout->addLayout(out);
    layout->addWidget(lblCredit);
    resize(560, 560);

    for (QSpinBox* spin : {spnNumbers, spnPerTicket, spnAtLeast, spnDrawn}) {
        connect(spin, &QSpinBox::valueChanged, this, &frmBuild::GoalChanged);
    }
    connect(chkStart, &QCheckBox::toggled, this, &frmBuild::GoalChanged);
    connect(cmdBuild, &QPushButton::clicked, this, &frmBuild::cmdBuild_Click);
    connect(cmdStop, &QPushButton::clicked, job, &BackgroundJob::Cancel);
    connect(job, &BackgroundJob::finished, this, [this] { ShowWork(false); });
    connect(bestTimer, &QTimer::timeout, this, &frmBuild::ShowBest);
    connect(cmdUse, &QPushButton::clicked, this,
            [this] { emit useWheel(FromUtf8(WheelText(built))); });
    connect(cmdSave, &QPushButton::clicked, this, &frmBuild::cmdSave_Click);
    connect(cmdBestKnown, &QPushButton::clicked, this, &frmBuild::cmdBestKnown_Click);

    WheelChanged(); // which shows the work as not running
}

WheelGoal frmBuild::Goal() const {
    return {spnNumbers->value(), spnPerTicket->value(), spnAtLeast->value(), spnDrawn->value()};
}

void frmBuild::WheelChanged() {
    GoalChanged();
}

// A goal that cannot be built is refused here, before anything runs.
void frmBuild::GoalChanged() {
    const WheelGoal goal = Goal();
    const bool held = !HeldWheel().empty() && HeldWheelNumbers() == goal.numbers;
    chkStart->setEnabled(held);
    if (!held) {
        chkStart->setChecked(false);
    }
    std::optional<Refusal> refusal = GoalProblem(goal);
    if (!refusal && chkStart->isChecked()) {
        refusal = StartProblem(goal, HeldTickets());
    }
    const QString problem = refusal ? FromUtf8(refusal->reason) : QString();
    lblProblem->setText(problem);
    lblProblem->setVisible(!problem.isEmpty());

    QString bounds;
    if (problem.isEmpty()) {
        const auto bound = LowerBound(goal);
        bounds = bound ? "Lower bound: " + Count(*bound) +
                             (goal.drawn == goal.atLeast ? " (Schönheim)" : " (counting)")
                       : QString("Lower bound: none known");
        const KnownWheel* known = Library().Find(goal);
        bounds +=
            known
                ? QString("   Best known: %1 (%2)").arg(Count(known->size), FromUtf8(known->source))
                : QString("   Best known: none in the library");
    }
    lblBounds->setText(bounds);
    ShowWork(job->Running());
}

// A covering design "t if t" keeps "t if m" for every larger m, so the
// library's C(N, k, t) serves every draw size.
const KnownWheel* frmBuild::KnownDesign() const {
    WheelGoal covering = Goal();
    covering.drawn = covering.atLeast;
    const KnownWheel* known = Library().Find(covering);
    return known && !known->tickets.empty() ? known : nullptr;
}

void frmBuild::cmdBuild_Click() {
    BuildRequest request;
    request.goal = Goal();
    if (GoalProblem(request.goal)) {
        return;
    }
    request.seconds = spnSeconds->value();
    request.seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    request.searches = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, 2U));
    if (chkStart->isChecked()) {
        request.start = HeldTickets();
    }
    lblResult->clear();
    lblBest->setText("Searching...");
    job->Start<BuildOutcome>(
        [request](Progress& progress) { return std::optional(BuildWheel(request, progress)); },
        [this](const BuildOutcome& outcome) { BuildFinished(outcome); });
    ShowWork(true);
}

void frmBuild::ShowBest() {
    const std::uint64_t best = job->Best();
    if (best > 0) {
        lblBest->setText("Best so far: " + Count(best) + " tickets");
    }
}

void frmBuild::BuildFinished(const BuildOutcome& outcome) {
    lblBest->clear();
    if (outcome.tickets.empty()) {
        lblResult->setText(FromUtf8(outcome.refusal ? outcome.refusal->reason : ""));
        return;
    }
    built = outcome.tickets;
    builtGoal = Goal();
    const auto [fewest, most] = Appearances(built, builtGoal.numbers);
    lblResult->setText(
        QString("<b>%1 tickets.</b> %2<br>Each number is on %3 to %4 tickets.")
            .arg(Count(built.size()),
                 FromUtf8(GuaranteeSentence(builtGoal.drawn, outcome.guarantee, builtGoal.numbers))
                     .toHtmlEscaped(),
                 Count(fewest), Count(most)));
    txtWheel->setPlainText(FromUtf8(WheelText(built)));
    txtWheel->moveCursor(QTextCursor::Start);
    ShowWork(false);
}

void frmBuild::ShowWork(bool running) {
    const bool goalOk = lblProblem->text().isEmpty();
    cmdBuild->setEnabled(!running && goalOk);
    cmdStop->setEnabled(running);
    barProgress->setVisible(running);
    for (QSpinBox* spin : {spnNumbers, spnPerTicket, spnAtLeast, spnDrawn, spnSeconds}) {
        spin->setEnabled(!running);
    }
    if (running) {
        bestTimer->start(200);
    } else {
        bestTimer->stop();
    }
    cmdUse->setEnabled(!built.empty());
    cmdSave->setEnabled(!built.empty());
    const KnownWheel* known = KnownDesign();
    // Offered until a wheel as small or smaller is built for the same goal.
    const bool smaller =
        known && !running &&
        (built.empty() || !(builtGoal == Goal()) || known->tickets.size() < built.size());
    cmdBestKnown->setEnabled(smaller);
    cmdBestKnown->setToolTip(known ? QString("The %1-ticket design from the %2")
                                         .arg(Count(known->tickets.size()), FromUtf8(known->source))
                                   : QString());
}

void frmBuild::cmdSave_Click() {
    const QString path = SaveFileName(this, "Save wheel",
                                      QString("wheel-%1-%2-%3if%4.txt")
                                          .arg(builtGoal.numbers)
                                          .arg(builtGoal.perTicket)
                                          .arg(builtGoal.atLeast)
                                          .arg(builtGoal.drawn),
                                      "Text files (*.txt);;All files (*)")
                             .path;
    if (path.isEmpty()) {
        return;
    }
    if (const auto refusal = SaveText(path, QByteArray::fromStdString(WheelText(built)))) {
        ShowFileRefusal(this, "save the wheel", path, *refusal);
    }
}

void frmBuild::cmdBestKnown_Click() {
    const KnownWheel* known = KnownDesign();
    if (known == nullptr) {
        return;
    }
    lblCredit->setText(FromUtf8(known->credit));
    emit useWheel(FromUtf8(WheelText(known->tickets)));
}

} // namespace quorvex::ui
