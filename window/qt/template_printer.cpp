// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt/template_printer.h"

#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "builder/printer_page.h"
#include "window/qt/fonts.h"
#include "window/qt/text.h"

namespace planner {

namespace {

QPointF at(const DeviceMapping& d, Point p)
{
    const Point q = d.at(p);
    return {q.x, q.y};
}

QPen pen(const DeviceMapping& d, const Shape& s)
{
    QPen pen(Qt::black, d.points(s.width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (s.dashed) // in widths of the pen
        pen.setDashPattern({d.inches(dashLength) / pen.widthF(), d.inches(dashGap) / pen.widthF()});
    return pen;
}

// A text at its anchor on the baseline, in the design's print font.
void paintText(QPainter& p, const DeviceMapping& d, const Shape& s)
{
    QFont font = fontFor(Font::Print);
    font.setPointSizeF(s.width);
    font.setBold(s.bold);
    p.setFont(font);
    const QString text = qs(s.text);
    const double width = QFontMetricsF(font, p.device()).horizontalAdvance(text);
    const double shift = s.anchor == Shape::Anchor::Middle ? width / 2
                         : s.anchor == Shape::Anchor::End  ? width
                                                           : 0;
    p.setPen(Qt::black);
    p.drawText(at(d, s.points.at(0)) - QPointF(shift, 0), text);
}

void paint(QPainter& p, const DeviceMapping& d, const Shape& s)
{
    switch (s.kind) {
    case Shape::Kind::Line: {
        QPolygonF line;
        for (const Point& point : s.points)
            line << at(d, point);
        p.setPen(pen(d, s));
        p.drawPolyline(line);
        break;
    }
    case Shape::Kind::Box: {
        const QRectF box(at(d, s.points.at(0)), at(d, s.points.at(1)));
        if (s.shaded) {
            p.fillRect(box, QColor::fromRgb(shadeColour));
        } else {
            p.setPen(pen(d, s));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box);
        }
        break;
    }
    case Shape::Kind::Text:
        paintText(p, d, s);
        break;
    }
}

void paint(QPainter& p, const DeviceMapping& d, const Sheet& sheet)
{
    for (const Shape& s : sheet.strips)
        paint(p, d, s);
    p.save();
    p.setClipRect(QRectF(at(d, sheet.tileTopLeft), at(d, sheet.tileBottomRight)));
    for (const Shape& s : sheet.drawing)
        paint(p, d, s);
    p.restore();
    for (const Shape& s : sheet.own)
        paint(p, d, s);
}

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
        return QStringLiteral("The printer did not start the job: nothing was printed.");
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < t.sheets.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            p.end();
            return QStringLiteral("The printer stopped after sheet %1 of %2: print again.")
                .arg(i)
                .arg(t.sheets.size());
        }
        paint(p, d, t.sheets[i]);
    }
    if (!p.end() || printer.printerState() == QPrinter::Error)
        return QStringLiteral("The printer reported an error: the template may not have "
                              "been printed whole. Print again.");
    return {};
}

void askAndPrint(QWidget* parent, const DishTemplate& t, const AskPrinter& ask)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Parabolic dish template"));
    if (!ask(printer, parent))
        return; // cancelled: nothing printed
    if (const QString problem = printTemplate(printer, t); !problem.isEmpty())
        QMessageBox::warning(parent, qs(commandOf(Command::PrintTemplate).caption), problem);
}

} // namespace planner
