// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window in Qt: widgets built from the design table at 15 twips
// per logical pixel, events forwarded to the handlers, and the control
// model shown after each handler has returned.
#pragma once

#include <array>

#include <QWidget>

#include "window/control_model.h"
#include "window/planner_handlers.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace planner {

class ScreenReaders;

class PlannerWindow : public QWidget {
    Q_OBJECT
public:
    // Builds every control, then raises Form_Load, so the first show already
    // holds the computed figures and the profile.
    explicit PlannerWindow(QWidget* parent = nullptr);

    QScrollBar* scrollBar(Ctl bar) const;

private:
    void build();
    void connectEvents();
    // Runs the event's handler, then shows what it changed.
    void runHandler(Event e);
    void showModel();

    ControlModel model_;
    PlannerHandlers handlers_;
    std::array<QLabel*, controlCount> labels_{}; // by design row; null for the others
    std::array<QScrollBar*, controlCount> bars_{};
    QPushButton* exit_ = nullptr;
    ScreenReaders* readers_ = nullptr;
};

} // namespace planner
