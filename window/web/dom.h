// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The few things the web view does to the page's elements, in C++ over
// Emscripten's val. Styles go through the element's style object, never a
// style attribute, which the page's Content-Security-Policy refuses.
#pragma once

#include <emscripten/val.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace planner::web {

inline emscripten::val document()
{
    return emscripten::val::global("document");
}

// A new element of tag with a class, the last child of parent.
inline emscripten::val appendChild(const emscripten::val& parent, const char* tag,
                                   const char* className)
{
    emscripten::val e = document().call<emscripten::val>("createElement", std::string(tag));
    e.set("className", std::string(className));
    parent.call<void>("appendChild", e);
    return e;
}

inline void addClass(const emscripten::val& e, const char* name)
{
    e["classList"].call<void>("add", std::string(name));
}

inline void setAttributes(const emscripten::val& e,
                          std::initializer_list<std::pair<const char*, std::string>> attributes)
{
    for (const auto& [name, value] : attributes)
        e.call<void>("setAttribute", std::string(name), value);
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
