// The fixture of the widget tests: every test function gets a new planner
// window, shown and active, as w.
#pragma once

#include <QtTest>

#include "window/planner_window.h"

class WindowTest : public QObject {
    Q_OBJECT
protected:
    planner::PlannerWindow* w = nullptr;

private slots:
    void init()
    {
        w = new planner::PlannerWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup()
    {
        delete w;
        w = nullptr;
    }
};
