// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The few things the web view does to the page, in C++ over Emscripten's
// val; and the one way in from the browser. Styles go through the
// element's style object, never a style attribute, which the page's
// Content-Security-Policy refuses.
#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace planner::web {

inline emscripten::val document()
{
    return emscripten::val::global("document");
}

// A length in whole CSS pixels: setPixels(e, "top", 16) is top: 16px.
inline void setPixels(const emscripten::val& e, const char* property, int pixels)
{
    e["style"].set(property, std::to_string(pixels) + "px");
}

// Every entry from the browser into the planner, an event or a timer, runs
// through here: whatever f throws stays here, and its text goes to the
// console. Example: entered([] { throw std::bad_alloc(); }) logs
// "std::bad_alloc" and returns.
void entered(const std::function<void()>& f) noexcept;

// Calls f, through entered(), with each event of type on target. The page
// holds a listener object (the DOM's EventListener, whose handleEvent it
// calls) that carries f, so f's closure holds whatever it acts on: nothing
// is exported by name or read back from the page.
void listen(const emscripten::val& target, const char* type,
            std::function<void(const emscripten::val& event)> f);

// A JavaScript function that calls f, through entered(), with its one
// argument: for a promise's then, say.
emscripten::val function(std::function<void(const emscripten::val& argument)> f);

} // namespace planner::web
