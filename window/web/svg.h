// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's shapes (builder/shapes.h) as SVG elements, in inches (the
// viewBox's units), widths and sizes in points: for the printed template
// and for a form's picture on the screen alike, its texts as text, so that
// a PDF of it reads aloud. On the screen the ink is the text's colour
// (currentColor), forced colours included.
#pragma once

#include <string>

#include "builder/shapes.h"
#include "window/web/dom.h"

namespace planner::web {

class SvgPainter : public Painter {
public:
    // Into svg, each shape a child of it, in ink; its clip, where it has
    // one, by an id unique in the page.
    SvgPainter(const Object& svg, std::string ink, std::string clipId = {})
        : svg_(svg), to_(svg), ink_(std::move(ink)), clipId_(std::move(clipId))
    {
    }
    void paint(const Shape& s) override;
    void clip(Point topLeft, Point bottomRight) override;
    void unclip() override { to_ = svg_; }

private:
    Object svg_, to_; // to_: where shapes go, within a clip or not
    std::string ink_, clipId_;
};

// The viewBox of an SVG element: from 0, 0, width by height.
void viewBox(const Object& svg, double width, double height);

// An SVG element of a size in inches, its viewBox the same inches, the
// last child of parent; the picture's size, where shown on the screen, is
// the style sheet's.
Object svgOf(const Object& parent, double width, double height);

} // namespace planner::web
