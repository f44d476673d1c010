#include "frmAccess.h"

#include "design.h"
#include "editMenu.h"
#include "frmBuild.h"
#include "frmDraw.h"
#include "frmHelp.h"
#include "frmMessage.h"
#include "frmReport.h"
#include "frmTickets.h"
#include "operations.h"
#include "recentWheels.h"
#include "textFile.h"
#include "ticketPrint.h"
#include "ticket_header.h"
#include "wheel_file.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

namespace quorvex::ui {

namespace {

constexpr std::string_view kExitQuestion = "Are you sure you want to exit?";
constexpr char kTicketsFilter[] = "Tickets (*.txt)";
constexpr char kTicketsWithHeaderFilter[] = "Tickets with a header (*.txt)";
// A preview of more pages takes long to build, and nobody prints them.
constexpr int kMostPrintedPages = 1000;

// The keypad grows from the design's key 1: 7 x 7 keys, 30 twips apart.
constexpr int kKeyLeft = 150, kKeyTop = 240, kKeyWidth = 495, kKeyHeight = 465, kKeyGap = 30;

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

void SetColors(QWidget* widget, std::uint32_t text, std::uint32_t background = 0) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, DesignColor(text));
    if (background != 0) {
        palette.setColor(QPalette::Window, DesignColor(background));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QStringList Header() {
    QStringList header;
    for (const std::string& line : TicketsHeader(
             QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toStdString())) {
        header << FromUtf8(line);
    }
    return header;
}

QLabel* AddLabel(QWidget* container, const char* name, const char* text, const QFont& font,
                 Qt::Alignment alignment) {
    auto* label = new QLabel(text, container);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

frmAccess::frmAccess(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("frmAccess");
    setWindowTitle(QString::fromUtf8(" Quorvex\u00ae") + " - by " + "Velmora");
    setWindowIcon(QIcon(":/quorvex/icon-48.png"));
    setFont(DesignFont("Segoe UI", 8.25));
    // The designed area keeps its size; the menu bar goes above it.
    designArea = new QWidget(this);
    designArea->setObjectName("designArea");
    designArea->setFixedSize(Twips(7785), Twips(6675));
    setCentralWidget(designArea);

    lblSito = AddLabel(designArea, "lblSito", "", DesignFont("Segoe UI Semibold", 9, 600, true),
                       Qt::AlignHCenter);
    lblSito->setText(HomepageText());
    lblSito->setCursor(Qt::PointingHandCursor);
    lblSito->installEventFilter(this);
    lblSito->setAccessibleName("Maker's web page: " + lblSito->text());
    SetColors(lblSito, 0x00C00000);
    Place(lblSito, 4260, 60, 3315, 225);

    QGroupBox* keypadFrame = AddFrame(designArea, 2, 180, 300, 3975, 4455);
    BuildKeypad(keypadFrame);

    const QFont captionFont = DesignFont("Segoe UI Semibold", 8.25, 600);
    QGroupBox* selectedFrame = AddFrame(keypadFrame, 8, 180, 3750, 2115, 555);
    Place(AddLabel(selectedFrame, "Label1", "SELECTED", captionFont, Qt::AlignRight), 120, 240,
          1095, 255);
    lblSelezionati = AddCounter(selectedFrame, "lblSelezionati", 1530);

    QGroupBox* baseFrame = AddFrame(keypadFrame, 13, 2400, 3750, 1395, 555);
    QLabel* baseCaption = AddLabel(baseFrame, "Label2", "BASE", captionFont, Qt::AlignRight);
    SetColors(baseCaption, 0x000000C0);
    Place(baseCaption, 120, 240, 465, 255);
    lblBase = AddCounter(baseFrame, "lblBase", 810);

    QGroupBox* commandFrame = AddFrame(designArea, 5, 180, 4770, 3975, 1095);
    cmdReset = AddButton(AddFrame(commandFrame, 11, 210, 150, 1545, 795), "cmdReset", "RESET",
                         "Cancella Numeri Tastiera");
    cmdReset->setFont(DesignFont("Segoe UI", 9));
    Place(cmdReset, 120, 180, 1305, 495);
    cmdSviluppa = AddButton(AddFrame(commandFrame, 9, 1920, 150, 1875, 795), "cmdSviluppa",
                            "GENERATE", "Sviluppa e riadatta Sistema");
    cmdSviluppa->setFont(DesignFont("Segoe UI Semibold", 9.75, 600));
    Place(cmdSviluppa, 90, 180, 1635, 495);

    QGroupBox* textFrame = AddFrame(designArea, 6, 4260, 300, 3315, 5565);
    txtLista = new QPlainTextEdit(textFrame);
    txtLista->setObjectName("txtLista");
    txtLista->setFont(DesignFont("Segoe UI", 12));
    txtLista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtLista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtLista->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtLista->setTabChangesFocus(true);
    txtLista->setAccessibleName("Wheel text");
    txtLista->setContextMenuPolicy(Qt::CustomContextMenu);
    txtLista->viewport()->installEventFilter(this); // a wheel file dropped on the box is opened
    Place(txtLista, 210, 300, 2895, 4605);

    // The clear button's design glyph is a cross drawn from a symbol font.
    cmdClear = AddButton(AddFrame(textFrame, 7, 240, 4920, 495, 555), "cmdClear", "\u2715",
                         "Cancella il testo");
    cmdClear->setFont(DesignFont("DejaVu Sans", 9.75));
    cmdClear->setAccessibleName("Clear the text");
    Place(cmdClear, 60, 150, 345, 315);
    cmdVisualizza = AddButton(AddFrame(textFrame, 0, 810, 4920, 915, 555), "cmdVisualizza", "VIEW",
                              "Visualizza Sviluppo");
    cmdVisualizza->setFont(DesignFont("Segoe UI", 9.75));
    Place(cmdVisualizza, 60, 150, 765, 315);
    cmdAcquire = AddButton(AddFrame(textFrame, 12, 1980, 4920, 1125, 555), "cmdAcquire", "ACQUIRE",
                           "Acquisisci la Matrice");
    Place(cmdAcquire, 60, 150, 975, 315);

    QGroupBox* statusFrame = AddFrame(designArea, 1, 180, 5880, 7395, 675);
    lblStatus =
        AddLabel(statusFrame, "lblStatus", "", DesignFont("Segoe UI", 9.75), Qt::AlignHCenter);
    Place(lblStatus, 180, 240, 7035, 315);
    ShowStatus(FromUtf8(kNoWheelStatus));
    ShowCounts(0, 0);

    connect(cmdAcquire, &QPushButton::clicked, this, &frmAccess::cmdAcquire_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmAccess::ResetAll);
    connect(cmdSviluppa, &QPushButton::clicked, this, &frmAccess::cmdSviluppa_Click);
    connect(cmdVisualizza, &QPushButton::clicked, this, &frmAccess::cmdVisualizza_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmAccess::cmdClear_Click);
    connect(txtLista, &QWidget::customContextMenuRequested, this, &frmAccess::txtLista_ContextMenu);

    // Keys 1..49, then the commands in the order a user works through them.
    QWidget* previous = cmdNumero[kHighestNumber];
    for (QWidget* next : std::initializer_list<QWidget*>{cmdSviluppa, cmdReset, txtLista,
                                                         cmdAcquire, cmdClear, cmdVisualizza}) {
        setTabOrder(previous, next);
        previous = next;
    }
    cmdNumero[1]->setFocus();

    BuildMenus();
    UpdateActions();
    setAcceptDrops(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the window is as large as its contents
    adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmAccess::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    mnuOpen = AddAction(file, "mnuOpen", "&Open wheel...", QKeySequence("Ctrl+O"),
                        &frmAccess::mnuOpen_Click);
    QMenu* recent = file->addMenu("Open &Recent");
    recent->setObjectName("mnuRecent");
    FollowRecentWheels(recent, [this](const QString& path) {
        // A wheel whose file is gone gets the notice any missing file gets, and leaves the list.
        if (!OpenWheelFile(path) && !QFileInfo::exists(path)) {
            ForgetRecentWheel(path);
        }
    });
    file->addSeparator();
    mnuSave = AddAction(file, "mnuSave", "&Save tickets as...", QKeySequence("Ctrl+S"),
                        &frmAccess::mnuSave_Click);
    mnuCopy = AddAction(file, "mnuCopy", "&Copy tickets", QKeySequence("Ctrl+Shift+C"),
                        &frmAccess::mnuCopy_Click);
    mnuPrint = AddAction(file, "mnuPrint", "&Print tickets...", QKeySequence("Ctrl+P"),
                         &frmAccess::mnuPrint_Click);
    file->addSeparator();
    QAction* exit = file->addAction("E&xit", QKeySequence("Ctrl+Q"), this, &QWidget::close);
    exit->setObjectName("mnuExit");

    AddEditMenu(menuBar(), txtLista);

    // The three buttons, for the keyboard: no 49 Tabs to reach GENERATE.
    QMenu* wheel = menuBar()->addMenu("&Wheel");
    const auto press = [this, wheel](const char* name, const QString& text, const char* keys,
                                     QPushButton* button) {
        wheel->addAction(text, QKeySequence(keys), button, &QPushButton::click)
            ->setObjectName(name);
    };
    press("mnuAcquire", "&Acquire", "F5", cmdAcquire);
    press("mnuGenerate", "&Generate tickets", "F6", cmdSviluppa);
    press("mnuView", "&View tickets", "F7", cmdVisualizza);
    mnuTickets = AddAction(wheel, "mnuTickets", "&Tickets...", QKeySequence("Ctrl+T"),
                           &frmAccess::mnuTickets_Click);
    wheel->addSeparator();
    mnuReport = AddAction(wheel, "mnuReport", "Wheel &report...", QKeySequence("Ctrl+R"),
                          &frmAccess::mnuReport_Click);
    mnuDraw = AddAction(wheel, "mnuDraw", "Check a &draw...", QKeySequence("Ctrl+D"),
                        &frmAccess::mnuDraw_Click);
    wheel->addSeparator();
    mnuBuild = AddAction(wheel, "mnuBuild", "&Build a wheel...", QKeySequence("Ctrl+B"),
                         &frmAccess::mnuBuild_Click);

    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction("&How to use Quorvex", QKeySequence::HelpContents, this,
                    [this] { ShowGuide(this); })
        ->setObjectName("mnuGuide");
    help->addAction("&About Quorvex", this, [this] { ShowAbout(this); })->setObjectName("mnuAbout");
}

QAction* frmAccess::AddAction(QMenu* menu, const char* name, const QString& text,
                              const QKeySequence& shortcut, void (frmAccess::*handler)()) {
    QAction* action = menu->addAction(text, shortcut, this, handler);
    action->setObjectName(name);
    return action;
}

// What cannot act is off: nothing to save before GENERATE, nothing to report before ACQUIRE.
void frmAccess::UpdateActions() {
    for (QAction* action : {mnuSave, mnuCopy, mnuPrint}) {
        action->setEnabled(gSystemLineCount > 0);
    }
    for (QAction* action : {mnuReport, mnuDraw}) {
        action->setEnabled(gMatrixLineCount > 0);
    }
}

QGroupBox* frmAccess::AddFrame(QWidget* container, int index, int left, int top, int width,
                               int height) {
    auto* frame = new QGroupBox(container);
    frame->setObjectName(QString("Frame%1").arg(index));
    Place(frame, left, top, width, height);
    return frame;
}

QPushButton* frmAccess::AddButton(QWidget* container, const char* name, const char* caption,
                                  const char* toolTip) {
    auto* button = new QPushButton(QString::fromUtf8(caption), container);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAutoDefault(true); // Enter presses the focused button, as Space does
    return button;
}

QLabel* frmAccess::AddCounter(QWidget* container, const char* name, int left) {
    QLabel* counter =
        AddLabel(container, name, "0", DesignFont("Segoe UI Semibold", 11.25, 600), Qt::AlignRight);
    SetColors(counter, 0x00404000, 0x00EBEBEB);
    Place(counter, left, 180, 375, 345);
    return counter;
}

void frmAccess::BuildKeypad(QGroupBox* keypadFrame) {
    auto* keys = new QButtonGroup(this);
    const QFont keyFont = DesignFont("Segoe UI Semibold", 11.25, 600);
    for (int n = 1; n <= kHighestNumber; ++n) {
        const int row = (n - 1) / 7;
        const int column = (n - 1) % 7;
        auto* key = new QPushButton(QString::number(n), keypadFrame);
        key->setObjectName(QString("cmdNumero%1").arg(n));
        key->setFont(keyFont);
        key->setAutoDefault(true);
        Place(key, kKeyLeft + column * (kKeyWidth + kKeyGap),
              kKeyTop + row * (kKeyHeight + kKeyGap), kKeyWidth, kKeyHeight);
        key->setAccessibleName(QString::number(n));
        key->setAccessibleDescription("free");
        keys->addButton(key, n);
        if (n > 1) {
            setTabOrder(cmdNumero[n - 1], key);
        }
        cmdNumero[n] = key;
    }
    connect(keys, &QButtonGroup::idClicked, this, &frmAccess::cmdNumero_Click);
}

void frmAccess::ShowNotice(std::string_view text) {
    ShowMessage(this, text, "OK");
}

void frmAccess::ShowKey(int n, KeyState state, std::uint32_t color) {
    static const char* const kStateNames[] = {"free", "selected", "base"};
    cmdNumero[n]->setStyleSheet(KeyStyleSheet(color));
    cmdNumero[n]->setAccessibleDescription(kStateNames[state]);
}

void frmAccess::ShowCounts(int selected, int base) {
    lblSelezionati->setText(QString::number(selected));
    lblSelezionati->setAccessibleName(QString("Selected numbers: %1").arg(selected));
    lblSelezionati->repaint();
    lblBase->setText(QString::number(base));
    lblBase->setAccessibleName(QString("Base numbers: %1").arg(base));
    lblBase->repaint();
}

void frmAccess::ShowStatus(const QString& text) {
    lblStatus->setText(text);
    lblStatus->setAccessibleName("Status: " + text);
    lblStatus->repaint();
}

void frmAccess::ResetAll() {
    ResetKeys();
    for (int n = 1; n <= kHighestNumber; ++n) {
        ShowKey(n, kFree, kFreeKeyColor);
    }
    ShowCounts(0, 0);
    emit keysChanged();
}

void frmAccess::cmdAcquire_Click() {
    const QByteArray text = txtLista->toPlainText().toUtf8();
    const AcquireOutcome outcome =
        AcquireMatrix({text.constData(), static_cast<std::size_t>(text.size())});
    if (!outcome.notice.empty()) {
        ShowNotice(outcome.notice);
    }
    if (!outcome.statusText.empty()) {
        ShowStatus(FromUtf8(outcome.statusText));
    }
    if (outcome.tokenLength > 0) {
        // The token the notice names, selected for the user to mend.
        auto characters = [&text](std::size_t from, std::size_t bytes) {
            return static_cast<int>(
                QString::fromUtf8(text.constData() + from, static_cast<qsizetype>(bytes)).size());
        };
        const int start = characters(0, outcome.tokenStart);
        QTextCursor cursor = txtLista->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + characters(outcome.tokenStart, outcome.tokenLength),
                           QTextCursor::KeepAnchor);
        txtLista->setTextCursor(cursor);
        txtLista->setFocus();
    }
    if (outcome.result != Acquisition::Ignored) {
        UpdateActions();
        emit wheelChanged();
    }
}

void frmAccess::cmdNumero_Click(int n) {
    const KeyOutcome outcome = ClickKey(n);
    ShowKey(n, outcome.state, outcome.color);
    ShowCounts(outcome.selectedCount, outcome.baseCount);
    emit keysChanged();
}

void frmAccess::cmdSviluppa_Click() {
    const std::string notice = DevelopSystem();
    ShowNotice(notice);
    if (notice == kWellDoneNotice) {
        UpdateActions();
        emit systemChanged();
    }
}

void frmAccess::cmdVisualizza_Click() {
    const ListOutcome outcome = ListSystem();
    if (!outcome.notice.empty()) {
        ShowNotice(outcome.notice);
        return;
    }
    ReplaceText(QString::fromLatin1(outcome.listing)); // the box takes CR LF as one line break
    txtLista->moveCursor(QTextCursor::End);            // the caret after the last character
}

// One undoable step: Ctrl+Z brings back what the box held.
void frmAccess::ReplaceText(const QString& text) {
    QTextCursor cursor(txtLista->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    txtLista->setTextCursor(cursor);
    txtLista->ensureCursorVisible();
}

void frmAccess::cmdClear_Click() {
    ReplaceText({});
}

void frmAccess::lblSito_Click() {
    QDesktopServices::openUrl(QUrl(kHomepage));
}

bool frmAccess::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblSito && event->type() == QEvent::MouseButtonRelease) {
        lblSito_Click();
        return true;
    }
    // A file dropped on the text box is opened; dropped text is the box's own business.
    if (txtLista && watched == txtLista->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (DroppedFile(drop).isEmpty()) {
                break;
            }
            drop->acceptProposedAction();
            if (event->type() == QEvent::Drop) {
                dropEvent(drop);
            }
            return true;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Files on this computer only: nothing is fetched from the network.
QString frmAccess::DroppedFile(const QDropEvent* event) const {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

void frmAccess::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event).isEmpty()) {
        event->acceptProposedAction();
    }
}

void frmAccess::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event);
    if (!file.isEmpty()) {
        event->acceptProposedAction();
        // Opened once the drop is over: a notice must not run inside the drag.
        QTimer::singleShot(0, this, [this, file] { OpenWheelFile(file); });
    }
}

