// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/form_view.h"

#include <emscripten/eventloop.h>

#include <string>

#include "window/web/dom.h"
#include "window/web/form_page.h"
#include "window/web/svg.h"

namespace planner::web {

namespace {

void setAttribute(const Object& e, const char* name, const std::string& value)
{
    e.call("setAttribute", name, value);
}

void removeAttribute(const Object& e, const char* name)
{
    e.call("removeAttribute", name);
}

Object make(const char* tag, const std::string& text)
{
    Object e = Object::created(tag);
    e.setText("textContent", text);
    return e;
}

} // namespace

// An item's elements, and what they show now, so that a change writes only
// what differs.
struct FormView::Shown {
    Object box, words, list, button, table, problems, results, svg, alternative;
    std::vector<Object> options;
    std::vector<std::vector<Object>> fields;
    std::vector<std::vector<std::string>> problemShown;
    form::ItemState last;
};

FormView::FormView(Session& session, int f, std::function<void(const FormChanges&)> host)
    : session_(session), form_(f), host_(std::move(host)),
      said_(Object::byId(std::string(session.forms()[f].outline().id) + "-said"))
{
    items_.resize(presenter().outline().items.size());
    for (int i = 0; i < int(items_.size()); ++i)
        bind(i);
    for (int i = 0; i < int(items_.size()); ++i)
        redraw(i);
    removeAttribute(Object::byId(std::string(presenter().outline().id)), "inert"); // the user's now
}

FormView::~FormView()
{
    if (timer_)
        emscripten_clear_timeout(timer_);
}

// An item's elements as the build wrote them, and what the user does there.
void FormView::bind(int i)
{
    const form::Outline& outline = presenter().outline();
    const form::Item& item = outline.items[i];
    Shown& s = items_[i];
    const std::string name = idOf(outline, i);
    s.box = Object::byId(name + "-item");
    // What the build wrote may be behind the presenter: the first redraw
    // writes every part again.
    s.last = presenter().item(i);
    s.last.shown = !s.last.shown, s.last.chosen = -1, s.last.words = "\x01";
    s.last.results = {{"\x01", ""}}, s.last.picture.alternative = "\x01";
    switch (item.kind) {
    case form::Kind::Text:
    case form::Kind::Notes:
        s.words = Object::byId(name + "-words");
        break;
    case form::Kind::Choice:
        for (int o = 0; o < int(item.options.size()); ++o) {
            s.options.push_back(Object::byId(idOf(outline, {i, -1, o})));
            listen(s.options.back(), "change",
                   [this, i, o](const Object&) { host_(session_.chose(form_, i, o)); });
        }
        break;
    case form::Kind::List:
        s.list = Object::byId(name);
        listen(s.list, "change", [this, i](const Object& e) {
            host_(session_.chose(form_, i, int(e["target"].number("selectedIndex"))));
        });
        break;
    case form::Kind::Field:
        s.fields = {{Object::byId(name)}};
        s.problems = Object::byId(problemIdOf(outline, {i}));
        bindField({i}, s.fields[0][0]);
        break;
    case form::Kind::Rows:
        s.table = Object::byId(name);
        s.problems = Object::byId(problemIdOf(outline, {i}));
        for (int r = 0; r < presenter().rows(i); ++r) {
            s.fields.emplace_back();
            for (int c = 0; c < int(item.options.size()); ++c)
                s.fields[r].push_back(Object::byId(idOf(outline, {i, r, c}))),
                    bindField({i, r, c}, s.fields[r][c]);
        }
        break;
    case form::Kind::Button:
        s.button = Object::byId(name);
        listen(s.button, "click", [this, i](const Object&) { pressed(i); });
        break;
    case form::Kind::Results:
        s.results = Object::byId(name + "-list");
        break;
    case form::Kind::Picture:
        s.svg = Object::byId(name + "-svg");
        s.alternative = Object::byId(name + "-alternative");
        break;
    case form::Kind::Heading:
        break;
    }
}

// Each keystroke to the session; a row's field takes pasted or dropped pairs.
void FormView::bindField(const form::Cell& c, const Object& input)
{
    listen(input, "input", [this, c](const Object& e) {
        host_(session_.typed(form_, c, e["target"].text("value")));
    });
    if (c.row < 0)
        return;
    listen(input, "paste", [this, c](const Object& e) { pasted(c, e, "clipboardData"); });
    listen(input, "drop", [this, c](const Object& e) { pasted(c, e, "dataTransfer"); });
}

void FormView::pasted(const form::Cell& c, const Object& event, const char* data)
{
    const Object transfer = event[data];
    if (transfer.none())
        return;
    const auto changes = session_.pasted(form_, c, transfer.callText("getData", "text"));
    if (!changes)
        return; // one figure: the browser pastes it
    event.call("preventDefault");
    host_(*changes);
}

// A button pressed; Paste rows reads the clipboard first, which the
// browser may ask the user to allow, or refuse.
void FormView::pressed(int i)
{
    if (presenter().outline().items[i].action != form::Action::PasteRows)
        return host_(session_.pressed(form_, i));
    readClipboard([this, i](std::optional<std::string> text) {
        host_(session_.pressed(form_, i, std::move(text)));
    });
}

// Rows to the count the form has, each from the template, blank, its
// number, ids and names its own.
void FormView::addRows(int i)
{
    const form::Outline& outline = presenter().outline();
    Shown& s = items_[i];
    const Object model = Object::byId(idOf(outline, i) + "-row")["content"]["firstElementChild"];
    for (int r = int(s.fields.size()); r < presenter().rows(i); ++r) {
        const Object row = model.cloned();
        row["firstElementChild"].setText("textContent", std::to_string(r + 1));
        const Object inputs = row.callObject("querySelectorAll", "input");
        const int count = int(inputs.number("length"));
        s.fields.emplace_back();
        s.problemShown.emplace_back(count);
        for (int c = 0; c < count; ++c) {
            const Object input = inputs[c];
            input.setText("id", idOf(outline, {i, r, c}));
            setAttribute(input, "aria-label", presenter().label({i, r, c}));
            s.fields[r].push_back(input);
            bindField({i, r, c}, input);
        }
        s.table.append(row);
    }
}

void FormView::apply(const form::Update& u)
{
    const form::Outline& outline = presenter().outline();
    for (const form::Cell& c : u.rewritten) {
        addRows(c.item);
        items_[c.item]
            .fields.at(std::max(c.row, 0))
            .at(c.column)
            .setText("value", presenter().item(c.item).texts.at(std::max(c.row, 0)).at(c.column));
    }
    for (const int i : u.changed)
        redraw(i);
    if (u.focus)
        Object::byId(idOf(outline, *u.focus)).call("focus");
    if (!u.clipboard.empty())
        writeClipboard(u.clipboard);
    if (!u.tell.empty())
        said_.setText("textContent", u.tell);
    if (u.pause)
        announceLater();
}

// An item as the presenter has it now, where it differs from what shows.
void FormView::redraw(int i)
{
    const form::ItemState& now = presenter().item(i);
    Shown& s = items_[i];
    if (now.shown != s.last.shown)
        s.box.setFlag("hidden", !now.shown);
    if (!s.words.none() && now.words != s.last.words)
        s.words.setText("textContent", now.words);
    if (!s.button.none() && presenter().outline().items[i].text.empty() &&
        now.words != s.last.words)
        s.button.setText("textContent", now.words);
    if (!s.options.empty())
        s.options.at(now.chosen).setFlag("checked", true);
    if (!s.list.none() && now.chosen != s.last.chosen)
        s.list.setNumber("selectedIndex", now.chosen);
    if (!s.table.none())
        addRows(i);
    if (!s.problems.none())
        showProblems(i);
    if (!s.results.none() && now.results != s.last.results) {
        s.results.call("replaceChildren");
        for (const Result& r : now.results)
            s.results.append(make("dt", r.label)), s.results.append(make("dd", r.value));
    }
    if (!s.svg.none() && !(now.picture == s.last.picture)) {
        s.svg.call("replaceChildren");
        viewBox(s.svg, now.picture.width, now.picture.height);
        SvgPainter painter(s.svg, "currentColor");
        for (const Shape& shape : now.picture.shapes)
            painter.paint(shape);
        s.alternative.setText("textContent", now.picture.alternative);
    }
    s.last = now;
}

// Each field's sentence by it, the rows' under them: the field marked
// invalid and described by its sentence, and unmarked with the fault gone.
void FormView::showProblems(int i)
{
    const form::Outline& outline = presenter().outline();
    const form::ItemState& now = presenter().item(i);
    Shown& s = items_[i];
    s.problemShown.resize(s.fields.size());
    const bool rows = !s.table.none();
    if (rows)
        s.problems.call("replaceChildren");
    bool any = false;
    for (int r = 0; r < int(s.fields.size()) && r < int(now.problems.size()); ++r) {
        s.problemShown[r].resize(s.fields[r].size());
        for (int c = 0; c < int(s.fields[r].size()); ++c) {
            const std::string& sentence = now.problems[r][c];
            const form::Cell cell{i, rows ? r : -1, c};
            if (!sentence.empty()) {
                any = true;
                const Object line = rows ? make("p", sentence) : s.problems;
                line.setText("textContent", sentence);
                line.setText("id", problemIdOf(outline, cell));
                if (rows)
                    s.problems.append(line);
            }
            if (sentence == s.problemShown[r][c])
                continue;
            const Object& field = s.fields[r][c];
            if (sentence.empty()) {
                removeAttribute(field, "aria-invalid"), removeAttribute(field, "aria-describedby");
            } else {
                setAttribute(field, "aria-invalid", "true");
                setAttribute(field, "aria-describedby", problemIdOf(outline, cell));
            }
            s.problemShown[r][c] = sentence;
        }
    }
    if (rows && !now.problem.empty())
        s.problems.append(make("p", now.problem)), any = true;
    if (rows)
        now.problem.empty() ? removeAttribute(s.table, "aria-describedby")
                            : setAttribute(s.table, "aria-describedby", problemIdOf(outline, {i}));
    s.problems.setFlag("hidden", !any);
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
                view->said_.setText("textContent", view->presenter().said());
            });
        },
        form::pauseMs, this));
}

} // namespace planner::web
