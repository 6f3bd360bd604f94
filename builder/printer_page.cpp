// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/printer_page.h"

#include "builder/figures.h"

namespace planner {

std::string whyNotPrintable(const PrinterPaper& p)
{
    constexpr double slack = 1e-6; // A4's 210 mm are 8.2677 inches: room enough
    const double right = sheetMargin + sheetWidth, bottom = sheetMargin + sheetHeight;
    if (p.width + slack < right + sheetMargin || p.height + slack < bottom + sheetMargin)
        return "This paper is " + figure(p.width, 2) + " by " + figure(p.height, 2) +
               " inches, smaller than the template's sheets (" + figure(right + sheetMargin, 2) +
               " by " + figure(bottom + sheetMargin, 2) +
               " inches): choose A4 or US Letter, upright, and print again.";
    if (p.left > sheetMargin + slack || p.top > sheetMargin + slack ||
        p.width - p.right + slack < right || p.height - p.bottom + slack < bottom)
        return "This printer cannot print within half an inch of the paper's edge, where the "
               "template's sheets reach, and printed smaller the template would not be full "
               "size: choose another printer or smaller margins, and print again.";
    return {};
}

std::string printFault(PrintFault fault, int printed, int sheets)
{
    switch (fault) {
    case PrintFault::NoResolution:
        return "This printer gives no resolution: choose another printer, and print again.";
    case PrintFault::NotStarted:
        return "The printer did not start the job: nothing was printed.";
    case PrintFault::Stopped:
        return cat({"The printer stopped after sheet ", std::to_string(printed), " of ",
                    std::to_string(sheets), ": print again."});
    case PrintFault::NotFinished:
        break;
    }
    return "The printer did not finish the job: the template may not have been printed whole. "
           "Print again.";
}

} // namespace planner
