#include "design.h"

#include <QStringList>

namespace quorvex::ui {

QFont DesignFont(std::string_view family, double pointSize, int weight, bool underline) {
    QStringList families{FromUtf8(family)};
    if (family == "Trebuchet MS") {
        families << "Fira Sans"
                 << "Noto Sans"
                 << "DejaVu Sans";
    } else {
        families << "Noto Sans"
                 << "DejaVu Sans";
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setUnderline(underline);
    return font;
}

} // namespace quorvex::ui
