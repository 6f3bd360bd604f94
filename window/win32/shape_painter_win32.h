// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The builder's shapes (builder/shapes.h) with GDI, on a printer's device
// context for the template and on a window's for a form's picture alike:
// lines and boxes with geometric pens of flat ends in the ink given,
// dashes in inches, texts in the design's print face at their anchor on
// the baseline.
#pragma once

#include <windows.h>

#include <string>

#include "builder/printer_page.h"

namespace planner::win32 {

class ShapePainter : public Painter {
public:
    // On dc, inches to its units by d, in ink.
    ShapePainter(HDC dc, const DeviceMapping& d, COLORREF ink = RGB(0, 0, 0));
    void paint(const Shape& s) override;
    void clip(Point topLeft, Point bottomRight) override;
    void unclip() override;

private:
    POINT at(Point p) const;
    HPEN penFor(const Shape& s) const;
    void paintText(const Shape& s);

    HDC dc_;
    DeviceMapping d_;
    COLORREF ink_;
    std::wstring face_;
    int saved_ = 0;
};

} // namespace planner::win32
