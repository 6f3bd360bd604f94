// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window on a web page (index.html): its 61 controls, which the
// build wrote into the page's #window (window/web/markup), taken over; the
// user's actions forwarded to the session, what it returns applied to the
// elements. Each label shows its caption exactly, and readers get its
// spoken form instead ("Focal length 3.13 inches"); a vanished bar or an
// empty figure is hidden from them; the sentence after a change goes to a
// polite live region. Exit takes the window off the page and closes the
// page where the browser lets it, else says that the planner has ended.
// How the window is arranged, as designed or compact, is the style
// sheet's (window/web/rules). Printing the page prints the template of the
// dish it shows (window/web/print).
#pragma once

namespace planner::web {

// Takes the window over, raises Form_Load and shows what it gives, with
// the focus where the Tab order starts. Once, when the page's script has
// loaded.
void start();

} // namespace planner::web
