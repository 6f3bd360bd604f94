// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/forms_on_page.h"

#include "window/web/form_view.h"

namespace planner::web {

std::unique_ptr<FormsOnPage> FormsOnPage::made(Session& session,
                                               std::function<void(const BarSetting&)> setPlanner)
{
    return std::unique_ptr<FormsOnPage>(new FormsOnPage(session, std::move(setPlanner)));
}

// The build wrote the forms as the window loaded: they follow it first.
FormsOnPage::FormsOnPage(Session& session, std::function<void(const BarSetting&)> setPlanner)
    : session_(session), setPlanner_(std::move(setPlanner))
{
    apply(session_.followWindow());
    for (int f = 0; f < session_.forms().count(); ++f)
        views_.push_back(
            std::make_unique<FormView>(session_, f, [this](const FormChanges& c) { apply(c); }));
}

FormsOnPage::~FormsOnPage() = default;

void FormsOnPage::follow()
{
    apply(session_.followWindow());
}

void FormsOnPage::apply(const FormChanges& changes)
{
    for (const auto& [f, u] : changes) {
        if (f < int(views_.size()))
            views_[f]->apply(u);
        if (u.setPlanner)
            setPlanner_(*u.setPlanner);
    }
}

} // namespace planner::web
