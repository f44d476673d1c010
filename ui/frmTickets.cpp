#include "frmTickets.h"

#include "closeKeys.h"
#include "design.h"
#include "mDichiarazioni.h"

#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <bitset>

namespace quorvex::ui {

namespace {

QString TwoDigits(int n) {
    return QString("%1").arg(n, 2, 10, QChar('0'));
}

// Paints a row as its text, with the drawn numbers bold on a highlight.
class TicketDelegate : public QStyledItemDelegate {
public:
    TicketDelegate(TicketsModel* model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (model_->Draw().empty()) {
            return;
        }
        std::bitset<kHighestNumber + 1> drawn;
        for (int n : model_->Draw()) {
            if (n <= kHighestNumber) {
                drawn[static_cast<std::size_t>(n)] = true;
            }
        }
        const QFontMetrics metrics(option.font);
        const int cell = metrics.horizontalAdvance(' ');
        // Where the style starts the text.
        const int left = option.rect.left() +
                         option.widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        const auto line = gSystemLines.line(static_cast<std::size_t>(index.row()));
        QFont bold = option.font;
        bold.setBold(true);
        painter->save();
        painter->setFont(bold);
        int column = model_->NumberWidth() + 2; // "12: " then the numbers, 3 cells apart
        for (Number n : line) {
            if (drawn[n]) {
                const QRect box(left + column * cell, option.rect.top(), 2 * cell,
                                option.rect.height());
                painter->fillRect(box, QColor(0xff, 0xe0, 0x66));
                painter->setPen(Qt::black);
                painter->drawText(box, Qt::AlignCenter, TwoDigits(n));
            }
            column += 3;
        }
        painter->restore();
    }

private:
    TicketsModel* model_;
};

} // namespace

int TicketsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(gSystemLineCount);
}

QVariant TicketsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    QString text = QString("%1:").arg(index.row() + 1, numberWidth_);
    for (Number n : gSystemLines.line(static_cast<std::size_t>(index.row()))) {
        text += ' ' + TwoDigits(n);
    }
    return text;
}

void TicketsModel::Reload() {
    beginResetModel();
    numberWidth_ = static_cast<int>(QString::number(gSystemLineCount).size());
    endResetModel();
}

void TicketsModel::SetDraw(const std::vector<int>& drawn) {
    draw_ = drawn;
    if (rowCount() > 0) {
        emit dataChanged(index(0), index(rowCount() - 1));
    }
}

frmTickets::frmTickets(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("frmTickets");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Tickets - Quorvex");
    setWindowIcon(QIcon(":/quorvex/icon-48.png"));

    model = new TicketsModel(this);
    lstTickets = new QListView;
    lstTickets->setObjectName("lstTickets");
    lstTickets->setAccessibleName("Tickets");
    lstTickets->setModel(model);
    lstTickets->setUniformItemSizes(true); // rows in sight are all that is measured
    lstTickets->setWordWrap(false);
    lstTickets->setFont(DesignFont("DejaVu Sans Mono", 10));
    lstTickets->setItemDelegate(new TicketDelegate(model, lstTickets));
    lstTickets->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lblSummary = new QLabel;
    lblSummary->setObjectName("lblSummary");
    lblSummary->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(lstTickets, 1);
    layout->addLayout(CloseRow(this));
    resize(420, 560);
    SystemChanged();
}

void frmTickets::SystemChanged() {
    model->Reload();
    lstTickets->scrollToTop();
    if (model->rowCount() > 0) {
        lstTickets->setCurrentIndex(model->index(0));
    }
    ShowSummary();
}

void frmTickets::DrawChecked(const std::vector<int>& drawn) {
    model->SetDraw(drawn);
    ShowSummary();
}

void frmTickets::ShowSummary() {
    if (gSystemLineCount == 0) {
        lblSummary->setText("Nothing is developed yet: press GENERATE in the main window.");
        return;
    }
    QString text =
        QString("%1 tickets.").arg(QLocale().toString(static_cast<qulonglong>(gSystemLineCount)));
    if (!model->Draw().empty()) {
        QStringList numbers;
        for (int n : model->Draw()) {
            numbers << TwoDigits(n);
        }
        text += " The numbers drawn (" + numbers.join(' ') + ") are marked.";
    }
    lblSummary->setText(text);
}

} // namespace quorvex::ui
