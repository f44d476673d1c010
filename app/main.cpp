#include "frmAccess.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvex");
    QApplication::setDesktopFileName("com.example.Quorvex");

    quorvex::ui::frmAccess window;
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     &quorvex::ui::frmAccess::commitData);
    window.show();
    return QApplication::exec();
}
