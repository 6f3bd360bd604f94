// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QFileInfo>

#include "version.h"
#include "window/qt/accessibility.h"
#include "window/qt/planner_window.h"

// With no session bus to be found, libdbus would autolaunch one: a daemon
// that outlives the planner, and a file under ~/.dbus. The planner writes
// nothing, so where there is no bus it tells libdbus not to start one.
static void noSessionBusAutolaunch()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QFileInfo::exists(runtime + QStringLiteral("/bus")))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

int main(int argc, char* argv[])
{
    noSessionBusAutolaunch();
    QApplication app(argc, argv);
    planner::installAccessibility();
    QApplication::setDesktopFileName(QStringLiteral(PLANNER_APP_ID));
    planner::PlannerWindow window;
    window.show();
    return app.exec();
}
