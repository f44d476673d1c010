// The report's holes: the draws no ticket covers, listed in the background, copied and saved.
#include "frmReport.h"

#include "design.h"
#include "operations.h"
#include "refusalNotice.h"
#include "reportTables.h"
#include "report_text.h"
#include "textFile.h"
#include "toolWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace quorvex::ui {

namespace {

constexpr std::size_t kHolesListed = 1000;
// Never empty: an empty label would take its room only once the first holes are listed.
constexpr char kHolesPrompt[] =
    "Choose a draw size and how many numbers a ticket must hold, then List holes.";

// A text box that asks for a few lines rather than a screenful: on Windows a window
// is never shorter than what its wrapped labels' boxes would like, and the report
// must fit a small screen.
class HoleList : public QPlainTextEdit {
public:
    QSize sizeHint() const override {
        return {QPlainTextEdit::sizeHint().width(),
                fontMetrics().lineSpacing() * 6 + 2 * frameWidth()};
    }
};

} // namespace

QLayout* frmReport::HolesBox() {
    spnHoleSize = Named<QSpinBox>("spnHoleSize", "Numbers drawn");
    spnHoleBelow = Named<QSpinBox>("spnHoleBelow", "Numbers on one ticket");
    cmdHoles = Button("&List holes", "cmdHoles");
    auto* holeQuery = new QHBoxLayout;
    holeQuery->addWidget(Buddy("Draws of", spnHoleSize));
    holeQuery->addWidget(spnHoleSize);
    holeQuery->addWidget(Buddy("of your numbers where no ticket holds", spnHoleBelow));
    holeQuery->addWidget(spnHoleBelow);
    holeQuery->addWidget(cmdHoles);
    holeQuery->addStretch();
    lblHoles = WrappingLabel("lblHoles");
    // Room for the sentence about the holes from the start, so that nothing moves when it comes.
    lblHoles->setFixedHeight(3 * lblHoles->fontMetrics().lineSpacing());
    lblHoles->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtHoles = Named<HoleList>("txtHoles", "Holes");
    txtHoles->setReadOnly(true);
    txtHoles->setFont(DesignFont("DejaVu Sans Mono", 9));
    cmdCopyHoles = Button("&Copy holes", "cmdCopyHoles");
    cmdSaveHoles = Button("&Save holes...", "cmdSaveHoles");
    auto* holeOutput = new QHBoxLayout;
    holeOutput->addStretch();
    holeOutput->addWidget(cmdCopyHoles);
    holeOutput->addWidget(cmdSaveHoles);
    auto* holeBox = new QVBoxLayout;
    holeBox->addLayout(holeQuery);
    holeBox->addWidget(lblHoles);
    holeBox->addWidget(txtHoles);
    holeBox->addLayout(holeOutput);
    connect(spnHoleSize, &QSpinBox::valueChanged, this,
            [this](int m) { spnHoleBelow->setMaximum(m); });
    connect(cmdHoles, &QPushButton::clicked, this, &frmReport::ListHoles);
    connect(cmdCopyHoles, &QPushButton::clicked, this, &frmReport::CopyHoles);
    connect(cmdSaveHoles, &QPushButton::clicked, this, &frmReport::SaveHoles);
    ClearHoles(); // nothing to copy or save until holes are listed
    return holeBox;
}

void frmReport::ClearHoles() {
    lblHoles->setText(kHolesPrompt);
    txtHoles->clear();
    holesAsked = false;
    holesShown.reset();
    cmdCopyHoles->setEnabled(false);
    cmdSaveHoles->setEnabled(false);
}

void frmReport::ListHoles() {
    const int m = spnHoleSize->value();
    const int t = spnHoleBelow->value();
    const bool inPicks = PicksMatch(numbers);
    holesAsked = true;
    const WheelSets sets =
        WheelSetsOf(lines, numbers, inPicks ? KeyMapping() : std::vector<Number>{});
    job->Start<Holes>(
        [sets, m, t](Progress& progress) { return FindHoles(sets, m, t, kHolesListed, progress); },
        [this, m, t, inPicks](const Holes& holes) { ShowHoles(holes, m, t, inPicks); });
    StartWork(QString("Looking for draws of %1 numbers without %2 on a ticket...").arg(m).arg(t));
    listingHoles = true;
}

void frmReport::ShowHoles(const Holes& holes, int m, int t, bool inPicks) {
    QString text;
    for (const std::vector<int>& hole : holes.first) {
        text += TwoDigitLineText(hole) + '\n';
    }
    txtHoles->setPlainText(text);
    holesShown = HolesShown{m, t, holes.count, inPicks};
    cmdCopyHoles->setEnabled(holes.count > 0);
    cmdSaveHoles->setEnabled(holes.count > 0);
    if (holes.count == 0) {
        lblHoles->setText(QString("No holes: whenever %1 of your numbers are drawn, a ticket holds "
                                  "%2 of them.")
                              .arg(m)
                              .arg(t));
        return;
    }
    const QString shown = holes.count > holes.first.size()
                              ? QString("The first %1").arg(Count(holes.first.size()))
                              : QString(holes.count == 1 ? "It is" : "All of them");
    lblHoles->setText(
        QString("%1 draws of %2 of your numbers (%3) leave no ticket with %4 of them. %5, %6:")
            .arg(Count(holes.count))
            .arg(m)
            .arg(Percent(holes.count, table ? table->AtLeast(m, 0) : holes.count, 2))
            .arg(t)
            .arg(shown)
            .arg(inPicks ? QString("in your numbers")
                         : QString("in the wheel's numbers 1-%1 (pick %1 keys to see yours)")
                               .arg(numbers)));
}

void frmReport::CopyHoles() {
    QApplication::clipboard()->setText(txtHoles->toPlainText());
}

void frmReport::SaveHoles() {
    const QString path =
        SaveFileName(this, "Save holes", "holes.txt", "Text files (*.txt);;All files (*)").path;
    if (path.isEmpty()) {
        return;
    }
    const QString header =
        holesShown ? FromUtf8(HolesHeader({numbers, profile.lines, holesShown->m, holesShown->t,
                                           holesShown->count, holesShown->inPicks}))
                   : QString();
    if (const auto refusal = SaveText(
            path, QString(header + txtHoles->toPlainText()).replace('\n', "\r\n").toUtf8())) {
        ShowFileRefusal(this, "save the holes", path, *refusal);
    }
}

} // namespace quorvex::ui
