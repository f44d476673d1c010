// The best known wheels, read from the resource the build embeds.
#include "wheelLibrary.h"

#include <QFile>

namespace quorvex::ui {

const WheelLibrary& Library() {
    static const WheelLibrary library = [] {
        QFile file(":/quorvex/best_known.txt");
        file.open(QIODevice::ReadOnly);
        return ParseWheelLibrary(file.readAll().toStdString());
    }();
    return library;
}

} // namespace quorvex::ui
