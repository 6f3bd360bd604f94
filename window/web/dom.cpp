// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/dom.h"

#include <emscripten/bind.h>

#include <exception>
#include <utility>

namespace planner::web {

using emscripten::val;

namespace {

class Listener {
public:
    explicit Listener(std::function<void(const val&)> f) : f_(std::move(f)) {}
    void handleEvent(val event) const
    {
        entered([&] { f_(event); });
    }

private:
    std::function<void(const val&)> f_;
};

} // namespace

void entered(const std::function<void()>& f) noexcept
{
    try {
        try {
            f();
        } catch (const std::exception& e) {
            val::global("console").call<void>("error", std::string(e.what()));
        } catch (...) {
            val::global("console").call<void>("error", std::string("an exception of unknown type"));
        }
    } catch (...) { // the console itself failed: there is nowhere left to say it
    }
}

void listen(const val& target, const char* type, std::function<void(const val&)> f)
{
    target.call<void>("addEventListener", std::string(type), val(Listener(std::move(f))));
}

val function(std::function<void(const val&)> f)
{
    const val listener(Listener(std::move(f)));
    return listener["handleEvent"].call<val>("bind", listener);
}

} // namespace planner::web

// The listener's one method, under the name the DOM calls it by.
EMSCRIPTEN_BINDINGS(planner_listener)
{
    emscripten::class_<planner::web::Listener>("PlannerListener")
        .function("handleEvent", &planner::web::Listener::handleEvent);
}
