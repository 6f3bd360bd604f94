// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's forms, each with its presenter (form_presenter.h), in the
// order the menus and the page give them, and what one takes from
// another: a change on the dish check reaches the forms that read the dish
// it found, and a change of the planner's window reaches every form. Each
// action answers with the update of every form it changed.
//
// Example: with the window at 2400 MHz, pasting a round dish's rows into
// the check changes the check; moving the frequency to 2401 MHz then
// changes the check's figures at that frequency (its "Gain at 2401 MHz").
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "builder/form_presenter.h"

namespace planner {

// Each form that an action changed, with what its view redraws.
using FormChanges = std::vector<std::pair<int, form::Update>>;

class Forms {
public:
    explicit Forms(const WindowFacts& window);

    int count() const { return int(forms_.size()); }
    const form::Presenter& operator[](int f) const { return *forms_.at(f); }

    FormChanges typed(int f, const form::Cell& c, std::string text);
    FormChanges chose(int f, int item, int option);
    std::optional<FormChanges> pasted(int f, const form::Cell& c, std::string_view text);
    FormChanges pressed(int f, int item,
                        std::optional<std::string_view> clipboard = std::string_view{});
    FormChanges windowChanged(const WindowFacts& window);

private:
    FormChanges after(int f, form::Update u);

    form::Context context_;
    std::vector<std::unique_ptr<form::Presenter>> forms_;
};

} // namespace planner
