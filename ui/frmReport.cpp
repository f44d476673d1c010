// The wheel report window: its layout, the counting in the background, the figures shown.
#include "frmReport.h"

#include "chances.h"
#include "design.h"
#include "frmMessage.h"
#include "gameSettings.h"
#include "operations.h"
#include "prizes.h"
#include "reportTables.h"
#include "report_text.h"
#include "textFile.h"
#include "toolWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>

#include <cmath>

namespace quorvex::ui {

namespace {

QGroupBox* Group(const QString& title, QLayout* contents) {
    auto* group = new QGroupBox(title);
    group->setLayout(contents);
    return group;
}

QLayout* Boxed(QWidget* widget) {
    auto* box = new QVBoxLayout;
    box->addWidget(widget);
    return box;
}

} // namespace

frmReport::frmReport(QWidget* owner) : QWidget(owner, Qt::Window) {
    SetUpToolWindow(this, "frmReport", "Wheel report");
    job = new BackgroundJob(this);

    lblGame = WrappingLabel("lblGame");

    lblStale = WrappingLabel("lblStale");
    lblStale->setText("No wheel is held now: these figures are for the wheel held before.");
    lblStale->setStyleSheet("color: #b00000; font-weight: bold;");
    lblStale->hide();

    lblWheel = WrappingLabel("lblWheel");
    lblWarnings = WrappingLabel("lblWarnings");
    lblWarnings->setStyleSheet("color: #9a5b00;");
    lblMapping = WrappingLabel("lblMapping");
    auto* wheelBox = new QVBoxLayout;
    wheelBox->addWidget(lblWheel);
    wheelBox->addWidget(lblWarnings);
    wheelBox->addWidget(lblMapping);

    lblGuarantees = WrappingLabel("lblGuarantees");
    lblGuarantees->installEventFilter(this);
    auto* guaranteeBox = new QVBoxLayout;
    guaranteeBox->addWidget(lblGuarantees);

    tblCoverage = ReportTable("tblCoverage", "Coverage table");
    tblCoverage->setWordWrap(false); // the guaranteed cell's mark stays beside its figure
    chkCounts = new QCheckBox("Show e&xact counts");
    chkCounts->setObjectName("chkCounts");
    auto* coverageBox = new QVBoxLayout;
    coverageBox->addWidget(tblCoverage);
    coverageBox->addWidget(chkCounts);
    coverageBox->addStretch();

    tblChances = ReportTable("tblChances", "Chances per draw");
    tblChances->setColumnCount(3);
    tblChances->setHorizontalHeaderLabels({"Best ticket", "Chance", "One draw in"});
    tblChances->verticalHeader()->hide();
    lblCost = WrappingLabel("lblCost");
    auto* chanceBox = new QVBoxLayout;
    chanceBox->addWidget(tblChances);
    chanceBox->addWidget(lblCost);
    chanceBox->addStretch();

    barProgress = ProgressBar(job);
    cmdCancel = new QPushButton("Cancel");
    cmdCancel->setObjectName("cmdCancel");
    cmdRecount = new QPushButton("C&ount again");
    cmdRecount->setObjectName("cmdRecount");
    cmdRecount->hide();
    lblWork = new QLabel;
    lblWork->setObjectName("lblWork");
    // The work row keeps its height whether or not work is under way.
    for (QWidget* widget : std::initializer_list<QWidget*>{barProgress, cmdCancel, cmdRecount}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    auto* work = CloseRow(this);
    work->insertWidget(0, lblWork, 1);
    work->insertWidget(1, barProgress, 1);
    work->insertWidget(2, cmdCancel);
    work->insertWidget(3, cmdRecount);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblGame, 0, 0, 1, 2);
    grid->addWidget(lblStale, 1, 0, 1, 2);
    grid->addWidget(Group("The wheel", Boxed(Scrolling(wheelBox, "scrWheel"))), 2, 0);
    QScrollArea* guarantees = Scrolling(guaranteeBox, "scrGuarantees");
    // Six sentences, wrapped, before it scrolls: a draw of 6 needs no more.
    guarantees->setMinimumHeight(lblGuarantees->fontMetrics().lineSpacing() * 12);
    grid->addWidget(Group("Guarantees", Boxed(guarantees)), 3, 0);
    grid->addWidget(Group("Chances per draw", chanceBox), 4, 0);
    grid->addWidget(
        Group("Coverage: how many of your numbers the best ticket holds, by draw", coverageBox), 2,
        1, 2, 1);
    grid->addWidget(Group("Holes", HolesBox()), 4, 1);
    grid->addLayout(work, 5, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(3, 3); // room first for the guarantees, a sentence a draw size
    grid->setRowStretch(4, 1);
    resize(980, 690); // with its frame, within a 1366 x 768 screen

    connect(chkCounts, &QCheckBox::toggled, this, &frmReport::ShowTable);
    connect(cmdCancel, &QPushButton::clicked, job, &BackgroundJob::Cancel);
    connect(cmdRecount, &QPushButton::clicked, this, &frmReport::Recount);
    connect(job, &BackgroundJob::finished, this, &frmReport::WorkFinished);
    Recount();
}

void frmReport::WheelChanged() {
    if (!HeldWheel().empty()) {
        Recount();
        return;
    }
    stale = true;
    lblStale->show();
    cmdHoles->setEnabled(false);
}

// The table counts up to the game's draw: another game may need it counted afresh.
void frmReport::GameChanged() {
    if (!stale && !HeldWheel().empty()) {
        Recount();
    }
}

void frmReport::KeysChanged() {
    ShowMapping();
    // Holes are written in the picked numbers when the keys match the wheel. With a
    // table at hand no count is under way, so listing them again stops nothing but
    // an older listing.
    if (!stale && table && holesAsked) {
        ListHoles();
    }
}

void frmReport::Recount() {
    if (HeldWheel().empty()) {
        return;
    }
    stale = false;
    lblStale->hide();
    lines = HeldWheel();
    numbers = HeldWheelNumbers();
    profile = ProfileWheel(lines);
    table.reset();
    const Game game = CurrentGame();
    lblGame->setText(QString("Game: %1. Its chances below; Wheel > Game... chooses another.")
                         .arg(GameText(game)));
    ShowWheel();
    ShowMapping();
    ShowTable();
    ShowChances();
    ClearHoles();
    listingHoles = false;

    const WheelSets sets = WheelSetsOf(lines, numbers);
    const int drawn = CasesToCount(numbers, game.drawn);
    job->Start<CoverageTable>(
        [sets, drawn](Progress& progress) { return ComputeCoverage(sets, drawn, progress); },
        [this](const CoverageTable& result) {
            table = result;
            ShowTable();
            ShowChances();
            // The first holes worth a look: one more than the top draw guarantees.
            spnHoleSize->setRange(1, result.drawn);
            spnHoleSize->setValue(result.drawn);
            spnHoleBelow->setRange(1, result.drawn);
            spnHoleBelow->setValue(std::min(result.drawn, result.Guarantee(result.drawn) + 1));
        });
    StartWork(QString("Counting every draw of up to %1 of your numbers...").arg(drawn));
}

void frmReport::ShowWheel() {
    lblWheel->setText(QString("%1 numbers, %2 lines; numbers a line: %3.")
                          .arg(numbers)
                          .arg(Count(profile.lines))
                          .arg(FromUtf8(LengthsText(profile))));
    QStringList warnings;
    for (const std::string& warning : WarningsText(profile)) {
        warnings << FromUtf8(warning);
    }
    lblWarnings->setText(warnings.join('\n'));
    lblWarnings->setVisible(!warnings.isEmpty());
}

void frmReport::ShowMapping() {
    // After a wheel is dropped the report keeps the last one's numbers, so the keys
    // are matched against those.
    if (!PicksMatch(numbers)) {
        lblMapping->setText(
            QString("Pick %1 keys on the keypad to see which of your numbers stands "
                    "for each wheel number (%2 picked now).")
                .arg(numbers)
                .arg(PickedCount()));
        return;
    }
    QStringList pairs;
    const std::vector<Number> picks = KeyMapping();
    for (std::size_t k = 0; k < picks.size(); ++k) {
        pairs << QString("%1\u2192%2").arg(k + 1).arg(TwoDigitText(picks[k]));
    }
    lblMapping->setText("Wheel number \u2192 your number: " + pairs.join("  "));
}

void frmReport::ShowTable() {
    const int drawn = table ? table->drawn : 0;
    QStringList sentences;
    for (int m = 1; m <= drawn; ++m) {
        sentences << FromUtf8(GuaranteeSentence(m, table->Guarantee(m), numbers));
    }
    lblGuarantees->setText(table ? sentences.join('\n') : QString("Counting..."));
    FitGuarantees();

    ShowCoverageTable(tblCoverage, table ? &*table : nullptr, chkCounts->isChecked());
}

// The guarantees in full, whatever the width leaves them: a grid does not
// grow a row for a wrapped label by itself.
void frmReport::FitGuarantees() {
    lblGuarantees->setMinimumHeight(lblGuarantees->heightForWidth(lblGuarantees->width()));
}

bool frmReport::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblGuarantees && event->type() == QEvent::Resize) {
        FitGuarantees(); // a new width wraps the sentences anew
    }
    return QWidget::eventFilter(watched, event);
}

