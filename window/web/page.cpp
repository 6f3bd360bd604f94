// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/page.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "window/metrics.h"
#include "window/session.h"
#include "window/web/dom.h"
#include "window/web/scroll_bar.h"

namespace planner::web {

namespace {

using emscripten::val;

int px(double twips)
{
    return toPixels(twips, logicalDpi);
}

// The CSS font for one of the design's fonts: its faces in order, then any
// sans-serif face. Example: "700 13px \"MS Sans Serif\", \"Liberation
// Sans\", \"Arial\", \"Helvetica\", sans-serif".
std::string cssFont(Font f)
{
    const FontSpec& spec = fontOf(f);
    std::string css = std::to_string(spec.weight) + " " + std::to_string(px(spec.twips)) + "px ";
    for (std::string_view face : spec.faces)
        css += "\"" + std::string(face) + "\", ";
    return css + "sans-serif";
}

void place(const val& e, const Rect& r)
{
    setPixels(e, "left", px(r.left));
    setPixels(e, "top", px(r.top));
    setPixels(e, "width", px(r.width));
    setPixels(e, "height", px(r.height));
}

class Page {
public:
    Page();
    void barEvent(const val& event);
    void key(const val& event);
    void exitPressed() { apply(session_.exitPressed()); }
    void fit();

private:
    void build();
    void label(int row, val e);
    void button(const ControlDesign& d, val e);
    void apply(const Update& u);
    void show(int row);
    void end();

