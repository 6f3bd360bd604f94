#include <QApplication>

#include "version.h"
#include "window/planner_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PLANNER_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral(PLANNER_APP_ID));
    planner::PlannerWindow window;
    window.show();
    return app.exec();
}
