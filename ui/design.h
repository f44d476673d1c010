#pragma once
// Units, colours and fonts of the window designs, converted to Qt in one place.

#include "two_digits.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <string_view>

namespace quorvex::ui {

// The designs are in twips; 15 twips are one device-independent pixel, and
// Qt's own high-DPI scaling takes it from there.
constexpr int Twips(int twips) {
    return (twips + 7) / 15;
}

inline void Place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

// Colours are written 0x00BBGGRR in the designs.
inline QColor DesignColor(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// The designs name Windows fonts; each comes with free look-alikes to fall back on.
QFont DesignFont(std::string_view family, double pointSize, int weight = 400,
                 bool underline = false);

// The font every window gets unless it asks for another. On Windows that is the
// system's message font, Segoe UI 9 where the windows were measured; where it is
// missing (Wine falls back to a wide serif) the look-alike stands in. Linux keeps
// the desktop's own.
void UseDesignedApplicationFont();

// The maker's web page, and as the windows write it: without a trailing slash.
constexpr char kHomepage[] = QUORVEX_HOMEPAGE;
inline QString HomepageText() {
    const QString homepage = kHomepage;
    return homepage.endsWith('/') ? homepage.chopped(1) : homepage;
}

// A player's number as the program writes it: 07.
inline QString TwoDigitText(int n) {
    return QString::fromStdString(TwoDigits(n));
}

// Numbers as a line of a ticket: "05 12 33".
template <class Numbers> QString TwoDigitLineText(const Numbers& numbers) {
    return QString::fromStdString(TwoDigitLine(numbers));
}

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace quorvex::ui
