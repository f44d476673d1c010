// The main window's designed form, built as designed and handed back as widgets.
#include "mainForm.h"

#include "design.h"
#include "operations.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace quorvex::ui {

namespace {

// The keypad grows from the design's key 1: 7 x 7 keys, 30 twips apart.
constexpr int kKeyLeft = 150, kKeyTop = 240, kKeyWidth = 495, kKeyHeight = 465, kKeyGap = 30;
// A betting slip's keypad: ten keys a row.
constexpr int kSlipColumns = 10;

// Where the form's parts stand, in twips, for the designed keypad.
struct TwipRect {
    int left, top, width, height;
};
constexpr TwipRect kDesignArea{0, 0, 7785, 6675};
constexpr TwipRect kSiteLink{4260, 60, 3315, 225};
constexpr TwipRect kKeypadFrame{180, 300, 3975, 4455};
constexpr TwipRect kSelectedFrame{180, 3750, 2115, 555};
constexpr TwipRect kBaseFrame{2400, 3750, 1395, 555};
constexpr TwipRect kCommandFrame{180, 4770, 3975, 1095};
constexpr TwipRect kTextFrame{4260, 300, 3315, 5565};
constexpr TwipRect kStatusFrame{180, 5880, 7395, 675};
constexpr TwipRect kStatusLine{180, 240, 7035, 315};

// A part moved right by `right` and down by `down`, and grown by `wider` and `taller`.
void PlaceAt(QWidget* widget, const TwipRect& at, int right = 0, int down = 0, int wider = 0,
             int taller = 0) {
    Place(widget, at.left + right, at.top + down, at.width + wider, at.height + taller);
}

void PlaceKey(QPushButton* key, int index, int columns) {
    const int row = index / columns;
    const int column = index % columns;
    Place(key, kKeyLeft + column * (kKeyWidth + kKeyGap), kKeyTop + row * (kKeyHeight + kKeyGap),
          kKeyWidth, kKeyHeight);
}

void SetColors(QWidget* widget, std::uint32_t text, std::uint32_t background = 0) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, DesignColor(text));
    if (background != 0) {
        palette.setColor(QPalette::Window, DesignColor(background));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QLabel* AddLabel(QWidget* container, const char* name, const char* text, const QFont& font,
                 Qt::Alignment alignment) {
    auto* label = new QLabel(text, container);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QGroupBox* AddFrame(QWidget* container, int index, int left, int top, int width, int height) {
    auto* frame = new QGroupBox(container);
    frame->setObjectName(QString("Frame%1").arg(index));
    Place(frame, left, top, width, height);
    return frame;
}

QGroupBox* AddFrame(QWidget* container, int index, const TwipRect& at) {
    return AddFrame(container, index, at.left, at.top, at.width, at.height);
}

QPushButton* AddButton(QWidget* container, const char* name, const char* caption,
                       const char* toolTip) {
    auto* button = new QPushButton(QString::fromUtf8(caption), container);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAutoDefault(true); // Enter presses the focused button, as Space does
    return button;
}

QLabel* AddCounter(QWidget* container, const char* name, int left) {
    QLabel* counter =
        AddLabel(container, name, "0", DesignFont("Segoe UI Semibold", 11.25, 600), Qt::AlignRight);
    SetColors(counter, 0x00404000, 0x00EBEBEB);
    Place(counter, left, 180, 375, 345);
    return counter;
}

void BuildKeypad(QGroupBox* keypadFrame, MainForm& form) {
    auto* keys = new QButtonGroup(form.designArea);
    const QFont keyFont = DesignFont("Segoe UI Semibold", 11.25, 600);
    for (int n = 1; n <= kHighestKey; ++n) {
        auto* key = new QPushButton(QString::number(n), keypadFrame);
        key->setObjectName(QString("cmdNumero%1").arg(n));
        key->setFont(keyFont);
        key->setAutoDefault(true);
        PlaceKey(key, n - 1, 7);
        key->setVisible(n <= kDesignedKeys); // the others for games of more balls
        key->setAccessibleName(QString::number(n));
        key->setAccessibleDescription("free");
        keys->addButton(key, n);
        if (n > 1) {
            QWidget::setTabOrder(form.cmdNumero[n - 1], key);
        }
        form.cmdNumero[n] = key;
    }
    form.keyGroup = keys;
}

} // namespace

QString KeyStyleSheet(std::uint32_t color) {
    if (color == kFreeKeyColor) {
        return {}; // the platform's own button face
    }
    const QColor face = DesignColor(color);
    return QString("QPushButton { background-color: %1; color: black; border: 1px solid %2;"
                   " border-radius: 3px; }"
                   "QPushButton:pressed { background-color: %2; }"
                   "QPushButton:focus { border: 2px solid palette(highlight); }")
        .arg(face.name(), face.darker(150).name());
}

void LayOutKeypad(MainForm& form, int balls) {
    const bool slip = balls > kDesignedKeys;
    const int columns = slip ? kSlipColumns : 7;
    const int shown = slip ? std::min(balls, kHighestKey) : kDesignedKeys;
    const int rows = (shown + columns - 1) / columns;
    // What the slip adds: three more columns to the right, rows beyond seven below.
    const int wider = (columns - 7) * (kKeyWidth + kKeyGap);
    const int taller = std::max(0, rows - 7) * (kKeyHeight + kKeyGap);
    for (int n = 1; n <= kHighestKey; ++n) {
        PlaceKey(form.cmdNumero[n], n - 1, columns);
        form.cmdNumero[n]->setVisible(n <= shown);
    }
    form.designArea->setFixedSize(Twips(kDesignArea.width + wider),
                                  Twips(kDesignArea.height + taller));
    PlaceAt(form.lblSito, kSiteLink, wider);
    PlaceAt(form.Frame2, kKeypadFrame, 0, 0, wider, taller);
    PlaceAt(form.Frame8, kSelectedFrame, 0, taller);
    PlaceAt(form.Frame13, kBaseFrame, 0, taller);
    PlaceAt(form.Frame5, kCommandFrame, 0, taller);
    PlaceAt(form.Frame6, kTextFrame, wider);
    PlaceAt(form.Frame1, kStatusFrame, 0, taller, wider);
    PlaceAt(form.lblStatus, kStatusLine, 0, 0, wider);
}

MainForm BuildMainForm(QWidget* window) {
    MainForm form;
    // The designed area keeps its size; a menu bar goes above it.
    form.designArea = new QWidget(window);
    form.designArea->setObjectName("designArea");
    form.designArea->setFixedSize(Twips(kDesignArea.width), Twips(kDesignArea.height));

    form.lblSito = AddLabel(form.designArea, "lblSito", "",
                            DesignFont("Segoe UI Semibold", 9, 600, true), Qt::AlignHCenter);
    form.lblSito->setText(HomepageText());
    form.lblSito->setCursor(Qt::PointingHandCursor);
    form.lblSito->setAccessibleName("Maker's web page: " + form.lblSito->text());
    SetColors(form.lblSito, 0x00C00000);
    PlaceAt(form.lblSito, kSiteLink);

    QGroupBox* keypadFrame = form.Frame2 = AddFrame(form.designArea, 2, kKeypadFrame);
    BuildKeypad(keypadFrame, form);

    const QFont captionFont = DesignFont("Segoe UI Semibold", 8.25, 600);
    QGroupBox* selectedFrame = form.Frame8 = AddFrame(keypadFrame, 8, kSelectedFrame);
    Place(AddLabel(selectedFrame, "Label1", "SELECTED", captionFont, Qt::AlignRight), 120, 240,
          1095, 255);
    form.lblSelezionati = AddCounter(selectedFrame, "lblSelezionati", 1530);

    QGroupBox* baseFrame = form.Frame13 = AddFrame(keypadFrame, 13, kBaseFrame);
    QLabel* baseCaption = AddLabel(baseFrame, "Label2", "BASE", captionFont, Qt::AlignRight);
    SetColors(baseCaption, 0x000000C0);
    Place(baseCaption, 120, 240, 465, 255);
    form.lblBase = AddCounter(baseFrame, "lblBase", 810);

    QGroupBox* commandFrame = form.Frame5 = AddFrame(form.designArea, 5, kCommandFrame);
    form.cmdReset = AddButton(AddFrame(commandFrame, 11, 210, 150, 1545, 795), "cmdReset", "RESET",
                              "Cancella Numeri Tastiera");
    form.cmdReset->setFont(DesignFont("Segoe UI", 9));
    Place(form.cmdReset, 120, 180, 1305, 495);
    form.cmdSviluppa = AddButton(AddFrame(commandFrame, 9, 1920, 150, 1875, 795), "cmdSviluppa",
                                 "GENERATE", "Sviluppa e riadatta Sistema");
    form.cmdSviluppa->setFont(DesignFont("Segoe UI Semibold", 9.75, 600));
    Place(form.cmdSviluppa, 90, 180, 1635, 495);

    QGroupBox* textFrame = form.Frame6 = AddFrame(form.designArea, 6, kTextFrame);
    form.txtLista = new QPlainTextEdit(textFrame);
    form.txtLista->setObjectName("txtLista");
    form.txtLista->setFont(DesignFont("Segoe UI", 12));
    form.txtLista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    form.txtLista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    form.txtLista->setTabChangesFocus(true);
    form.txtLista->setAccessibleName("Wheel text");
    form.txtLista->setContextMenuPolicy(Qt::CustomContextMenu);
    Place(form.txtLista, 210, 300, 2895, 4605);

    // The clear button's design glyph is a cross drawn from a symbol font.
    form.cmdClear = AddButton(AddFrame(textFrame, 7, 240, 4920, 495, 555), "cmdClear", "\u2715",
                              "Cancella il testo");
    form.cmdClear->setFont(DesignFont("DejaVu Sans", 9.75));
    form.cmdClear->setAccessibleName("Clear the text");
    Place(form.cmdClear, 60, 150, 345, 315);
    form.cmdVisualizza = AddButton(AddFrame(textFrame, 0, 810, 4920, 915, 555), "cmdVisualizza",
                                   "VIEW", "Visualizza Sviluppo");
    form.cmdVisualizza->setFont(DesignFont("Segoe UI", 9.75));
    Place(form.cmdVisualizza, 60, 150, 765, 315);
    form.cmdAcquire = AddButton(AddFrame(textFrame, 12, 1980, 4920, 1125, 555), "cmdAcquire",
                                "ACQUIRE", "Acquisisci la Matrice");
    Place(form.cmdAcquire, 60, 150, 975, 315);

    QGroupBox* statusFrame = form.Frame1 = AddFrame(form.designArea, 1, kStatusFrame);
    form.lblStatus =
        AddLabel(statusFrame, "lblStatus", "", DesignFont("Segoe UI", 9.75), Qt::AlignHCenter);
    PlaceAt(form.lblStatus, kStatusLine);

    // The keys, then the commands in the order a user works through them.
    QWidget* previous = form.cmdNumero[kHighestKey];
    for (QWidget* next :
         std::initializer_list<QWidget*>{form.cmdSviluppa, form.cmdReset, form.txtLista,
                                         form.cmdAcquire, form.cmdClear, form.cmdVisualizza}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    return form;
}

} // namespace quorvex::ui
