#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind user hears of the web planner: Orca 43 with Chromium (an
# app window, web-planner.sh), in the desktop check's session
# (orca-harness.sh), in an app window that holds the window as designed and
# in one a phone's size, where the page is compact. A user tabs to the
# diameter, moves it, and has the whole page read from the top in browse
# mode; each step must speak the figures with their meaning and unit, and
# nothing of the vanished bars, alike in both. Then the dish check.
# Usage: check_orca_web.sh SITE_FOLDER TRANSCRIPT_FOLDER
set -euo pipefail
site=$1 transcripts=$2
here=$(dirname "$0")
steps=(Tab Down orca+a ctrl+Home KP_Add)
. "$here/transcript.sh"
mkdir -p "$transcripts"
for size in 820,640 390,844; do
    transcript=$transcripts/orca-web-$size.txt
    # Reading a whole page stalls unless the speech module takes a moment.
    SPEECH_PAUSE=0.15 STEP_TIMEOUT=60 "$here/orca-harness.sh" "$here/web-planner.sh" "$site" "$size" -- "${steps[@]}" |
        tee "$transcript"
    # The page opens with the focus where the Tab order starts: Orca says
    # the page's name, the window's, and the control.
    expect 0 "Parabolic dish planner: gain and profile" "the page opens: its name"
    expect 0 "Frequency in MHz vertical slider 1200" "the page opens: the first bar"
    expect 1 "Diameter in inches vertical slider 10" "Tab"
    for phrase in "11 Diameter 11 inches, 279.4 millimetres." "Focal length 3.78 inches, 96.012 millimetres." \
        "F/D ratio 0.34." "Gain 6 times." "Rim 1.67 deep at 5 inches."; do
        expect 2 "$phrase" "Down"
done
    absent 2 "Depth 2 inches" "Down: the depth did not change"
    expect 3 "Browse mode" "to browse mode"
    for phrase in "Frequency 1200 MHz" "Diameter 11 inches F/D ratio 0.34 Gain 6 times Depth 2 inches" \
        "Focal length 3.78 inches Diameter 279.4 millimetres" "Depth   in ins." \
        "Diameter in inches vertical slider 11" "Exit push button" "at 3 inches, 0.6 deep" \
        "at 5 inches, 1.67 deep" "bar at 5 inches"; do
        expect 5 "$phrase" "read the page"
done
    for gone in "bar at 0 inches" "at 6 inches" "bar at 6 inches"; do
        absent 5 "$gone" "read the page: a vanished bar or an empty figure"
done
    verdict "the web planner at $size" || exit 1
done

# The dish check: from the planner's bars past its shape and unit to its
# fields, a round dish typed, 24 inches across, 3 deep at 12 inches from
# the rim; once typing pauses, the chief result is read with its label:
# three points on y = 3 - (x - 12)^2 / 48, so f = 12 inches. Then the last
# depth mistyped, "0x": back to it, its problem read with the field,
# marked invalid; mended; and in browse mode the next graphic, the
# picture, read with its text alternative.
transcript=$transcripts/orca-web-check.txt
steps=(Tab Tab Tab Tab Tab Tab Tab 2 4 Tab 0 Tab 0 Tab 1 2 Tab 3 Tab 2 4 Tab 0 x shift+Tab Tab BackSpace 0
    orca+a g)
QUIET=2.5 "$here/orca-harness.sh" "$here/web-planner.sh" "$site" 820,640 -- "${steps[@]}" | tee "$transcript"
fail=0
expect 7 "Diameter, rim to rim entry" "Tab: the diameter's name"
expect 23 "Focal length 12 in (304.8 mm)" "typing paused: the result read with its label"
expect 26 "invalid entry" "back to the field: marked invalid"
expect 26 "Depth 3: “0x” is not a number" "back to the field: its problem"
expect 30 "The points measured against the fitted curve image" "the next graphic: the picture"
expect 30 "every point lies on the curve" "the picture's text alternative"
verdict "the web dish check"
