// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/page.h"

#include <emscripten.h>
#include <emscripten/eventloop.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "window/metrics.h"
#include "window/session.h"
#include "window/web/dom.h"
#include "window/web/forms_on_page.h"
#include "window/web/markup.h"
#include "window/web/print.h"
#include "window/web/scroll_bar.h"

// Served over the web, the page keeps its files for offline use (sw.js),
// and asks the host at once for a newer build, which the next visit then
// runs; opened from the disk it needs none. A browser that refuses the
// worker still runs the planner, only not offline, which the console
// notes. The worker's address passes the page's Trusted Types policy,
// which lets through that one address and nothing else.
// clang-format off
EM_JS(void, keepOffline, (), {
    const served = location.protocol === "https:" || location.protocol === "http:";
    if (!served || !navigator.serviceWorker)
        return;
    const policy = self.trustedTypes && trustedTypes.createPolicy("dish-planner", {
        createScriptURL: url => {
            if (url !== "sw.js")
                throw new TypeError("not the planner's worker: " + url);
            return url;
        }
    });
    navigator.serviceWorker.register(policy ? policy.createScriptURL("sw.js") : "sw.js")
        .then(registration => registration.update().catch(() => {}),
              reason => console.warn("The planner will not work offline:", reason));
});
// clang-format on

namespace planner::web {

namespace {

class Page {
public:
    Page();

private:
    void bind(int row);
    void apply(const Update& u);
    void show(int row);
    void key(const Object& event);
    void end();

    // A label's two text nodes, its caption's and its spoken form's, and
    // what the page shows now, so that a change writes only what differs.
    struct Label {
        Object element, caption, spoken;
        std::optional<std::string> shown; // none before the first show
        int height = -1;
        bool hidden = false;
    };

    Session session_;
    std::unique_ptr<FormsOnPage> forms_; // the builder's, below the window, once ready
    bool following_ = false;
    Object window_, live_;
    std::vector<std::unique_ptr<Label>> labels_;                // by design row
    std::array<std::unique_ptr<ScrollBar>, controlCount> bars_; // by design row
};

// The page holds the window as windowMarkup wrote it at build time, after
// Form_Load; the view takes over its elements, raises Form_Load itself and
// shows what that gives, with the focus where the Tab order starts.
Page::Page()
    : window_(Object::byId("window")), live_(Object::byId("announcement")), labels_(controlCount)
{
    for (int r = 0; r < controlCount; ++r)
        bind(r);
    apply(session_.load());
    Object::byId("needs").call("remove");
    const Object document = Object::global("document"), window = Object::global("window");
    document["documentElement"]["classList"].call("add", "planner-ready");
    Object::global("performance").call("mark", "planner-ready");
    bars_[row(tabOrder.front())]->element().call("focus");
    listen(document, "keydown", [this](const Object& event) { key(event); });
    listen(window, "resize", [this](const Object&) {
        for (const auto& bar : bars_)
            if (bar)
                bar->relayout();
    });
    // Printing, from the browser's own command or from the button (which
    // asks for that command), prints the template of the dish shown now.
    listen(window, "beforeprint", [this](const Object&) {
        drawTemplate(Object::byId("template"), session_.dishTemplate());
    });
    listen(Object::byId("print"), "click", [window](const Object&) { window.call("print"); });
    // The builder's forms once the window is ready and their code is; a
    // setting moves the bars as a released thumb does. The worker comes
    // after them, so that it keeps the files from the browser's cache:
    // nothing is fetched twice.
    whenBuilderReady([this] {
        forms_ = FormsOnPage::made(session_, [this](const BarSetting& setting) {
            for (const auto& [bar, value] : Session::barsFor(setting))
                bars_[row(bar)]->setValue(value);
        });
        keepOffline();
    });
}

// The text node of an element that holds one, made where it is empty: a
// step rewrites the node's text, which the browser lays out again at about
// half the cost of a new node.
Object textIn(const Object& element)
{
    if (element["firstChild"].none())
        element.call("append", std::string());
    return element["firstChild"];
}

void Page::bind(int r)
{
    const Object e = Object::byId(elementId(r));
    switch (designTable()[r].kind) {
    case Kind::ScrollBar:
        bars_[r] = std::make_unique<ScrollBar>(
            r, e, [this, r](int value) { apply(session_.moved(Ctl(r), std::int16_t(value))); });
        break;
    case Kind::Button:
        listen(e, "click", [this](const Object&) { apply(session_.exitPressed()); });
        break;
    case Kind::Label:
        labels_[r].reset(new Label{e, textIn(e["firstChild"]), textIn(e["lastChild"]), std::nullopt,
                                   -1, e.callFlag("hasAttribute", "aria-hidden")});
        break;
    }
}

// A profile bar's height goes to the page as --bar, in whole CSS pixels,
// which each arrangement draws in its own way; no other label's changes.
void Page::show(int r)
{
    Label& l = *labels_[r];
    if (const std::string& caption = session_.caption(r); caption != l.shown) {
        l.caption.setText("data", caption);
        l.spoken.setText("data", session_.spoken(r));
        l.shown = caption;
    }
    const int height = toLogicalPixels(session_.heightTwips(r));
    if (designTable()[r].backColor && height != l.height) {
        l.element["style"].call("setProperty", "--bar", std::to_string(height));
        l.height = height;
    }
    if (const bool hidden = session_.hidden(r); hidden != l.hidden) {
        if (hidden)
            l.element.call("setAttribute", "aria-hidden", "true");
        else
            l.element.call("removeAttribute", "aria-hidden");
        l.hidden = hidden;
    }
}

// A failed handler has still changed what its earlier steps wrote: that is
// shown, and the error line goes to the browser's console.
void Page::apply(const Update& u)
{
    for (const int r : u.rows)
        show(r);
    if (!u.error.empty())
        consoleError(u.error);
    if (!u.announcement.empty()) {
        live_.setText("textContent", "");
        live_.setText("textContent", u.announcement);
    }
    // The forms follow once the window is shown, if they are on the page:
    // else they take the window as it stands when they come.
    if (u.formsBehind && !following_ && forms_) {
        following_ = true;
        emscripten_set_timeout(
            [](void* page) {
                entered([page] {
                    auto* p = static_cast<Page*>(page);
                    p->following_ = false;
                    p->forms_->follow();
                });
            },
            0, this);
    }
    if (u.close)
        end();
}

void Page::end()
{
    window_.call("remove");
    Object::byId("ended").call("removeAttribute", "hidden");
    Object::global("window").call("close"); // where the browser lets a page close itself
}

// Alt and Exit's access key, by the key's place on the keyboard (its
// code, "KeyX"), whatever letter the keyboard's layout gives it.
void Page::key(const Object& event)
{
    static const std::string exitKey =
        std::string("Key") + accessKey(designTable()[row(Ctl::cmdExit)].caption).value();
    const bool altOnly = event.flag("altKey") && !event.flag("ctrlKey") && !event.flag("metaKey");
    if (altOnly && event.text("code") == exitKey) {
        event.call("preventDefault");
        apply(session_.exitPressed());
    }
}

std::unique_ptr<Page> page;

} // namespace

void start()
{
    entered([] {
        if (!page)
            page = std::make_unique<Page>();
    });
}

} // namespace planner::web