void frmAccess::txtLista_ContextMenu(const QPoint& position) {
    QMenu* menu = txtLista->createStandardContextMenu(position);
    menu->addSeparator();
    menu->addActions({mnuOpen, mnuSave, mnuCopy});
    menu->exec(txtLista->viewport()->mapToGlobal(position));
    delete menu;
}

void frmAccess::mnuOpen_Click() {
    const QString path = QFileDialog::getOpenFileName(this, "Open wheel", LastFolder(),
                                                      "Wheels (*.txt *.csv);;All files (*)");
    if (!path.isEmpty()) {
        OpenWheelFile(path);
    }
}

bool frmAccess::OpenWheelFile(const QString& path) {
    const WheelFileText file = ReadWheelFile(QFile::encodeName(path).toStdString());
    if (!file.problem.empty()) {
        ShowNotice("Cannot open the wheel ..!|" + ShortFileName(path).toStdString() + "|" +
                   file.problem);
        return false;
    }
    RememberFolder(path);
    AddRecentWheel(path);
    UseWheelText(FromUtf8(file.text));
    return true;
}

void frmAccess::UseWheelText(const QString& text) {
    ReplaceText(text);
    txtLista->moveCursor(QTextCursor::Start);
    cmdAcquire_Click();
}

// VIEW's notice when there is nothing to save, copy or print.
bool frmAccess::HasTickets() {
    const bool developed = gSystemLineCount > 0;
    if (!developed) {
        ShowNotice(kNothingDevelopedNotice);
    }
    return developed;
}

