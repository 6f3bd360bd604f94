// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's texts, UTF-8, as Qt's: the one conversion the Qt view makes.
// Example: qs("Focal length 3.13 inches") is that QString; "\u00b0" is
// one character, the degree sign.
#pragma once

#include <string_view>

#include <QString>

namespace planner {

inline QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace planner
