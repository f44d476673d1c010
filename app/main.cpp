// Start-up: the application's names, its command line, the main window, a wheel named at start.
#include "design.h"
#include "frmAccess.h"
#include "mDichiarazioni.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Velmora");
    QApplication::setApplicationName("Quorvex");
    QApplication::setApplicationVersion(QUORVEX_VERSION);
    QApplication::setDesktopFileName("com.example.Quorvex");

    QCommandLineParser arguments;
    arguments.setApplicationDescription("Rewrites a wheel onto the numbers you play.");
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument("file", "A wheel to open and acquire at start.", "[FILE]");
    arguments.process(app);

    quorvex::ui::UseDesignedApplicationFont();
    quorvex::ResetState();
    quorvex::ui::frmAccess window;
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     &quorvex::ui::frmAccess::commitData);
    window.show();
    if (!arguments.positionalArguments().isEmpty()) {
        // Once the window is up, so that a notice about the file stands over it.
        const QString file = arguments.positionalArguments().first();
        QTimer::singleShot(0, &window, [&window, file] { window.OpenWheelFile(file); });
    }
    return QApplication::exec();
}
