#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind user hears of the web planner: Orca 43 with Chromium (an
# app window, web-planner.sh), in the desktop check's session
# (orca-harness.sh), in an app window that holds the window as designed and
# in one a phone's size, where the page is compact. A user tabs to the
# diameter, moves it, and has the whole page read from the top in browse
# mode; each step must speak the figures with their meaning and unit, and
# nothing of the vanished bars, alike in both.
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
    SPEECH_PAUSE=0.15 "$here/orca-harness.sh" "$here/web-planner.sh" "$site" "$size" -- "${steps[@]}" |
        tee "$transcript"
    expect 0 "Finished loading Parabolic dish planner: gain and profile" "the page opens"
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
