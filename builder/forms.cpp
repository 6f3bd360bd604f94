// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/forms.h"

#include "builder/check_form.h"
#include "builder/feed_form.h"

namespace planner {

namespace {

const form::Tool* const tools[] = {&checkTool(), &feedTool()};
constexpr int checkForm = 0;

} // namespace

Forms::Forms(const WindowFacts& window) : context_{window, std::nullopt}
{
    for (const form::Tool* tool : tools)
        forms_.push_back(std::make_unique<form::Presenter>(*tool, context_));
}

// The form's own update, then those of the forms that read the dish the
// check found, where it changed.
FormChanges Forms::after(int f, form::Update u)
{
    FormChanges changes;
    if (!u.empty())
        changes.emplace_back(f, std::move(u));
    if (f == checkForm && forms_[checkForm]->found() != context_.checked) {
        context_.checked = forms_[checkForm]->found();
        for (int other = 0; other < count(); ++other)
            if (other != checkForm)
                if (form::Update o = forms_[other]->contextChanged(context_); !o.empty())
                    changes.emplace_back(other, std::move(o));
    }
    return changes;
}

FormChanges Forms::typed(int f, const form::Cell& c, std::string text)
{
    return after(f, forms_.at(f)->typed(c, std::move(text)));
}

FormChanges Forms::chose(int f, int item, int option)
{
    return after(f, forms_.at(f)->chose(item, option));
}

std::optional<FormChanges> Forms::pasted(int f, const form::Cell& c, std::string_view text)
{
    std::optional<form::Update> u = forms_.at(f)->pasted(c, text);
    if (!u)
        return std::nullopt;
    return after(f, std::move(*u));
}

FormChanges Forms::pressed(int f, int item, std::optional<std::string_view> clipboard)
{
    return after(f, forms_.at(f)->pressed(item, clipboard));
}

FormChanges Forms::windowChanged(const WindowFacts& window)
{
    context_.window = window;
    FormChanges changes;
    for (int f = 0; f < count(); ++f) { // the check first: the others read its dish
        if (form::Update u = forms_[f]->contextChanged(context_); !u.empty())
            changes.emplace_back(f, std::move(u));
        if (f == checkForm)
            context_.checked = forms_[f]->found();
    }
    return changes;
}

} // namespace planner
