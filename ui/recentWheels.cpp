// The wheels opened last, kept between runs, and the Open Recent menu.
#include "recentWheels.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace quorvex::ui {

namespace {

constexpr char kKey[] = "files/recent";

void Keep(const QStringList& paths) {
    QSettings().setValue(kKey, paths.mid(0, kRecentWheels));
}

} // namespace

QStringList RecentWheels() {
    return QSettings().value(kKey).toStringList();
}

void AddRecentWheel(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = RecentWheels();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    Keep(paths);
}

void ForgetRecentWheel(const QString& path) {
    QStringList paths = RecentWheels();
    paths.removeAll(QFileInfo(path).absoluteFilePath());
    Keep(paths);
}

void FollowRecentWheels(QMenu* menu, std::function<void(const QString&)> open) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, open] {
        menu->clear();
        const QStringList paths = RecentWheels();
        for (int i = 0; i < paths.size(); ++i) {
            const QString path = paths[i];
            QAction* entry =
                menu->addAction(QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)),
                                menu, [open, path] { open(path); });
            entry->setObjectName(QString("mnuRecent%1").arg(i + 1));
        }
        if (paths.isEmpty()) {
            menu->addAction("(none)")->setEnabled(false);
        }
        menu->addSeparator();
        QAction* clear = menu->addAction("&Clear list", menu, [] { Keep({}); });
        clear->setObjectName("mnuClearRecent");
        clear->setEnabled(!paths.isEmpty());
    });
}

} // namespace quorvex::ui