void frmReport::ShowChances() {
    const Game game = CurrentGame();
    // The player's numbers are balls of the game: a wheel of more numbers has no chances in it.
    const bool fits = numbers <= game.balls;
    ShowChancesTable(tblChances, table
                                     ? ChancesInGame(*table, numbers, game, profile.longestDistinct)
                                     : std::vector<Chance>{});
    tblChances->setToolTip(fits ? QString()
                                : QString("This wheel has %1 numbers, more than the %2 balls of "
                                          "the game.")
                                      .arg(numbers)
                                      .arg(game.balls));
    ShowCost();
}

// What the wheel's tickets cost a draw, and what they win on average: not for
// a wheel of more numbers than the game's balls, whose chances are not shown either.
void frmReport::ShowCost() {
    const Game game = CurrentGame();
    QString text = "Cost a draw: " + FromUtf8(CostText(lines.size(), game.price)) + ".";
    if (game.HasPrizes() && numbers <= game.balls) {
        text += QString(" Expected prize a draw: %1, an average over all the draws of the game.")
                    .arg(QLocale().toString(ExpectedPrize(lines, game) / 100, 'f', 2));
    }
    lblCost->setText(text);
}

void frmReport::StartWork(const QString& what) {
    lblWork->setText(what);
    barProgress->setValue(0);
    barProgress->show();
    cmdCancel->show();
    cmdRecount->hide();
    cmdHoles->setEnabled(false);
}

void frmReport::WorkFinished(bool completed) {
    barProgress->hide();
    cmdCancel->hide();
    // Say which figures a cancel leaves on show.
    QString cancelled = "Cancelled: the figures shown are incomplete.";
    if (listingHoles) {
        cancelled = holesShown ? QString("Cancelled: the holes shown are the earlier ones, for "
                                         "draws of %1 without %2 on a ticket.")
                                     .arg(holesShown->m)
                                     .arg(holesShown->t)
                               : QString("Cancelled: no holes are listed.");
    }
    lblWork->setText(completed ? QString() : cancelled);
    if (!table) {
        lblGuarantees->setText("Not counted.");
        cmdRecount->setVisible(!stale);
    }
    cmdHoles->setEnabled(table.has_value() && !stale);
    layout()->activate(); // the boxes take their final sizes now, not at the next listing
}

} // namespace quorvex::ui
