// The windows beside the main one: set up, brought forward, closed.
#include "toolWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

namespace quorvex::ui {

void SetUpToolWindow(QWidget* window, const char* name, const QString& title) {
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title + " - Quorvex");
    window->setWindowIcon(QIcon(":/quorvex/icon-48.png"));
}

void Present(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void AddCloseKeys(QWidget* window) {
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence("Ctrl+W")}) {
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window,
                         &QWidget::close);
    }
}

QHBoxLayout* CloseRow(QWidget* window) {
    AddCloseKeys(window);
    auto* close = new QPushButton("Close");
    close->setObjectName("cmdClose");
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    return row;
}

} // namespace quorvex::ui
