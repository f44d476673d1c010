#pragma once
// What every test and picture run sets first. Settings go aside, away from the
// player's own: test mode moves settings files, and on Windows, where settings live
// in the registry and test mode does not reach, a name of the tests' own keeps them
// apart. File dialogs are Qt's own, which a test can fill in (Windows' native ones
// it cannot). The windows get the font the program gives them.

#include "design.h"

#include <QCoreApplication>
#include <QStandardPaths>

inline void SetUpTestRun() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Quorvex tests");
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    quorvex::ui::UseDesignedApplicationFont();
}
