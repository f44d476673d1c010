// The draw check window: a typed draw against the developed tickets.
#include "frmDraw.h"

#include "design.h"
#include "draw_check.h"
#include "gameSettings.h"
#include "operations.h"
#include "refusalNotice.h"
#include "toolWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quorvex::ui {

namespace {

constexpr std::size_t kBestListed = 1000;

} // namespace

frmDraw::frmDraw(QWidget* owner) : QWidget(owner, Qt::Window) {
    SetUpToolWindow(this, "frmDraw", "Check a draw");

    lblGame = WrappingLabel("lblGame");
    txtDrawn = new QLineEdit;
    txtDrawn->setObjectName("txtDrawn");
    txtDrawn->setAccessibleName("Numbers drawn");
    cmdCheck = new QPushButton("C&heck");
    cmdCheck->setObjectName("cmdCheck");
    cmdCheck->setDefault(true);
    auto* prompt = new QLabel("&Numbers drawn:");
    prompt->setBuddy(txtDrawn);
    auto* entry = new QHBoxLayout;
    entry->addWidget(prompt);
    entry->addWidget(txtDrawn, 1);
    entry->addWidget(cmdCheck);

    lblResult = new QLabel;
    lblResult->setObjectName("lblResult");
    lblResult->setWordWrap(true);
    tblHits = new QTableWidget(0, 2);
    tblHits->setObjectName("tblHits");
    tblHits->setAccessibleName("Tickets by hits");
    tblHits->setHorizontalHeaderLabels({"Hits", "Tickets"});
    tblHits->verticalHeader()->hide();
    tblHits->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblHits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    txtBest = new QTextBrowser;
    txtBest->setObjectName("txtBest");
    txtBest->setAccessibleName("Best tickets");
    txtBest->setFont(DesignFont("DejaVu Sans Mono", 10));

    auto* results = new QHBoxLayout;
    results->addWidget(tblHits, 1);
    results->addWidget(txtBest, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblGame);
    layout->addLayout(entry);
    layout->addWidget(lblResult);
    layout->addLayout(results, 1);
    layout->addLayout(CloseRow(this));
    resize(640, 420);

    connect(cmdCheck, &QPushButton::clicked, this, &frmDraw::cmdCheck_Click);
    GameChanged();
}

void frmDraw::SystemChanged() {
    ShowResult();
}

void frmDraw::GameChanged() {
    const Game game = CurrentGame();
    lblGame->setText("Game: " + GameText(game) + ".");
    txtDrawn->setPlaceholderText(
        QString("the %1 numbers drawn, 1-%2").arg(game.drawn).arg(game.balls));
    ShowResult();
}

void frmDraw::CheckDrawn(const std::vector<int>& numbers) {
    txtDrawn->setText(TwoDigitLineText(numbers));
    cmdCheck_Click();
}

void frmDraw::cmdCheck_Click() {
    const QByteArray text = txtDrawn->text().toUtf8();
    const Game game = CurrentGame();
    const DrawEntry entry = ParseDraw({text.constData(), static_cast<std::size_t>(text.size())},
                                      game.balls, game.drawn);
    if (entry.refusal) {
        // No result may stand beside an entry that is no draw.
        drawn.clear();
        ShowResult();
        emit drawChecked(drawn);
        ShowRefusal(this, "Not a draw ..!", *entry.refusal, txtDrawn, text);
        return;
    }
    drawn = entry.numbers;
    ShowResult();
    emit drawChecked(drawn);
}

void frmDraw::ShowResult() {
    tblHits->setRowCount(0);
    txtBest->clear();
    const LineList& tickets = DevelopedTickets();
    const QString ticketCount = QLocale().toString(static_cast<qulonglong>(tickets.size()));
    if (tickets.empty()) {
        lblResult->setText(FromUtf8(kGenerateFirst));
        return;
    }
    if (drawn.empty()) {
        lblResult->setText(QString("Type the numbers drawn to check them against the %1 tickets "
                                   "developed.")
                               .arg(ticketCount));
        return;
    }
    const DrawResult result = CheckDraw(tickets, drawn, kBestListed);
    lblResult->setText(QString("Drawn: %1. Checked against the %2 tickets developed.")
                           .arg(TwoDigitLineText(drawn))
                           .arg(ticketCount));
    for (int hits = result.mostHits; hits >= 0; --hits) {
        const int row = tblHits->rowCount();
        tblHits->insertRow(row);
        tblHits->setItem(row, 0, new QTableWidgetItem(QString::number(hits)));
        tblHits->setItem(row, 1,
                         new QTableWidgetItem(QLocale().toString(static_cast<qulonglong>(
                             result.ticketsWithHits[static_cast<std::size_t>(hits)]))));
    }

    // The best tickets, numbered as in the listing, drawn numbers in bold.
    QString html = QString("<p>%1 with %2 hit%3:</p>")
                       .arg(result.bestTickets.size() < result.ticketsWithHits[result.mostHits]
                                ? QString("The first %1 tickets").arg(result.bestTickets.size())
                                : QString("Tickets"))
                       .arg(result.mostHits)
                       .arg(result.mostHits == 1 ? "" : "s");
    html += "<pre>";
    for (std::size_t ticket : result.bestTickets) {
        html += QString("%1:").arg(ticket + 1, 7);
        for (Number n : tickets.line(ticket)) {
            const QString number = TwoDigitText(n);
            html += result.drawn[n] ? " <b>" + number + "</b>" : " " + number;
        }
        html += '\n';
    }
    txtBest->setHtml(html + "</pre>");
}

} // namespace quorvex::ui
