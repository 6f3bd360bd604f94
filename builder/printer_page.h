// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a printer puts the template's sheets, without a toolkit: whether
// its paper and margins take a sheet at full size, and where a sheet's
// inches land in a device's units. Every view that prints asks here, so
// that an inch of dish is an inch of paper on each.
//
// Examples: A4 (8.27 by 11.69 inches) and Letter (8.5 by 11) with
// quarter-inch margins take a sheet; A5 (5.83 by 8.27) does not, nor A4
// turned on its side, nor a printer that cannot print within 0.6 inches of
// the paper's left edge. At 600 dots per inch, with the device's corner a
// quarter inch in from the paper's, a sheet's corner (0, 0) lands at (150,
// 150) and a line 0.6 points wide is 5 dots.
#pragma once

#include <string>
#include <string_view>

#include "builder/dish_template.h"

namespace planner {

// A printer's paper and the margins along its edges that it cannot print
// on, all in inches.
struct PrinterPaper {
    double width = 0, height = 0;
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Why the template's sheets cannot be printed at full size on this paper,
// in one sentence for the user; "" when they can.
std::string whyNotPrintable(const PrinterPaper& paper);

// What a print is called in the printer's queue.
inline constexpr std::string_view printJobName = "Parabolic dish template";

// A print that failed, in one sentence for the user. Example:
// printFault(PrintFault::Stopped, 1, 3) is "The printer stopped after
// sheet 1 of 3: print again."
enum class PrintFault : unsigned char { NoResolution, NotStarted, Stopped, NotFinished };
std::string printFault(PrintFault fault, int printed = 0, int sheets = 0);

// A device's units: its dots per inch across and down, and where its
// (0, 0) lies on the paper, in inches from the paper's top left corner;
// and where the shapes' (0, 0) lies on it, a sheet's printable area
// within the margin. On a screen the device is the picture, its corner
// the shapes' (margin 0).
struct DeviceMapping {
    double dotsX = 72, dotsY = 72;
    double originX = 0, originY = 0;
    double margin = sheetMargin;

    // Where a point of the shapes (inches from their corner) lands.
    Point at(Point p) const
    {
        return {(margin + p.x - originX) * dotsX, (margin + p.y - originY) * dotsY};
    }
    // A length in points (a line's width, a text's size) or inches (a
    // dash), in dots down the page.
    double points(double pt) const { return pt / 72 * dotsY; }
    double inches(double in) const { return in * dotsY; }
};

} // namespace planner