    Session session_;
    val window_, live_;
    std::vector<val> labels_;                              // by design row; null for the others
    std::array<std::unique_ptr<ScrollBar>, controlCount> bars_; // by design row
};

Page::Page()
    : window_(document().call<val>("getElementById", std::string("window"))),
      live_(document().call<val>("getElementById", std::string("announcement"))),
      labels_(controlCount, val::null())
{
    window_["style"].set("font", cssFont(Font::Default));
    setPixels(window_, "width", px(clientWidth));
    setPixels(window_, "height", px(clientHeight));
    build();
    apply(session_.load());
    document().call<val>("getElementById", std::string("needs")).call<void>("remove");
    window_.call<void>("removeAttribute", std::string("hidden"));
    fit();
    bars_[row(Ctl::vsbFreq)]->element().call<void>("focus");
    listen(document(), "keydown", "plannerKey");
    listen(val::global("window"), "resize", "plannerFit");
}

// In the design table's order, but Exit before vsbDepth: the Tab order is
// vsbFreq, vsbDiam, cmdExit, vsbDepth.
void Page::build()
{
    std::vector<int> order;
    for (int r = 0; r < controlCount; ++r)
        if (r != row(Ctl::cmdExit))
            order.push_back(r);
    order.insert(std::find(order.begin(), order.end(), row(Ctl::vsbDepth)), row(Ctl::cmdExit));
    for (const int r : order) {
        const ControlDesign& d = designTable()[r];
        val e = appendChild(window_, d.kind == Kind::Button ? "button" : "div", "control");
        place(e, d.twips);
        if (d.kind == Kind::ScrollBar) {
            e["dataset"].set("row", std::to_string(r));
            bars_[r] = std::make_unique<ScrollBar>(
                r, e, [this, r](int value) { apply(session_.moved(Ctl(r), std::int16_t(value))); });
        } else if (d.kind == Kind::Button) {
            button(d, e);
        } else {
            label(r, e);
        }
    }
}

// The caption for the eye, the spoken form for readers.
void Page::label(int r, val e)
{
    const ControlDesign& d = designTable()[r];
    addClass(e, "label");
    addClass(e, d.align == Align::Center ? "centre" : "left");
    if (d.border)
        addClass(e, "framed");
    if (d.font != Font::Default)
        e["style"].set("font", cssFont(d.font));
    if (d.backColor) {
        constexpr const char* hex = "0123456789abcdef";
        std::string colour = "#";
        for (int shift = 20; shift >= 0; shift -= 4)
            colour += hex[(*d.backColor >> shift) & 0xF];
        e["style"].set("backgroundColor", colour);
    }
    if (!d.tooltip.empty())
        e.set("title", std::string(d.tooltip));
    appendChild(e, "span", "caption").call<void>("setAttribute", std::string("aria-hidden"),
                                                  std::string("true"));
    appendChild(e, "span", "reader-only");
    labels_[r] = e;
    show(r);
}

// "E&xit" shows as Exit with the x underlined; Alt+X presses it.
void Page::button(const ControlDesign& d, val e)
{
    const std::string caption(d.caption);
    const auto amp = caption.find('&');
    e.set("type", std::string("button"));
    addClass(e, "button");
    if (amp == std::string::npos || amp + 1 >= caption.size()) {
        e.set("textContent", caption);
    } else {
        e.call<void>("append", caption.substr(0, amp));
        appendChild(e, "u", "access-key").set("textContent", caption.substr(amp + 1, 1));
        e.call<void>("append", caption.substr(amp + 2));
        e.call<void>("setAttribute", std::string("aria-keyshortcuts"),
                     "Alt+" + std::string(1, char(std::toupper(caption[amp + 1]))));
    }
    listen(e, "click", "plannerExit");
}

void Page::show(int r)
{
    val e = labels_[r];
    const std::string& caption = session_.caption(r);
    e["firstChild"].set("textContent", caption);
    e["lastChild"].set("textContent", session_.spoken(r));
    setPixels(e, "height", px(session_.heightTwips(r)));
    if (session_.hidden(r))
        e.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
    else
        e.call<void>("removeAttribute", std::string("aria-hidden"));
}

// A failed handler has still changed what its earlier steps wrote: that is
// shown, and the error line goes to the browser's console.
void Page::apply(const Update& u)
{
    for (const int r : u.rows)
        if (!labels_[r].isNull())
            show(r);
    if (!u.error.empty())
        val::global("console").call<void>("error", u.error);
    if (!u.announcement.empty()) {
        live_.set("textContent", std::string());
        live_.set("textContent", u.announcement);
    }
    if (u.close)
        end();
}

void Page::end()
{
    window_.call<void>("remove");
    document().call<val>("getElementById", std::string("ended")).call<void>(
        "removeAttribute", std::string("hidden"));
    val::global("window").call<void>("close"); // where the browser lets a page close itself
}

void Page::barEvent(const val& event)
{
    const int r = std::stoi(event["currentTarget"]["dataset"]["row"].as<std::string>());
    if (r >= 0 && r < controlCount && bars_[r])
        bars_[r]->handle(event);
}

void Page::key(const val& event)
{
    const bool altOnly = event["altKey"].as<bool>() && !event["ctrlKey"].as<bool>() &&
                         !event["metaKey"].as<bool>();
    if (altOnly && event["code"].as<std::string>() == "KeyX") {
        event.call<void>("preventDefault");
        exitPressed();
    }
}

// Scaled down to the page's width where that is narrower than the window.
void Page::fit()
{
    const double width = document()["documentElement"]["clientWidth"].as<double>();
    const double scale = std::min(1.0, width / px(clientWidth));
    document()["documentElement"]["style"].call<void>("setProperty", std::string("--fit"),
                                                       std::to_string(scale));
}

std::unique_ptr<Page> page;

// Nothing thrown leaves for the browser's script engine.
template <class F> void guarded(F f)
{
    try {
        if (page)
            f();
    } catch (const std::exception& e) {
        val::global("console").call<void>("error", std::string(e.what()));
    } catch (...) {
        val::global("console").call<void>("error", std::string("an exception of unknown type"));
    }
}

void barEvent(val event)
{
    guarded([&] { page->barEvent(event); });
}
void keyEvent(val event)
{
    guarded([&] { page->key(event); });
}
void exitEvent(val)
{
    guarded([] { page->exitPressed(); });
}
void fitEvent(val)
{
    guarded([] { page->fit(); });
}

} // namespace

void start()
{
    if (!page)
        page = std::make_unique<Page>();
}

} // namespace planner::web

EMSCRIPTEN_BINDINGS(planner_web)
{
    emscripten::function("plannerBarEvent", &planner::web::barEvent);
    emscripten::function("plannerKey", &planner::web::keyEvent);
    emscripten::function("plannerExit", &planner::web::exitEvent);
    emscripten::function("plannerFit", &planner::web::fitEvent);
}
