// Drives the main window through the worked example (paste, ACQUIRE, keys,
// GENERATE, VIEW) the way a user would, then saves a picture of it.
// Usage: quorvex-screenshot OUTPUT.png (the notice goes to OUTPUT-message.png)

#include "frmAccess.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

void Click(QWidget& window, const QString& name) {
    window.findChild<QPushButton*>(name)->click();
}

// Saves a picture of the dialog that the next click opens, then presses its first button.
void AnswerNextMessage(QString picture) {
    QTimer::singleShot(50, [picture] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->grab().save(picture);
            dialog->findChild<QPushButton*>("cmdPulsante1")->click();
        } else {
            AnswerNextMessage(picture);
        }
    });
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvex-screenshot OUTPUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    quorvex::ui::frmAccess window;
    window.show();

    QTimer::singleShot(200, [&] {
        window.findChild<QPlainTextEdit*>("txtLista")->setPlainText("1 2 3\n1 2 4\n1 3 4\n2 3 4\n");
        Click(window, "cmdAcquire");
        for (const char* key :
             {"cmdNumero10", "cmdNumero10", "cmdNumero5", "cmdNumero20", "cmdNumero33"}) {
            Click(window, key);
        }
        AnswerNextMessage(QString(argv[1]).replace(".png", "-message.png"));
        Click(window, "cmdSviluppa");
        Click(window, "cmdVisualizza");
        QTimer::singleShot(200, [&] {
            const bool saved = window.grab().save(argv[1]);
            std::fprintf(stderr, saved ? "wrote %s\n" : "could not write %s\n", argv[1]);
            QApplication::exit(saved ? 0 : 1);
        });
    });
    return QApplication::exec();
}
