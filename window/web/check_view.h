// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dish check's view on the page (window/web/check_page.h): what is
// typed checked at every input, the results shown as terms and
// definitions, each problem by its field (which it describes and marks
// invalid), readers told the chief results once typing pauses; rows added
// by Add a row, or by pasting several lines into a row, which fill the
// rows from it. Nothing typed is touched.
#pragma once

#include <emscripten/val.h>

#include <array>
#include <functional>
#include <vector>

#include "window/session.h"

namespace planner::web {

class CheckView {
public:
    // The page's check section, for session's window; setPlanner moves the
    // window's bars to a setting.
    CheckView(const Session& session, std::function<void(const BarSetting&)> setPlanner);
    ~CheckView();
    CheckView(const CheckView&) = delete;
    CheckView& operator=(const CheckView&) = delete;

    // The window's frequency may have changed: the results again, unannounced.
    void refresh() { update(false); }

private:
    static emscripten::val null() { return emscripten::val::null(); }
    void update(bool announce);
    DishInput input() const;
    emscripten::val fieldOf(const Problem& p) const;
    void addRow();
    void paste(const emscripten::val& event);
    void announceLater();

    const Session& session_;
    std::function<void(const BarSetting&)> setPlanner_;
    emscripten::val rows_, problems_, results_, notes_, set_, said_, unit_;
    // By DishShape: its button, its fields, what to measure; by Field, the
    // lone fields.
    std::array<emscripten::val, 2> shapeButton_{null(), null()}, shapeFields_{null(), null()},
        howTo_{null(), null()};
    std::array<emscripten::val, 6> lone_{null(), null(), null(), null(), null(), null()};
    std::vector<std::array<emscripten::val, 2>> fields_; // each row's position and depth
    DishCheck check_;
    long timer_ = 0;
};

} // namespace planner::web
