// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/form_view.h"

#include <emscripten/eventloop.h>

#include <string>

#include "window/web/dom.h"
#include "window/web/form_page.h"
#include "window/web/svg.h"

namespace planner::web {

using emscripten::val;

namespace {

val byId(const std::string& id)
{
    return document().call<val>("getElementById", val(id));
}

void setAttribute(const val& e, const char* name, const std::string& value)
{
    e.call<void>("setAttribute", val(name), val(value));
}

void removeAttribute(const val& e, const char* name)
{
    e.call<void>("removeAttribute", val(name));
}

val make(const char* tag, const std::string& text)
{
    val e = document().call<val>("createElement", val(tag));
    e.set("textContent", val(text));
    return e;
}

} // namespace

// An item's elements, and what they show now, so that a change writes only
// what differs.
struct FormView::Shown {
    val box = val::null(), words = val::null(), list = val::null(), button = val::null();
    val table = val::null(), problems = val::null(), results = val::null(), svg = val::null(),
        alternative = val::null();
    std::vector<val> options;
    std::vector<std::vector<val>> fields;
    std::vector<std::vector<std::string>> problemShown;
    form::ItemState last;
};

FormView::FormView(Session& session, int f, std::function<void(const FormChanges&)> host)
    : session_(session), form_(f), host_(std::move(host)),
      said_(byId(std::string(session.forms()[f].spec().id) + "-said"))
{
    items_.resize(presenter().spec().items.size());
    for (int i = 0; i < int(items_.size()); ++i)
        bind(i);
    for (int i = 0; i < int(items_.size()); ++i)
        redraw(i);
    removeAttribute(byId(std::string(presenter().spec().id)), "inert"); // the user's now
}

FormView::~FormView()
{
    if (timer_)
        emscripten_clear_timeout(timer_);
}

// An item's elements as the build wrote them, and what the user does there.
void FormView::bind(int i)
{
    const form::Spec& spec = presenter().spec();
    const form::Item& item = spec.items[i];
    Shown& s = items_[i];
    const std::string name = idOf(spec, i);
    s.box = byId(name + "-item");
    // What the build wrote may be behind the presenter: the first redraw
    // writes every part again.
    s.last = presenter().item(i);
    s.last.shown = !s.last.shown, s.last.chosen = -1, s.last.words = "\x01";
    s.last.results = {{"\x01", ""}}, s.last.picture.alternative = "\x01";
    switch (item.kind) {
    case form::Kind::Text:
    case form::Kind::Notes:
        s.words = byId(name + "-words");
        break;
    case form::Kind::Choice:
        for (int o = 0; o < int(item.options.size()); ++o) {
            s.options.push_back(byId(idOf(spec, {i, -1, o})));
            listen(s.options.back(), "change",
                   [this, i, o](const val&) { host_(session_.chose(form_, i, o)); });
        }
        break;
    case form::Kind::List:
        s.list = byId(name);
        listen(s.list, "change", [this, i](const val& e) {
            host_(session_.chose(form_, i, e["target"]["selectedIndex"].as<int>()));
        });
        break;
    case form::Kind::Field:
        s.fields = {{byId(name)}};
        s.problems = byId(problemIdOf(spec, {i}));
        bindField({i}, s.fields[0][0]);
        break;
    case form::Kind::Rows:
        s.table = byId(name);
        s.problems = byId(problemIdOf(spec, {i}));
        for (int r = 0; r < presenter().rows(i); ++r) {
            s.fields.emplace_back();
            for (int c = 0; c < int(item.options.size()); ++c)
                s.fields[r].push_back(byId(idOf(spec, {i, r, c}))),
                    bindField({i, r, c}, s.fields[r][c]);
        }
        break;
    case form::Kind::Button:
        s.button = byId(name);
        listen(s.button, "click", [this, i](const val&) { pressed(i); });
        break;
    case form::Kind::Results:
        s.results = byId(name + "-list");
        break;
    case form::Kind::Picture:
        s.svg = byId(name + "-svg");
        s.alternative = byId(name + "-alternative");
        break;
    case form::Kind::Heading:
        break;
    }
}

// Each keystroke to the session; a row's field takes pasted or dropped pairs.
void FormView::bindField(const form::Cell& c, const val& input)
{
    listen(input, "input", [this, c](const val& e) {
        host_(session_.typed(form_, c, e["target"]["value"].as<std::string>()));
    });
    if (c.row < 0)
        return;
    listen(input, "paste", [this, c](const val& e) { pasted(c, e, "clipboardData"); });
    listen(input, "drop", [this, c](const val& e) { pasted(c, e, "dataTransfer"); });
}

void FormView::pasted(const form::Cell& c, const val& event, const char* data)
{
    const val transfer = event[data];
    if (transfer.isNull() || transfer.isUndefined())
        return;
    const auto changes =
        session_.pasted(form_, c, transfer.call<std::string>("getData", val("text")));
    if (!changes)
        return; // one figure: the browser pastes it
    event.call<void>("preventDefault");
    host_(*changes);
}

// A button pressed; Paste rows reads the clipboard first, which the
// browser may ask the user to allow, or refuse.
void FormView::pressed(int i)
{
    const val clipboard = val::global("navigator")["clipboard"];
    if (presenter().spec().items[i].action != form::Action::PasteRows)
        return host_(session_.pressed(form_, i));
    if (clipboard.isUndefined() || clipboard["readText"].isUndefined())
        return host_(session_.pressed(form_, i, std::nullopt));
    clipboard.call<val>("readText")
        .call<void>(
            "then", function([this, i](const val& text) {
                host_(session_.pressed(form_, i, text.as<std::string>()));
            }),
            function([this, i](const val&) { host_(session_.pressed(form_, i, std::nullopt)); }));
}

// Rows to the count the form has, each from the template, blank, its
// number, ids and names its own.
void FormView::addRows(int i)
{
    const form::Spec& spec = presenter().spec();
    Shown& s = items_[i];
    const val model = byId(idOf(spec, i) + "-row")["content"]["firstElementChild"];
    for (int r = int(s.fields.size()); r < presenter().rows(i); ++r) {
        const val row = model.call<val>("cloneNode", val(true));
        row["firstElementChild"].set("textContent", val(std::to_string(r + 1)));
        const val inputs = row.call<val>("querySelectorAll", val("input"));
        s.fields.emplace_back();
        s.problemShown.emplace_back(inputs["length"].as<int>());
        for (int c = 0; c < inputs["length"].as<int>(); ++c) {
            val input = inputs[c];
            input.set("id", val(idOf(spec, {i, r, c})));
            setAttribute(input, "aria-label", presenter().label({i, r, c}));
            s.fields[r].push_back(input);
            bindField({i, r, c}, input);
        }
        s.table.call<void>("append", row);
    }
}

void FormView::apply(const form::Update& u)
{
    const form::Spec& spec = presenter().spec();
    for (const form::Cell& c : u.rewritten) {
        addRows(c.item);
        items_[c.item]
            .fields.at(std::max(c.row, 0))
            .at(c.column)
            .set("value", val(presenter().item(c.item).texts.at(std::max(c.row, 0)).at(c.column)));
    }
    for (const int i : u.changed)
        redraw(i);
    if (u.focus)
        byId(idOf(spec, *u.focus)).call<void>("focus");
    const val clipboard = val::global("navigator")["clipboard"];
    if (!u.clipboard.empty() && !clipboard.isUndefined())
        clipboard.call<val>("writeText", val(u.clipboard))
            .call<void>("catch", function([](const val&) {}));
    if (!u.tell.empty())
        said_.set("textContent", val(u.tell));
    if (u.pause)
        announceLater();
}

// An item as the presenter has it now, where it differs from what shows.
void FormView::redraw(int i)
{
    const form::ItemState& now = presenter().item(i);
    Shown& s = items_[i];
    if (now.shown != s.last.shown)
        s.box.set("hidden", val(!now.shown));
    if (!s.words.isNull() && now.words != s.last.words)
        s.words.set("textContent", val(now.words));
    if (!s.button.isNull() && presenter().spec().items[i].text.empty() && now.words != s.last.words)
        s.button.set("textContent", val(now.words));
    if (!s.options.empty())
        s.options.at(now.chosen).set("checked", val(true));
    if (!s.list.isNull() && now.chosen != s.last.chosen)
        s.list.set("selectedIndex", val(now.chosen));
    if (!s.table.isNull())
        addRows(i);
    if (!s.problems.isNull())
        showProblems(i);
    if (!s.results.isNull() && now.results != s.last.results) {
        s.results.call<void>("replaceChildren");
        for (const Result& r : now.results)
            s.results.call<void>("append", make("dt", r.label), make("dd", r.value));
    }
    if (!s.svg.isNull() && !(now.picture == s.last.picture)) {
        s.svg.call<void>("replaceChildren");
        setAttribute(s.svg, "viewBox",
                     "0 0 " + std::to_string(now.picture.width) + " " +
                         std::to_string(now.picture.height));
        SvgPainter painter(s.svg, "currentColor");
        for (const Shape& shape : now.picture.shapes)
            painter.paint(shape);
        s.alternative.set("textContent", val(now.picture.alternative));
    }
    s.last = now;
}

// Each field's sentence by it, the rows' under them: the field marked
// invalid and described by its sentence, and unmarked with the fault gone.
void FormView::showProblems(int i)
{
    const form::Spec& spec = presenter().spec();
    const form::ItemState& now = presenter().item(i);
    Shown& s = items_[i];
    s.problemShown.resize(s.fields.size());
    const bool rows = !s.table.isNull();
    if (rows)
        s.problems.call<void>("replaceChildren");
    bool any = false;
    for (int r = 0; r < int(s.fields.size()) && r < int(now.problems.size()); ++r) {
        s.problemShown[r].resize(s.fields[r].size());
        for (int c = 0; c < int(s.fields[r].size()); ++c) {
            const std::string& sentence = now.problems[r][c];
            const form::Cell cell{i, rows ? r : -1, c};
            if (!sentence.empty()) {
                any = true;
                val line = rows ? make("p", sentence) : s.problems;
                line.set("textContent", val(sentence));
                line.set("id", val(problemIdOf(spec, cell)));
                if (rows)
                    s.problems.call<void>("append", line);
            }
            if (sentence == s.problemShown[r][c])
                continue;
            const val field = s.fields[r][c];
            if (sentence.empty()) {
                removeAttribute(field, "aria-invalid"), removeAttribute(field, "aria-describedby");
            } else {
                setAttribute(field, "aria-invalid", "true");
                setAttribute(field, "aria-describedby", problemIdOf(spec, cell));
            }
            s.problemShown[r][c] = sentence;
        }
    }
    if (rows && !now.problem.empty())
        s.problems.call<void>("append", make("p", now.problem)), any = true;
    if (rows)
        now.problem.empty() ? removeAttribute(s.table, "aria-describedby")
                            : setAttribute(s.table, "aria-describedby", problemIdOf(spec, {i}));
    s.problems.set("hidden", val(!any));
}

// Readers hear the chief figures once typing has paused.
void FormView::announceLater()
{
    if (timer_)
        emscripten_clear_timeout(timer_);
    timer_ = long(emscripten_set_timeout(
        [](void* self) {
            entered([self] {
                auto* view = static_cast<FormView*>(self);
                view->timer_ = 0;
                view->said_.set("textContent", val(view->presenter().said()));
            });
        },
        form::pauseMs, this));
}

} // namespace planner::web
