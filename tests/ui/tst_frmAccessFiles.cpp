// Files, print and menus: a wheel opened from a file, dropped or named on the
// command line; the tickets saved, copied and printed; undo after VIEW.

#include "main_window.h"
#include "textFile.h"
#include "ticketsOut.h"

#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace quorvex;

class tst_Files : public QObject, private MainWindow {
    Q_OBJECT
private slots:
    void init() { Open(); }
    void cleanup() { Close(); }
    void menusActWhenTheyCan() {
        for (QAction* menu : window->menuBar()->actions()) { // Alt reaches every one
            QVERIFY2(menu->text().contains('&'), qPrintable(menu->text()));
            for (QAction* item : menu->menu()->actions()) {
                QVERIFY2(item->isSeparator() || item->text().contains('&'),
                         qPrintable(item->text()));
            }
        }
        auto enabled = [this] {
            QString on;
            for (const char* name : {"mnuSave", "mnuCopy", "mnuPrint", "mnuReport", "mnuDraw"}) {
                on += Action(name)->isEnabled() ? '1' : '0';
            }
            return on;
        };
        QCOMPARE(enabled(), "00000");
        Develop("1 2\n2 3", {4, 5, 6});
        QCOMPARE(enabled(), "11111");
        QVERIFY(QTest::qWaitForWindowActive(window)); // back from the notice
        QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), "04 05\n05 06\n");
        QList<QAction*> offered; // the text box's own menu ends with the file commands
        QTimer::singleShot(0, [&offered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            offered = menu->actions().mid(menu->actions().size() - 3);
            menu->close();
        });
        emit Box()->customContextMenuRequested(QPoint(4, 4));
        QCOMPARE(offered,
                 (QList<QAction*>{Action("mnuOpen"), Action("mnuSave"), Action("mnuCopy")}));
        ModalAnswerer notice(1);
        Box()->setPlainText("2 3");
        Button("cmdAcquire")->click(); // no wheel now, but the tickets stay
        QCOMPARE(enabled(), "11100");

        // Help: the guide, and About with the version, the licence and the Qt it runs on.
        Action("mnuGuide")->trigger();
        Action("mnuAbout")->trigger();
        QVERIFY(window->findChild<QTextBrowser*>("txtGuide")->toPlainText().contains("ACQUIRE"));
        auto* aboutLabel = window->findChild<QLabel*>("lblAbout"); // its link in Tab's reach
        QVERIFY(aboutLabel->textInteractionFlags().testFlag(Qt::LinksAccessibleByKeyboard));
        const QString about = aboutLabel->text();
        QVERIFY(about.contains(QUORVEX_VERSION) && about.contains("General Public") &&
                about.contains(qVersion()));
    }

    void openAcquiresAsAcquireDoesOrChangesNothing() {
        QVERIFY(window->OpenWheelFile(
            Write("bom-crlf.txt", QByteArray("\xEF\xBB\xBF") + "1 2\r\n2 3")));
        QCOMPARE(Label("lblStatus"), "IN MEMORY: 3 NUMBERS - IN 2 LINES");
        QCOMPARE(Box()->toPlainText(), "1 2\n2 3");

        // A text that is no wheel: ACQUIRE's notice, then the bad token selected for mending.
        QCOMPARE(OpenForNotice(Write("bad.txt", QString("1 2\n3 ü7 4\n").toUtf8())),
                 "Invalid Matrix ..!\nline 2: \"ü7\" is not a number 1-49");
        QCOMPARE(Label("lblStatus"), "NO WHEEL IN MEMORY..!");
        QCOMPARE(Box()->textCursor().selectedText(), "ü7");
        QCOMPARE(Box()->textCursor().selectionStart(), 6);
        QTRY_COMPARE(QApplication::focusWidget(), Box());

        QDir(folder.path()).mkdir("folder");
        Write("picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
        Develop("1 2\n2 3", {4, 5, 6});
        Box()->setPlainText("typed, not acquired");
        const std::string listing = ListSystem().listing;
        const char* bad[][2] = {{"missing.txt", "no such file"},
                                {"folder", "is a folder"},
                                {"picture.png", "is not a text file"}};
        for (const auto& [name, reason] : bad) {
            QCOMPARE(OpenForNotice(folder.filePath(name)),
                     QString("Cannot open the wheel ..!\n%1\n%2").arg(name, reason));
            QCOMPARE(Box()->toPlainText(), "typed, not acquired");
            QCOMPARE(Label("lblStatus"), "IN MEMORY: 3 NUMBERS - IN 2 LINES");
            QCOMPARE(gMatrixLineCount, 2u);
            QCOMPARE(ListSystem().listing, listing);
        }
    }

    void droppedFilesAreOpened() {
        QCOMPARE(ui::ShortFileName("/a/" + QString(32, 'w')), QString(32, 'w')); // shown whole
        QCOMPARE(ui::ShortFileName(QString(33, 'w')).size(), 32);
        const QString wheel = Write("wheel.txt", "1 2 3\n");
        auto drop = [this](QWidget* target, const QUrl& url, const QString& text = {}) {
            QMimeData data;
            data.setUrls({url});
            data.setText(text);
            const QPoint at = target->rect().center();
            const QString held = Box()->toPlainText();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QTest::qWait(20);
            const bool openedBeforeTheDrop = Box()->toPlainText() != held;
            QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &dropped);
            return enter.isAccepted() && dropped.isAccepted() && !openedBeforeTheDrop;
        };
        QVERIFY(!drop(window, QUrl("https://example.com/wheel.txt"))); // nothing from the network
        QVERIFY(drop(Box()->viewport(), QUrl::fromLocalFile(wheel)));
        QTRY_COMPARE(Label("lblStatus"), "IN MEMORY: 3 NUMBERS - IN 1 LINES");
        QCOMPARE(Box()->toPlainText(), "1 2 3\n");
        QVERIFY(drop(Box()->viewport(), QUrl(), "4 5 6")); // text dragged in is dropped in
        QVERIFY(Box()->toPlainText().contains("4 5 6"));

        Write("wheel.txt", "1 2\n");
        QVERIFY(drop(window, QUrl::fromLocalFile(wheel)));
        QTRY_COMPARE(Label("lblStatus"), "IN MEMORY: 2 NUMBERS - IN 1 LINES");
    }

    void savedTicketsOpenAgainAndFailuresKeepOldFiles() {
        const QString path = folder.filePath("tickets.txt");
        QCOMPARE(Reason(ui::SaveTickets(path, false)), "Sorry! No lines reduced ..!");

        Develop("3 1 2\n4 1", {2, 4}, {3, 1});
        ModalAnswerer saveAs(1, [&](QDialog* dialog) { PickFile(dialog, path); }); // plain, first
        Action("mnuSave")->trigger();
        QCOMPARE(Read(path), "01 02 03\r\n01 04\r\n");
        QVERIFY(window->OpenWheelFile(path)); // developed onto 1..4, the tickets are a wheel again
        QCOMPARE(Label("lblStatus"), "IN MEMORY: 4 NUMBERS - IN 2 LINES");

        window->ResetAll(); // the header tells what GENERATE used, not the keys now
        QCOMPARE(Reason(ui::SaveTickets(path, true)), "");
        const QStringList lines = Read(path).split("\r\n");
        QVERIFY(lines[0].startsWith("Quorvex - "));
        QCOMPARE(lines.mid(1), (QStringList{"Your numbers: 01* 03* 02 04 (* base)",
                                            "4 numbers; 6 of 49: 2 tickets \u00D7 1.00 = 2.00", "",
                                            "01 02 03", "01 04", ""}));

#ifdef Q_OS_UNIX // a full disk, as Unix lets a test make one
        Write("tickets.txt", "kept");
        // A full disk, as root meets one too: no file may grow past 4 bytes.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{4, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        const QString fullDisk = Reason(ui::SaveTickets(path, false));
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(fullDisk, "not all of it could be written: is the disk full?");
        QCOMPARE(Read(path), "kept");
        QCOMPARE(QDir(folder.path()).entryList({"tickets*"}, QDir::Files),
                 QStringList{"tickets.txt"});
#endif
        // A file that cannot be opened for writing (a missing folder, as a locked one).
        QVERIFY(!Reason(ui::SaveTickets(folder.filePath("no/such/folder.txt"), false)).isEmpty());
        // Save as... says why, under the file's name.
        ModalAnswerer pick(
            1, [&](QDialog* dialog) { PickFile(dialog, folder.filePath("no/such/folder.txt")); });
        ModalAnswerer cannot(1);
        Action("mnuSave")->trigger();
        QVERIFY(cannot.text.startsWith("Cannot save the tickets ..!\nfolder.txt\n"));
    }

    void printsHeaderAndEveryTicket() {
        QString wheel;
        for (int i = 0; i < 600; ++i) { // several pages
            wheel += QString("%1 %2\n").arg(i % 12 + 1).arg((i * 7 + 3) % 12 + 1);
        }
        Develop(wheel, {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {3});
        window->ResetAll();

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("tickets.pdf"));
        QCOMPARE(Reason(ui::PrintTickets(&printer)), "");
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", printer.outputFileName(), "-"});
        if (!pdftotext.waitForStarted()) { // Linux's poppler-utils: not under Wine
            QSKIP("no pdftotext here to read the printed pages back");
        }
        QVERIFY(pdftotext.waitForFinished());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(text.contains("Your numbers: 03* 01 02 04"));
        // No ticket over the cost of a draw.
        QVERIFY(text.split('\n').contains("12 numbers; 6 of 49: 600 tickets \u00D7 1.00 = 600.00"));
        const QString listing = QString::fromStdString(ListSystem().listing);
        const QStringList tickets = listing.split("\r\n", Qt::SkipEmptyParts);
        for (int i = 0; i < tickets.size(); ++i) { // numbered, each once
            QCOMPARE(text.count(QRegularExpression(
                         QString("(^|\\s)%1\\. %2(\\s|$)").arg(i + 1).arg(tickets[i]))),
                     1);
        }
        QVERIFY(!text.contains(QRegularExpression(QString("\\s%1\\.").arg(tickets.size() + 1))));
        const int pages = static_cast<int>(text.count("page "));
        QVERIFY(pages > 1 && pages < 4); // 600 tickets of two fit two or three pages, in columns
        QVERIFY(text.contains(QString("page %1 of %1").arg(pages)));

        // Print... shows the same pages first.
        int previewed = 0;
        ModalAnswerer preview(1, [&previewed](QDialog* dialog) {
            previewed = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
        });
        Action("mnuPrint")->trigger();
        QCOMPARE(previewed, pages);
        printer.setOutputFileName(folder.filePath("no/such/folder.pdf")); // a failure is said
        QCOMPARE(Reason(ui::PrintTickets(&printer)), "cannot write folder.pdf");
    }

    void viewAndClearCanBeUndone() {
        Develop("1 2\n2 3", {4, 5, 6});
        Box()->setPlainText("pasted, not yet acquired");
        Button("cmdVisualizza")->click();
        QCOMPARE(Box()->toPlainText(), "04 05\n05 06\n");
        QTest::keyClick(Box(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Box()->toPlainText(), "pasted, not yet acquired");
        Button("cmdClear")->click();
        QCOMPARE(Box()->toPlainText(), "");
        QTest::keyClick(Box(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Box()->toPlainText(), "pasted, not yet acquired");
    }

private:
    static QString Reason(const std::optional<Refusal>& refusal) {
        return refusal ? QString::fromStdString(refusal->reason) : QString();
    }
    QString Write(const QString& name, const QByteArray& bytes) {
        return WriteIn(folder, name, bytes);
    }
    QString OpenForNotice(const QString& path) {
        ModalAnswerer answer(1);
        window->OpenWheelFile(path);
        return answer.text;
    }
    QString Read(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    QTemporaryDir folder;
};

QTEST_MAIN(tst_Files)
#include "tst_frmAccessFiles.moc"
