// The one modal dialog for every notice and question.
#include "frmMessage.h"

#include "design.h"
#include "mDichiarazioni.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

namespace quorvex::ui {

namespace {

constexpr int kLineHeight = 275;
constexpr int kTitleAndBorders = 445; // the design's outer height less its client height
constexpr int kDialogBaseHeight = 2450;
constexpr int kFrameBaseHeight = 2000;
constexpr int kButtonBaseTop = 1400;
constexpr int kClientWidth = 4815;
constexpr int kButtonWidth = 1400;
constexpr int kButtonHeight = 465;

constexpr int kMessageLeft = 210;
constexpr int kMessageWidth = 4275;

struct ButtonRow {
    int firstLeft;
    int gap;
};

QFont MessageFont() {
    return DesignFont("Trebuchet MS", 9.75);
}

// The lines of a notice broken where they would run past the message's width:
// between words, or inside a word (a long file name) that is wider on its own.
QString FittedLines(const QString& body) {
    const QFontMetrics metrics(MessageFont());
    const int width = Twips(kMessageWidth) - 4;
    const auto fits = [&](const QString& text) {
        return metrics.horizontalAdvance(text) <= width;
    };
    QStringList out;
    for (const QString& line : body.split('|')) {
        QString current;
        for (const QString& word : line.split(' ')) {
            const QString joined = current.isEmpty() ? word : current + ' ' + word;
            if (fits(joined)) {
                current = joined;
                continue;
            }
            if (!current.isEmpty()) {
                out << current;
            }
            current = word;
            while (!fits(current)) {
                int cut = static_cast<int>(current.size()) - 1;
                while (cut > 1 && !fits(current.left(cut))) {
                    --cut;
                }
                out << current.left(cut);
                current = current.mid(cut);
            }
        }
        out << current;
    }
    return out.join('|');
}

} // namespace

frmMessage::frmMessage(QWidget* owner) : QDialog(owner) {
    setObjectName("frmMessage");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QString::fromUtf8(" Quorvex\u00ae - MESSAGE"));
    setWindowIcon(QIcon(":/quorvex/icon-48.png"));
    setFont(DesignFont("Segoe UI", 8.25));
    gMessageResult = 0;

    const QString body = FittedLines(FromUtf8(gMessageText));
    const int lineCount = body.isEmpty() ? 0 : static_cast<int>(body.count('|')) + 1;
    const int h = kLineHeight * lineCount;
    setFixedSize(Twips(kClientWidth), Twips(kDialogBaseHeight + h - kTitleAndBorders));

    fraMessage = new QGroupBox(this);
    fraMessage->setObjectName("fraMessage");
    Place(fraMessage, 30, 0, 4725, kFrameBaseHeight + h);

    Image = new QLabel(fraMessage);
    Image->setObjectName("Image");
    Image->setPixmap(QPixmap(":/quorvex/banner.png"));
    Place(Image, 1080, 210, 2850, 540);

    lblMessage = new QLabel(fraMessage);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setFont(MessageFont());
    lblMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMessage->setText(QString(body).replace('|', '\n'));
    setAccessibleDescription(QString(body).replace('|', ' ')); // read out when the dialog opens
    Place(lblMessage, kMessageLeft, 1050, kMessageWidth, h);

    cmdPulsante[1] = CreateButton(1);
    Place(cmdPulsante[1], 210, kButtonBaseTop + h, kButtonWidth, kButtonHeight);

    // One, two or three captions lay out a row of buttons; any other count
    // leaves the lone element 1 as designed.
    const QStringList captions =
        gMessageButtons.empty() ? QStringList{} : FromUtf8(gMessageButtons).split(',');
    constexpr ButtonRow kRows[] = {{1700, 0}, {1000, 60}, {185, 70}};
    if (captions.size() >= 1 && captions.size() <= 3) {
        const ButtonRow row = kRows[captions.size() - 1];
        int left = row.firstLeft; // made in order, so Tab goes left to right
        for (int i = 1; i <= captions.size(); ++i) {
            if (!cmdPulsante[i]) {
                cmdPulsante[i] = CreateButton(i);
            }
            Place(cmdPulsante[i], left, kButtonBaseTop + h, kButtonWidth, kButtonHeight);
            cmdPulsante[i]->setText(captions[i - 1]);
            left += kButtonWidth + row.gap;
        }
    }
    // A button without a caption still needs a name for a screen reader.
    if (cmdPulsante[1]->text().isEmpty()) {
        cmdPulsante[1]->setAccessibleName("Close");
    }
    cmdPulsante[1]->setFocus();
}

QPushButton* frmMessage::CreateButton(int index) {
    auto* button = new QPushButton(fraMessage);
    button->setObjectName(QString("cmdPulsante%1").arg(index));
    button->setFont(DesignFont("Trebuchet MS", 9));
    connect(button, &QPushButton::clicked, this, [this, index] {
        gMessageResult = index;
        done(index);
    });
    return button;
}

void frmMessage::reject() {}

void frmMessage::closeEvent(QCloseEvent* event) {
    // Refused whoever asks: the close box, Alt+F4, a stray close(). The
    // program lets a dialog go through Unload() alone.
    event->ignore();
}

void frmMessage::Unload() {
    done(0);
}

int ShowMessage(QWidget* owner, std::string_view text, std::string_view buttons) {
    gMessageText = text;
    gMessageButtons = buttons;
    // Keyboard users carry on where they were: the focus goes back to the
    // control that opened the message.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    frmMessage dialog(owner);
    dialog.exec();
    if (owner) {
        owner->activateWindow();
    }
    if (focused) {
        focused->setFocus();
    }
    return gMessageResult;
}

} // namespace quorvex::ui