void frmAccess::mnuSave_Click() {
    if (!HasTickets()) {
        return;
    }
    QString filter = kTicketsFilter;
    const QString path =
        SaveFileName(this, "Save tickets as", "tickets.txt",
                     QString(kTicketsFilter) + ";;" + kTicketsWithHeaderFilter, &filter);
    if (!path.isEmpty()) {
        SaveTickets(path, filter == kTicketsWithHeaderFilter);
    }
}

bool frmAccess::SaveTickets(const QString& path, bool withHeader) {
    if (!HasTickets()) {
        return false;
    }
    const ListOutcome listed = ListSystem();
    QByteArray bytes;
    if (withHeader) { // a separate choice: a header makes the file no wheel to open again
        for (const QString& line : Header()) {
            bytes += line.toUtf8() + "\r\n";
        }
        bytes += "\r\n";
    }
    bytes += QByteArray::fromRawData(listed.listing.data(),
                                     static_cast<qsizetype>(listed.listing.size()));
    const QString problem = SaveText(path, bytes);
    if (!problem.isEmpty()) {
        ShowNotice(
            ("Cannot save the tickets ..!|" + ShortFileName(path) + "|" + problem).toStdString());
        return false;
    }
    return true;
}

void frmAccess::mnuCopy_Click() {
    if (HasTickets()) {
        QApplication::clipboard()->setText(QString::fromLatin1(ListSystem().listing).remove('\r'));
    }
}

