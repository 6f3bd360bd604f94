// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's forms below the window, once their code is ready: each
// form's view (window/web/form_view.h) over its section, every form's
// update to its view, and the forms brought up to the window when its
// figures have changed. The page calls into this only once the forms'
// code has come (whenBuilderReady), and into nothing else of the forms':
// the served site's module keeps them in its second part
// (cmake/SplitModule.cmake), where these functions are its doors.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "window/session.h"

namespace planner::web {

class FormView;

class FormsOnPage {
public:
    // Every form of session, each over its section, brought up to the
    // window first; a form's setting goes to setPlanner.
    [[gnu::noinline]] static std::unique_ptr<FormsOnPage>
    made(Session& session, std::function<void(const BarSetting&)> setPlanner);
    [[gnu::noinline]] ~FormsOnPage();
    FormsOnPage(const FormsOnPage&) = delete;
    FormsOnPage& operator=(const FormsOnPage&) = delete;

    // The forms brought up to the window's figures, where they are behind.
    [[gnu::noinline]] void follow();

private:
    FormsOnPage(Session& session, std::function<void(const BarSetting&)> setPlanner);
    void apply(const FormChanges& changes);

    Session& session_;
    std::function<void(const BarSetting&)> setPlanner_;
    std::vector<std::unique_ptr<FormView>> views_;
};

} // namespace planner::web
