// The designs' fonts, with the free look-alikes that stand in for them.
#include "design.h"

#include <QFontDatabase>
#include <QStringList>

namespace quorvex::ui {

QFont DesignFont(std::string_view family, double pointSize, int weight, bool underline) {
    // Open Sans is close to Segoe UI in width and has its semibold weight;
    // DejaVu Sans is on every Debian desktop. The first one installed is used.
    static const QStringList installed = QFontDatabase::families(); // asked once
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

} // namespace quorvex::ui