void frmAccess::mnuPrint_Click() {
    if (!HasTickets()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    const int pages = TicketPages(printer, Header(), gSystemLines).Count();
    if (pages > kMostPrintedPages) {
        ShowNotice("Too many tickets to print ..!|They would fill " + std::to_string(pages) +
                   " pages:|save them as a text file instead.");
        return;
    }
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle("Print tickets - Quorvex");
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &frmAccess::PrintTickets);
    preview.exec();
}

bool frmAccess::PrintTickets(QPrinter* printer) {
    if (!HasTickets()) {
        return false;
    }
    if (!TicketPages(*printer, Header(), gSystemLines).Paint()) {
        const QString target = printer->outputFileName().isEmpty()
                                   ? QString("the printer did not start")
                                   : "cannot write " + ShortFileName(printer->outputFileName());
        ShowNotice(("Cannot print the tickets ..!|" + target).toStdString());
        return false;
    }
    return true;
}

void frmAccess::mnuReport_Click() {
    if (!report) {
        report = new frmReport(this);
        connect(this, &frmAccess::wheelChanged, report, &frmReport::WheelChanged);
        connect(this, &frmAccess::keysChanged, report, &frmReport::KeysChanged);
    }
    report->show();
    report->raise();
    report->activateWindow();
}

void frmAccess::mnuDraw_Click() {
    if (!draw) {
        draw = new frmDraw(this);
        connect(this, &frmAccess::systemChanged, draw, &frmDraw::SystemChanged);
        connect(draw, &frmDraw::drawChecked, this, &frmAccess::DrawChecked);
    }
    draw->show();
    draw->raise();
    draw->activateWindow();
}

