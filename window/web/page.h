// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window on a web page (index.html): its 61 controls built in
// the page's #window from the design table at 15 twips a CSS pixel, the
// user's actions forwarded to the session, what it returns applied to the
// elements. Each label shows its caption exactly, and readers get its
// spoken form instead ("Focal length 3.13 inches"); a vanished bar or an
// empty figure is hidden from them; the sentence after a change goes to a
// polite live region. Exit takes the window off the page and closes the
// page where the browser lets it, else says that the planner has ended.
// A window narrower than the planner's shows it scaled down to fit.
#pragma once

namespace planner::web {

// Builds the window, raises Form_Load and only then shows it, with the
// focus on vsbFreq. Once, when the page's script has loaded.
void start();

} // namespace planner::web
