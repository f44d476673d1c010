// The designs' fonts, with the free look-alikes that stand in for them.
#include "design.h"

#include <QApplication>
#include <QDirIterator>
#include <QFontDatabase>
#include <QStringList>

namespace quorvex::ui {

namespace {

// A build may carry the look-alikes inside the program (the Windows one does: no
// Windows has DejaVu, and Wine has no Segoe UI); they join the installed fonts.
QStringList FontFamilies() {
    QDirIterator bundled(":/fonts", {"*.ttf"}, QDir::Files);
    while (bundled.hasNext()) {
        QFontDatabase::addApplicationFont(bundled.next());
    }
    return QFontDatabase::families();
}

} // namespace

QFont DesignFont(std::string_view family, double pointSize, int weight, bool underline) {
    // Open Sans is close to Segoe UI in width and has its semibold weight;
    // DejaVu Sans is on every Debian desktop. The first one installed is used.
    static const QStringList installed = FontFamilies(); // asked once
    QString chosen = FromUtf8(family);
    for (const QString& candidate : {chosen, QString("Open Sans"), QString("DejaVu Sans")}) {
        if (installed.contains(candidate)) {
            chosen = candidate;
            break;
        }
    }
    QFont font(chosen);
    font.setPointSizeF(pointSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setUnderline(underline);
    return font;
}

void UseDesignedApplicationFont() {
#ifdef _WIN32
    QApplication::setFont(DesignFont("Segoe UI", 9));
#endif
}

} // namespace quorvex::ui
