// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window as page markup and style rules, without a browser:
// the build writes them into the site (index.html and planner.css) as the
// window stands after Form_Load, so that the page shows every figure the
// moment it is parsed, and the web view then takes over those elements.
// Rules, not style attributes: the page's policy allows none.
//
// Each design row is one element, id "r" and its row, in page order (the
// design table's, with cmdExit before vsbDepth: the Tab order is vsbFreq,
// vsbDiam, cmdExit, vsbDepth). A label holds its caption for the eye and
// its spoken form for readers:
//   <div class="control label centre framed" id="r11"><span class="caption"
//   aria-hidden="true">3.13</span><span class="reader-only">Focal length
//   3.13 inches</span></div>
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "window/session.h"

namespace planner::web {

// The design rows in page order.
std::vector<int> pageOrder();

// The inner markup of the page's #window for the session as it stands.
std::string windowMarkup(const Session& session);

// The rules that place and dress each control (#r11 { left: 352px; ... }),
// with each label's height and each thumb's place as the session has them.
std::string windowRules(const Session& session);

// Text made safe for markup: & < > and " as entities. Example:
// escaped("a < \"b\"") is "a &lt; &quot;b&quot;".
std::string escaped(std::string_view text);

// The CSS font for one of the design's fonts. Example: Font::Bold is
// 700 13px "MS Sans Serif", "Liberation Sans", "Arial", "Helvetica", sans-serif
std::string cssFont(Font f);

} // namespace planner::web
