#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind user hears: the planner under Orca, headless (orca-harness.sh
# records every text Orca sends to speech). A user focuses the window, tabs
# to the diameter, moves it, asks for the title and Where Am I, and reads the
# window in flat review; each step must speak the figures with their meaning
# and unit, and nothing of the bars that have vanished. Last, the context
# menu opens (Shift+F10) on its item, which is read, and closes (Escape).
# Then the dish check: a diameter mistyped, its problem read with its field
# (Where Am I), mended, a round dish typed, and its picture reached by Tab,
# read with its text alternative.
# Usage: check_orca.sh PLANNER [TRANSCRIPT]
set -euo pipefail
planner=$1 transcript=${2:-$(mktemp)}
here=$(dirname "$0")
steps=(Tab Down Next title whereami flat prevline prevline prevline prevline readall shift+F10 Escape)
"$here/orca-harness.sh" "$planner" -- "${steps[@]}" | tee "$transcript"

. "$here/transcript.sh"
expect 0 "Parabolic dish planner: gain and profile frame" "focus on the window"
expect 0 "Frequency in MHz scroll bar 1200" "focus on the window"
expect 1 "Diameter in inches scroll bar 10" "Tab"
for phrase in "11 notification Diameter 11 inches, 279.4 millimetres." \
    "Focal length 3.78 inches, 96.012 millimetres." "F/D ratio 0.34." "Gain 6 times." \
    "Rim 1.67 deep at 5 inches."; do
    expect 2 "$phrase" "Down"
done
absent 2 "Depth 2 inches" "Down: the depth did not change"
expect 3 "12 notification Diameter 12 inches, 304.8 millimetres." "Page Down"
expect 3 "F/D ratio 0.38. Gain 7 times." "Page Down"
expect 4 "Parabolic dish planner: gain and profile" "read title"
expect 5 "Diameter in inches scroll bar 12" "Where Am I"
expect 5 "Focal length 4.5 inches, 114.3 millimetres." "Where Am I"
figures="Diameter 12 inches F/D ratio 0.38 Gain 7 times Depth 2 inches Focal length 4.5 inches"
{ said 7; said 8; said 9; said 10; } | grep -qF "$figures" ||
    { echo "flat review: no line \"$figures\""; fail=1; }
for phrase in "Frequency 1200 MHz" "Diameter 304.8 millimetres Depth 50.8 millimetres" \
    "   Depth   in ins." "at 3 inches, 0.49 deep" "at 6 inches, 1.97 deep" "bar at 6 inches"; do
    expect 11 "$phrase" "read the window"
done
for gone in "bar at 7 inches" "at 7 inches" "bar at 0 inches"; do
    absent 11 "$gone" "read the window: a vanished bar or an empty figure"
done
expect 12 "Print a full-size template" "Shift+F10: the context menu on its item"
verdict "the planner" || exit 1

# The dish check opens on its shape, then Unit, the diameter: "24x", its
# problem; "24", and three points on y = 3 - (x - 12)^2 / 48; on past the
# four rows left and the three buttons to the picture.
transcript=${transcript%.txt}-check.txt
steps=(ctrl+k Tab Tab 2 4 x whereami BackSpace Tab 0 Tab 0 Tab 1 2 Tab 3 Tab 2 4 Tab 0)
for _ in $(seq 12); do steps+=(Tab); done
"$here/orca-harness.sh" "$planner" -- "${steps[@]}" | tee "$transcript"
fail=0
expect 1 "Check a dish you have frame" "Ctrl+K"
expect 7 "Diameter, rim to rim: “24x” is not a number" "Where Am I: the field's problem"
expect 22 "Focal length 12 in (304.8 mm)" "typing paused: the result"
expect 34 "The points measured against the fitted curve image" "Tab to the picture"
expect 34 "every point lies on the curve" "the picture's text alternative"
verdict "the dish check"
