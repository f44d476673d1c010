#include "closeKeys.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

namespace quorvex::ui {

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
