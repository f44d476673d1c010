// The Help menu's windows: the guide and About.
#include "frmHelp.h"

#include "design.h"
#include "operations.h"
#include "toolWindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quorvex::ui {

namespace {

constexpr char kGuide[] = R"(
<h3>How to use Quorvex</h3>
<ol>
<li><b>Get a wheel in.</b> Paste it into the text box on the right, one ticket a line, or open a
file with <i>File &gt; Open wheel...</i> (or drop the file on the window). Numbers may be
separated by spaces, tabs, commas or semicolons; the wheel must use exactly the numbers 1 to N.</li>
<li><b>ACQUIRE</b> reads it: the status line says how many numbers and lines it holds. A text that
is no wheel is refused with the first problem, and the text box selects it.</li>
<li><b>Pick your N numbers</b> on the keypad. One click makes a key <span
style="background:%1;color:black">&nbsp;selected&nbsp;</span>, a second makes it a <span
style="background:%2;color:black">&nbsp;base&nbsp;</span> number, a third frees it. Base numbers
take the wheel's lowest numbers 1, 2, ...; the selected ones follow in ascending order.
RESET frees every key.</li>
<li><b>GENERATE</b> rewrites every line onto your numbers, two digits each, sorted.</li>
<li><b>VIEW</b> puts the tickets in the text box (Ctrl+Z brings back what was there). Save, copy or
print them from the <i>File</i> menu.</li>
<li><i>Wheel &gt; Wheel report...</i> shows what the wheel guarantees ("3 if 4": whenever 4 of your
numbers are drawn, a ticket holds 3 of them), its coverage table, your chances per draw and the
draws it misses. <i>Wheel &gt; Check a draw...</i> checks the drawn numbers against your tickets,
and <i>Wheel &gt; Tickets...</i> lists them one a row, the numbers drawn marked.</li>
<li><i>Wheel &gt; Build a wheel...</i> makes a wheel for your numbers and guarantee, as small as it
can in the time you give it, beside the smallest size possible and the best known.</li>
</ol>
<p>Everything works from the keyboard: Tab walks the keys 1 to 49 and the buttons, Space or Enter
presses them, and Alt opens the menus.</p>
)";

QDialog* HelpWindow(QWidget* owner, const char* name, const QString& title) {
    auto* window = new QDialog(owner);
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    buttons->button(QDialogButtonBox::Close)->setObjectName("cmdClose");
    AddCloseKeys(window);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(buttons);
    return window;
}

} // namespace

void ShowGuide(QWidget* owner) {
    QDialog* window = HelpWindow(owner, "frmGuide", "How to use Quorvex");
    auto* text = new QTextBrowser(window);
    text->setObjectName("txtGuide");
    text->setAccessibleName("How to use Quorvex");
    // The keys' own colours, from where the keypad takes them.
    text->setHtml(QString(kGuide).arg(DesignColor(kSelectedKeyColor).name(),
                                      DesignColor(kBaseKeyColor).name()));
    static_cast<QVBoxLayout*>(window->layout())->insertWidget(0, text);
    window->resize(560, 520);
    window->show();
}

void ShowAbout(QWidget* owner) {
    QDialog* window = HelpWindow(owner, "frmAbout", "About Quorvex");
    const QString homepage = kHomepage;
    auto* text = new QLabel(
        QString("<h3>Quorvex %1</h3>"
                "<p>Rewrites a wheel onto the numbers you play, and tells what it guarantees.</p>"
                "<p>Copyright &copy; 2026 Velmora<br>Licensed under the GNU General Public "
                "License, version 3 or (at your option) any later version.</p>"
                "<p><a href=\"%2\">%3</a></p><p>Built with Qt %4, running on Qt %5.</p>")
            .arg(QUORVEX_VERSION, homepage, HomepageText(), QT_VERSION_STR, qVersion()),
        window);
    text->setObjectName("lblAbout");
    text->setOpenExternalLinks(true);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    auto* icon = new QLabel(window);
    icon->setPixmap(QPixmap(":/quorvex/icon-48.png"));
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    static_cast<QVBoxLayout*>(window->layout())->insertLayout(0, row);
    window->show();
}

} // namespace quorvex::ui
