// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plain text helpers, on bytes (UTF-8 passes through untouched).
#pragma once

#include <string>
#include <string_view>

namespace rt {

// Every occurrence of what in text, left to right, replaced by with; what
// the replacement brings in is not looked at again. Example: "{} and {}"
// with "{}" as "x{}" is "x{} and x{}".
inline void replaceAll(std::string& text, std::string_view what, std::string_view with)
{
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

} // namespace rt