void frmAccess::mnuBuild_Click() {
    if (!build) {
        build = new frmBuild(this);
        connect(this, &frmAccess::wheelChanged, build, &frmBuild::WheelChanged);
        connect(build, &frmBuild::useWheel, this, &frmAccess::UseWheelText);
    }
    build->show();
    build->raise();
    build->activateWindow();
}

void frmAccess::mnuTickets_Click() {
    if (!tickets) {
        tickets = new frmTickets(this);
        connect(this, &frmAccess::systemChanged, tickets, &frmTickets::SystemChanged);
        tickets->DrawChecked(lastDraw);
    }
    tickets->show();
    tickets->raise();
    tickets->activateWindow();
}

void frmAccess::DrawChecked(const std::vector<int>& drawn) {
    lastDraw = drawn;
    if (tickets) {
        tickets->DrawChecked(drawn);
    }
}

void frmAccess::closeEvent(QCloseEvent* event) {
    if (!exitConfirmed && !ConfirmExit()) {
        event->ignore();
        return;
    }
    exitConfirmed = true;
    // Every other window goes first, the most recently opened first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (auto* message = qobject_cast<frmMessage*>(*it)) {
            message->Unload();
        } else if (*it != this && (*it)->isVisible()) {
            (*it)->close();
        }
    }
    event->accept();
}

void frmAccess::commitData(QSessionManager& manager) {
    if (exitConfirmed || !manager.allowsInteraction()) {
        return;
    }
    const bool go = ConfirmExit();
    manager.release();
    if (go) {
        exitConfirmed = true;
    } else {
        manager.cancel();
    }
}

// The exit question, whoever asks to close: true when the answer is YES.
bool frmAccess::ConfirmExit() {
    return ShowMessage(this, kExitQuestion, "NO,YES") != 1;
}

} // namespace quorvex::ui
