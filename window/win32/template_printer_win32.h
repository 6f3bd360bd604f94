// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The builder's template on a Windows printer: the system's print dialog
// (PrintDlgEx), then the printer's device context with GDI at its
// resolution, each sheet a page, drawn as the core describes it
// (builder/printer_page maps its inches to the printer's dots, its
// unprintable margins allowed for), so that an inch of dish is an inch of
// paper. A printer that cannot take a sheet at full size says so before
// anything is printed, one that fails part way says so with the system's
// reason, and cancelling prints nothing; the window stays as it was.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace planner {
struct DishTemplate;
}

namespace planner::win32 {

// The printer the user chose: its device context, which the printing
// deletes, and where its output goes ("" for the printer's own port). A
// null dc: cancelled.
struct PrinterChoice {
    HDC dc = nullptr;
    std::wstring output;
};

// What asks the user for a printer; the planner shows PrintDlgEx, tests
// give their own.
using AskPrinter = std::function<PrinterChoice(HWND owner)>;
PrinterChoice askWithPrintDlgEx(HWND owner);

// Prints t through choice (and deletes its dc); the sentence for the user
// when it could not (nothing printed, or not all), else "".
std::wstring printTemplate(const PrinterChoice& choice, const DishTemplate& t);

// Asks for a printer, then prints t on it; a problem goes to a message box
// over owner.
void askAndPrint(HWND owner, const DishTemplate& t, const AskPrinter& ask);

} // namespace planner::win32
