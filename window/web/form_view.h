// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any builder's form on the page (window/web/form_page.h): the section the
// build wrote taken over, every action passed to the session and what it
// answers applied, writing only what changed. A problem shows by its
// field, which it describes and marks invalid, and goes with the fault;
// rows are added from the row's template, blank and unmarked; pairs pasted
// or dropped into a row's field fill the rows, a lone figure pastes as the
// browser does; copied rows go to the clipboard; readers hear the chief
// figures once typing pauses. Nothing typed is touched.
#pragma once

#include <functional>
#include <vector>

#include "window/session.h"
#include "window/web/dom.h"

namespace planner::web {

class FormView {
public:
    // Form f of session's builder's forms, in the section the build wrote;
    // host applies the changes of every form an action made (this one's
    // through apply).
    FormView(Session& session, int f, std::function<void(const FormChanges&)> host);
    ~FormView();
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    // Redraws what u names, and does what it asks.
    void apply(const form::Update& u);

private:
    struct Shown; // each item's elements, and what they show

    void bind(int item);
    void bindField(const form::Cell& c, const Object& input);
    void addRows(int item);
    void pasted(const form::Cell& c, const Object& event, const char* data);
    void pressed(int item);
    void redraw(int item);
    void showProblems(int item);
    void announceLater();
    const form::Presenter& presenter() const { return session_.forms()[form_]; }

    Session& session_;
    int form_;
    std::function<void(const FormChanges&)> host_;
    Object said_;
    std::vector<Shown> items_;
    long timer_ = 0;
};

} // namespace planner::web
