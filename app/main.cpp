#include <QApplication>

#include "window/planner_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    planner::PlannerWindow window;
    window.show();
    return app.exec();
}
