// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/template_printer.h"

#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "builder/dish_template.h"
#include "builder/printer_page.h"
#include "window/design.h"
#include "window/qt/shape_painter.h"
#include "window/qt/text.h"

namespace planner {

namespace {

// The paper and its unprintable margins, in inches.
PrinterPaper paperOf(const QPrinter& printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const QRectF paper = layout.fullRect();
    const QMarginsF m = layout.minimumMargins();
    return {paper.width(), paper.height(), m.left(), m.top(), m.right(), m.bottom()};
}

} // namespace

bool askWithPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

QString printTemplate(QPrinter& printer, const DishTemplate& t)
{
    printer.setFullPage(true); // (0, 0) is the paper's corner
    if (const std::string why = whyNotPrintable(paperOf(printer)); !why.empty())
        return qs(why);
    const DeviceMapping d{double(printer.resolution()), double(printer.resolution())};
    QPainter p;
    if (!p.begin(&printer))
        return qs(printFault(PrintFault::NotStarted));
    p.setRenderHint(QPainter::Antialiasing);
    ShapePainter painter(p, d);
    for (std::size_t i = 0; i < t.sheets.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            p.end();
            return qs(printFault(PrintFault::Stopped, int(i), int(t.sheets.size())));
        }
        paintSheet(t.sheets[i], painter);
    }
    if (!p.end() || printer.printerState() == QPrinter::Error)
        return qs(printFault(PrintFault::NotFinished));
    return {};
}

void askAndPrint(QWidget* parent, const DishTemplate& t, const AskPrinter& ask)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qs(printJobName));
    if (!ask(printer, parent))
        return; // cancelled: nothing printed
    if (const QString problem = printTemplate(printer, t); !problem.isEmpty())
        QMessageBox::warning(parent, qs(commandOf(Command::PrintTemplate).caption), problem);
}

} // namespace planner
