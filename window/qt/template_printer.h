// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's template on a Qt printer: the platform's print dialog on a
// QPrinter at the printer's resolution, on the paper the user chooses, and
// each sheet of the template a page, drawn as the core describes it
// (builder/printer_page maps its inches to the printer's dots). A printer
// that cannot take a sheet at full size says so before anything is
// printed, one that fails part way says so with what it reported, and
// cancelling prints nothing; the window stays as it was.
#pragma once

#include <functional>

#include <QString>

class QPrinter;
class QWidget;

namespace planner {

struct DishTemplate;

// What asks the user for a printer and its paper: true to print. The
// planner shows QPrintDialog; tests put their own.
using AskPrinter = std::function<bool(QPrinter& printer, QWidget* parent)>;
bool askWithPrintDialog(QPrinter& printer, QWidget* parent);

// Prints t on printer, a sheet a page; the sentence for the user when it
// could not (nothing printed, or not all), else "".
QString printTemplate(QPrinter& printer, const DishTemplate& t);

// Asks for a printer, then prints t on it; a problem goes to a message box
// over parent.
void askAndPrint(QWidget* parent, const DishTemplate& t, const AskPrinter& ask);

} // namespace planner
