// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/page.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "window/metrics.h"
#include "window/session.h"
#include "window/web/dom.h"
#include "window/web/markup.h"
#include "window/web/scroll_bar.h"

namespace planner::web {

namespace {

using emscripten::val;

int px(double twips)
{
    return toPixels(twips, logicalDpi);
}

val byId(const char* id)
{
    return document().call<val>("getElementById", std::string(id));
}

class Page {
public:
    Page();
    void barEvent(const val& event);
    void key(const val& event);
    void exitPressed() { apply(session_.exitPressed()); }
    void fit();

private:
    void bind(int row, val element);
    void keepOffline();
    void apply(const Update& u);
    void show(int row);
    void end();

    // A label's two texts, the caption and its spoken form, and what the
    // page shows now, so that a change writes only what differs.
    struct Label {
        val element, caption, spoken;
        std::optional<std::string> shown; // none before the first show
        int height = -1;
        bool hidden = false;
    };

    Session session_;
    val window_, live_;
    std::vector<std::unique_ptr<Label>> labels_;                // by design row
    std::array<std::unique_ptr<ScrollBar>, controlCount> bars_; // by design row
};

// The page holds the window as windowMarkup wrote it at build time, after
// Form_Load; the view takes over its elements, raises Form_Load itself and
// shows what that gives, with the focus on vsbFreq.
Page::Page() : window_(byId("window")), live_(byId("announcement")), labels_(controlCount)
{
    const val children = window_["children"];
    const std::vector<int> order = pageOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        bind(order[i], children[int(i)]);
    apply(session_.load());
    byId("needs").call<void>("remove");
    document()["documentElement"]["classList"].call<void>("add", std::string("planner-ready"));
    val::global("performance").call<void>("mark", std::string("planner-ready"));
    fit();
    bars_[row(Ctl::vsbFreq)]->element().call<void>("focus");
    listen(document(), "keydown", "plannerKey");
    listen(val::global("window"), "resize", "plannerFit");
    keepOffline();
}

// Served over the web, the page keeps its files for offline use (sw.js),
// and asks the host at once for a newer build, which the next visit then
// runs; opened from the disk it needs none.
void Page::keepOffline()
{
    const std::string protocol = val::global("location")["protocol"].as<std::string>();
    const val workers = val::global("navigator")["serviceWorker"];
    if ((protocol == "https:" || protocol == "http:") && !workers.isUndefined())
        workers.call<val>("register", std::string("sw.js"))
            .call<void>("then", val::module_property("plannerCheckForBuild"),
                        val::module_property("plannerNoWorker"));
}

void Page::bind(int r, val e)
{
    switch (designTable()[r].kind) {
    case Kind::ScrollBar:
        bars_[r] = std::make_unique<ScrollBar>(
            r, e, [this, r](int value) { apply(session_.moved(Ctl(r), std::int16_t(value))); });
        break;
    case Kind::Button:
        listen(e, "click", "plannerExit");
        break;
    case Kind::Label:
        labels_[r].reset(new Label{e, e["firstChild"], e["lastChild"], std::nullopt, -1,
                                   e.call<bool>("hasAttribute", std::string("aria-hidden"))});
        break;
    }
}

void Page::show(int r)
{
    Label& l = *labels_[r];
    if (const std::string& caption = session_.caption(r); caption != l.shown) {
        l.caption.set("textContent", caption);
        l.spoken.set("textContent", session_.spoken(r));
        l.shown = caption;
    }
    if (const int height = px(session_.heightTwips(r)); height != l.height) {
        setPixels(l.element, "height", height);
        l.height = height;
    }
    if (const bool hidden = session_.hidden(r); hidden != l.hidden) {
        if (hidden)
            l.element.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
        else
            l.element.call<void>("removeAttribute", std::string("aria-hidden"));
        l.hidden = hidden;
    }
}

// A failed handler has still changed what its earlier steps wrote: that is
// shown, and the error line goes to the browser's console.
void Page::apply(const Update& u)
{
    for (const int r : u.rows)
        if (labels_[r])
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
    byId("ended").call<void>("removeAttribute", std::string("hidden"));
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
// A browser that refuses the worker still runs the planner; only offline
// use is lost, which the console notes.
void noWorker(val reason)
{
    val::global("console").call<void>("warn", std::string("The planner will not work offline:"),
                                      reason);
}
// Offline there is no host to ask, and nothing to say about it.
void checkForBuild(val registration)
{
    registration.call<val>("update").call<void>("then", val::undefined(),
                                                val::module_property("plannerOffline"));
}
void offline(val) {}

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
    emscripten::function("plannerNoWorker", &planner::web::noWorker);
    emscripten::function("plannerCheckForBuild", &planner::web::checkForBuild);
    emscripten::function("plannerOffline", &planner::web::offline);
}
