// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window as page markup, without a browser: the build writes it
// into the site's index.html as the window stands after Form_Load, so that
// the page shows every figure the moment it is parsed, and the web view
// then takes over those elements (window/web/rules places them).
//
// Each design row is one element, with the id elementId(row), in page
// order: the design table's, but with the controls that take the focus
// together in Tab order where the first of them stands, so that the page's
// order is the window's Tab order and reading order. A label holds its
// caption for the eye and its spoken form for readers:
//   <div class="control label centre framed" id="r11"><span class="caption"
//   aria-hidden="true">3.13</span><span class="reader-only">Focal length
//   3.13 inches</span></div>
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "window/session.h"

namespace planner::web {

// The id of a row's element. Example: elementId(11) is "r11".
std::string elementId(int row);

// The inner markup of the page's #window for the session as it stands.
std::string windowMarkup(const Session& session);

// Text made safe for markup: & < > and " as entities. Example:
// escaped("a < \"b\"") is "a &lt; &quot;b&quot;".
std::string escaped(std::string_view text);

} // namespace planner::web
