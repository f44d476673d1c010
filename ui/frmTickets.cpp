// The tickets window: the developed tickets, one a row, the last draw marked.
#include "frmTickets.h"

#include "design.h"
#include "gameSettings.h"
#include "operations.h"
#include "toolWindow.h"

#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace quorvex::ui {

namespace {

// Paints a row as the model writes it: its number, then the ticket's numbers
// in fixed cells of three characters, the drawn ones bold on a highlight.
class TicketDelegate : public QStyledItemDelegate {
public:
    TicketDelegate(TicketsModel* model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString label = QString("%1:").arg(index.row() + 1, model_->NumberWidth());
        item.text.clear();
        QStyle* style = item.widget->style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
        const int cell = QFontMetrics(item.font).horizontalAdvance(' ');
        const int left = area.left() + style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        const bool selected = (item.state & QStyle::State_Selected) != 0;
        const QColor ink =
            item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        QFont bold = item.font;
        bold.setBold(true);
        painter->save();
        painter->setPen(ink);
        painter->setFont(item.font);
        const auto box = [&](int column, int width) {
            return QRect(left + column * cell, area.top(), width * cell, area.height());
        };
        painter->drawText(box(0, static_cast<int>(label.size())), Qt::AlignVCenter, label);
        int column = static_cast<int>(label.size()) + 1;
        for (Number n : DevelopedTickets().line(static_cast<std::size_t>(index.row()))) {
            const QRect number = box(column, 2);
            const bool hit = model_->Draw()[n];
            if (hit) {
                painter->fillRect(number.adjusted(-1, 1, 1, -1), QColor(0xff, 0xe0, 0x66));
            }
            painter->setPen(hit ? QColor(Qt::black) : ink);
            painter->setFont(hit ? bold : item.font);
            painter->drawText(number, Qt::AlignVCenter | Qt::AlignLeft, TwoDigitText(n));
            column += 3;
        }
        painter->restore();
    }

private:
    TicketsModel* model_;
};

} // namespace

int TicketsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(DevelopedTickets().size());
}

QVariant TicketsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    return QString("%1: ").arg(index.row() + 1, numberWidth_) +
           TwoDigitLineText(DevelopedTickets().line(static_cast<std::size_t>(index.row())));
}

void TicketsModel::Reload() {
    beginResetModel();
    numberWidth_ = static_cast<int>(QString::number(DevelopedTickets().size()).size());
    endResetModel();
}

void TicketsModel::SetDraw(const std::vector<int>& drawn) {
    drawnNumbers_ = drawn;
    draw_ = SetOfDrawn(drawn);
    if (rowCount() > 0) {
        emit dataChanged(index(0), index(rowCount() - 1));
    }
}

frmTickets::frmTickets(QWidget* owner) : QWidget(owner, Qt::Window) {
    SetUpToolWindow(this, "frmTickets", "Tickets");

    model = new TicketsModel(this);
    lstTickets = new QListView;
    lstTickets->setObjectName("lstTickets");
    lstTickets->setAccessibleName("Tickets");
    lstTickets->setModel(model);
    lstTickets->setUniformItemSizes(true); // rows in sight are all that is measured
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
    if (DevelopedTickets().empty()) {
        lblSummary->setText(FromUtf8(kGenerateFirst));
        return;
    }
    const Game game = CurrentGame();
    QString text =
        QString("%1 a draw of %2.")
            .arg(FromUtf8(CostText(DevelopedTickets().size(), game.price)), FromUtf8(game.name));
    if (!model->DrawnNumbers().empty()) {
        text += " The numbers drawn (" + TwoDigitLineText(model->DrawnNumbers()) + ") are marked.";
    }
    lblSummary->setText(text);
}

} // namespace quorvex::ui
