// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The style rules that place and dress each control of the page's window
// (#r11 { left: 352px; ... }), in its two arrangements, without a browser;
// the build appends them to the site's planner.css. Rules, not style
// attributes: the page's policy allows none.
//
// Where the viewport holds the window at 100% (792 by 573 CSS pixels or
// more) it stands as designed, at 15 twips a CSS pixel. Where it does not
// (a phone; a desktop browser zoomed past the window) the same elements
// are arranged compactly, larger, for touch and for reflow: each heading
// above its figures and bar, the groups with a bar in one band and the
// others in the next (or all in one band where the viewport is wide
// enough), Exit below them, and under it the profile with one row for each
// inch of radius, its bar drawn across to scale.
#pragma once

#include <cstdint>
#include <string>

#include "window/design.h"
#include "window/session.h"

namespace planner::web {

// The CSS font family of one of the design's fonts, its faces in order.
// Example: Font::Bold is "MS Sans Serif", "Liberation Sans", "Arial",
// "Helvetica", sans-serif
std::string cssFamily(Font f);

// A colour 0xRRGGBB as CSS writes it. Example: 0x00FFFF is "#00ffff".
std::string colour(std::uint32_t rgb);

// Where the window as designed fits at 100%, as a media query; the
// compact arrangement applies where it does not. Example:
// "(min-width: 792px) and (min-height: 573px)".
std::string designedQuery();

// Every rule for the session as it stands: each label's bar and each
// thumb where Form_Load leaves them.
std::string windowRules(const Session& session);

} // namespace planner::web
