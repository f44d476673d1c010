// Files the windows write, and the folders their dialogs start in.
#include "textFile.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace quorvex::ui {

std::optional<Refusal> SaveText(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // The last of the bytes reach the disk in the flush that commit() starts, and
    // commit() does not notice when that fails: it would put a cut-off file in
    // place of the old one. So the flush is checked first.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit()) {
        return std::nullopt;
    }
    // A write cut short (a full disk) leaves Qt with no reason to give.
    return Refusal{file.error() == QFileDevice::NoError || file.errorString() == "Unknown error"
                       ? std::string("not all of it could be written: is the disk full?")
                       : file.errorString().toStdString()};
}

std::filesystem::path FilePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString ShortFileName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.size() <= 32 ? name : name.left(14) + "..." + name.right(15);
}

QString LastFolder() {
    return QSettings().value("folders/last", QDir::homePath()).toString();
}

void RememberFolder(const QString& file) {
    QSettings().setValue("folders/last", QFileInfo(file).absolutePath());
}

QString OpenFileName(QWidget* owner, const QString& title, const QString& filters) {
    return QFileDialog::getOpenFileName(owner, title, LastFolder(), filters);
}

QString WithTextSuffix(const QString& path, const QString& filter) {
    const bool textFilter = filter.contains("*.txt");
    return textFilter && !path.isEmpty() && QFileInfo(path).suffix().isEmpty() ? path + ".txt"
                                                                               : path;
}

SaveChoice SaveFileName(QWidget* owner, const QString& title, const QString& name,
                        const QString& filters) {
    QSettings settings;
    const QString folder =
        settings.value("folders/saved", settings.value("folders/last", QDir::homePath()))
            .toString();
    QString filter = filters.section(";;", 0, 0);
    const QString path = WithTextSuffix(
        QFileDialog::getSaveFileName(owner, title, folder + "/" + name, filters, &filter), filter);
    if (!path.isEmpty()) {
        settings.setValue("folders/saved", QFileInfo(path).absolutePath());
    }
    return {path, filter};
}

} // namespace quorvex::ui
