// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window in Qt: widgets built from the design table at 15 twips
// per logical pixel, the user's actions forwarded to the session, and what
// it returns applied to the widgets.
#pragma once

#include <array>

#include <QWidget>

#include "window/session.h"

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void connectEvents();
    void apply(const Update& u);
    QWidget* focusable(Ctl c) const; // a bar, or Exit

    Session session_;
    std::array<QLabel*, controlCount> labels_{}; // by design row; null for the others
    std::array<QScrollBar*, controlCount> bars_{};
    QPushButton* exit_ = nullptr;
    ScreenReaders* readers_ = nullptr;
};

} // namespace planner
