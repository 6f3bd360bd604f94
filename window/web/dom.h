// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The few things the web view does to the page's elements, in C++ over
// Emscripten's val. Styles go through the element's style object, never a
// style attribute, which the page's Content-Security-Policy refuses.
#pragma once

#include <emscripten/val.h>

#include <string>

namespace planner::web {

inline emscripten::val document()
{
    return emscripten::val::global("document");
}

// A length in whole CSS pixels: setPixels(e, "left", 16) is left: 16px.
inline void setPixels(const emscripten::val& e, const char* property, int pixels)
{
    e["style"].set(property, std::to_string(pixels) + "px");
}

// Calls the function the view exported as `handler` (EMSCRIPTEN_BINDINGS)
// with each event of type on e.
inline void listen(const emscripten::val& e, const char* type, const char* handler)
{
    e.call<void>("addEventListener", std::string(type), emscripten::val::module_property(handler));
}

} // namespace planner::web
