// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/check_view.h"

#include <emscripten/eventloop.h>

#include <string>

#include "builder/check_form.h"
#include "runtime/value.h"
#include "window/web/check_page.h"
#include "window/web/dom.h"

namespace planner::web {

using emscripten::val;

namespace {

val byId(std::string_view id)
{
    return document().call<val>("getElementById", val(std::string(id)));
}

std::string valueOf(const val& input)
{
    return input["value"].as<std::string>();
}

val make(const char* tag, const std::string& text)
{
    val e = document().call<val>("createElement", val(tag));
    e.set("textContent", val(text));
    return e;
}

} // namespace

CheckView::CheckView(const Session& session, std::function<void(const BarSetting&)> setPlanner)
    : session_(session), setPlanner_(std::move(setPlanner)), rows_(byId(check::rows)),
      problems_(byId(check::problems)), results_(byId(check::results)), notes_(byId(check::notes)),
      set_(byId(check::set)), said_(byId(check::said)), unit_(byId(check::unit))
{
    for (int s = 0; s < 2; ++s) {
        shapeButton_[s] = byId(check::shapeButton[s]);
        shapeFields_[s] = byId(check::shapeFields[s]);
        howTo_[s] = byId(check::howTo[s]);
    }
    for (int f = 0; f < 6; ++f)
        lone_[f] = check::loneField[f].empty() ? val::null() : byId(check::loneField[f]);
    const val inputs = rows_.call<val>("querySelectorAll", val("input"));
    for (int i = 0; i + 1 < inputs["length"].as<int>(); i += 2)
        fields_.push_back({inputs[i], inputs[i + 1]});
    const val section = byId(check::section);
    listen(section, "input", [this](const val&) { update(true); });
    listen(rows_, "paste", [this](const val& event) { paste(event); });
    listen(byId(check::add), "click", [this](const val&) {
        addRow();
        fields_.back()[0].call<void>("focus");
    });
    listen(set_, "click", [this](const val&) {
        if (check_.setting)
            setPlanner_(*check_.setting);
    });
    update(false);
}

CheckView::~CheckView()
{
    if (timer_)
        emscripten_clear_timeout(timer_);
}

// A row more, like the last, its number and names its own, empty.
void CheckView::addRow()
{
    const int r = int(fields_.size());
    if (r >= mostRows)
        return;
    const val row = rows_["lastElementChild"].call<val>("cloneNode", val(true));
    row["firstElementChild"].set("textContent", val(std::to_string(r + 1)));
    const val inputs = row.call<val>("querySelectorAll", val("input"));
    for (int i = 0; i < 2; ++i) {
        val input = inputs[i];
        input.set("value", val(""));
        input.call<void>("setAttribute", val("aria-label"),
                         val(fieldLabel(i ? Field::Depth : Field::Position, r)));
        input.call<void>("setAttribute", val("data-row"), val(r));
    }
    rows_.call<void>("append", row);
    fields_.push_back({inputs[0], inputs[1]});
}

// Several lines pasted into a row fill the rows from it; one line pastes
// as the browser does.
void CheckView::paste(const val& event)
{
    const std::string text = event["clipboardData"].call<std::string>("getData", val("text"));
    const val at = event["target"].call<val>("getAttribute", val("data-row"));
    if (text.find('\n') == std::string::npos || at.isNull())
        return;
    event.call<void>("preventDefault");
    const auto pasted = pastedRows(text);
    const int from = int(rt::val(at.as<std::string>()));
    for (std::size_t i = 0; i < pasted.size() && from + int(i) < mostRows; ++i) {
        while (int(fields_.size()) <= from + int(i))
            addRow();
        fields_[from + i][0].set("value", val(pasted[i][0]));
        fields_[from + i][1].set("value", val(pasted[i][1]));
    }
    update(true);
}

DishInput CheckView::input() const
{
    const auto text = [this](Field f) { return valueOf(lone_[int(f)]); };
    DishInput in{shapeButton_[0]["checked"].as<bool>() ? DishShape::Round : DishShape::Offset,
                 Unit(unit_["selectedIndex"].as<int>()),
                 text(Field::Diameter),
                 {},
                 text(Field::Width),
                 text(Field::Height),
                 text(Field::OffsetDepth)};
    for (const auto& [x, h] : fields_)
        in.rows.push_back({valueOf(x), valueOf(h)});
    return in;
}

val CheckView::fieldOf(const Problem& p) const
{
    if (p.field == Field::Position || p.field == Field::Depth)
        return fields_.at(p.row)[p.field == Field::Depth];
    return p.field == Field::Rows ? fields_.at(0)[0] : lone_[int(p.field)];
}

// The check again: the shape's fields and what to measure; each problem
// by its field; the results, notes and setting.
void CheckView::update(bool announce)
{
    const DishInput in = input();
    for (int s = 0; s < 2; ++s) {
        shapeFields_[s].set("hidden", val(int(in.shape) != s));
        howTo_[s].set("hidden", val(int(in.shape) != s));
    }
    const val marked = document().call<val>("querySelectorAll", val("[aria-invalid]"));
    for (int i = 0; i < marked["length"].as<int>(); ++i) {
        marked[i].call<void>("removeAttribute", val("aria-invalid"));
        marked[i].call<void>("removeAttribute", val("aria-describedby"));
    }
    check_ = session_.checkDish(in);
    problems_.call<void>("replaceChildren");
    for (std::size_t i = 0; i < check_.problems.size(); ++i) {
        val line = make("p", check_.problems[i].sentence);
        const std::string id = "check-problem-" + std::to_string(i);
        line.set("id", val(id));
        problems_.call<void>("append", line);
        const val field = fieldOf(check_.problems[i]);
        field.call<void>("setAttribute", val("aria-invalid"), val("true"));
        field.call<void>("setAttribute", val("aria-describedby"), val(id));
    }
    results_.call<void>("replaceChildren");
    for (const Result& r : check_.results)
        results_.call<void>("append", make("dt", r.label), make("dd", r.value));
    std::string notes;
    for (const std::string& n : check_.notes)
        notes += (notes.empty() ? "" : " ") + n;
    notes_.set("textContent", val(notes));
    set_.set("hidden", val(!check_.setting));
    if (check_.setting)
        set_.set("textContent", val(setPlannerCaption(*check_.setting)));
    if (announce)
        announceLater();
}

// Readers hear the chief results once typing has paused.
void CheckView::announceLater()
{
    if (timer_)
        emscripten_clear_timeout(timer_);
    timer_ = long(emscripten_set_timeout(
        [](void* self) {
            entered([self] {
                auto* view = static_cast<CheckView*>(self);
                view->timer_ = 0;
                view->said_.set("textContent", val(checkAnnouncement(view->check_)));
            });
        },
        announcePauseMs, this));
}

} // namespace planner::web
