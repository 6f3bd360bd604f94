// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/print.h"

#include <emscripten.h>

#include <string>

// Each sheet as an SVG element in `into`, from lines of text, one shape a
// line: "sheet" and its tile (x y width height); "line" and its width,
// whether dashed, and its points; "box", whether shaded, and its corners;
// "text", its size, anchor, weight, point, then the text itself. Numbers
// in inches but for widths and sizes, in points; fields apart by tabs.
// clang-format off
EM_JS(void, drawSheets, (emscripten::EM_VAL into, const char* shapes), {
    const ns = "http://www.w3.org/2000/svg", target = Emval.toValue(into);
    const make = (tag, attributes, parent) => {
        const e = document.createElementNS(ns, tag);
        for (const name in attributes)
            e.setAttribute(name, attributes[name]);
        return parent.appendChild(e);
    };
    let sheet, drawing, n = 0;
    target.replaceChildren();
    for (const line of UTF8ToString(shapes).split("\n").filter(Boolean)) {
        const [kind, ...f] = line.split("\t");
        const w = f[0] / 72, own = kind.endsWith("!"), to = own ? sheet : drawing;
        if (kind === "sheet") {
            sheet = make("svg", { width: f[0] + "in", height: f[1] + "in", viewBox: "0 0 " + f[0] + " " + f[1] }, target);
            make("rect", { x: f[2], y: f[3], width: f[4], height: f[5] }, make("clipPath", { id: "tile" + ++n }, sheet));
            drawing = make("g", { "clip-path": "url(#tile" + n + ")" }, sheet);
        } else if (kind.startsWith("line")) {
            make("polyline", { points: f.slice(2).join(" "), fill: "none", stroke: "black", "stroke-width": w,
                               "stroke-dasharray": f[1] === "1" ? "0.12 0.06" : "none" }, to);
        } else if (kind.startsWith("box")) {
            const [x, y, x1, y1] = f.slice(2).join(",").split(",").map(Number);
            const box = make("rect", { x, y, width: x1 - x, height: y1 - y, "stroke-width": w,
                                       fill: f[1] === "1" ? "#d9d9d9" : "none", stroke: f[1] === "1" ? "none" : "black" }, to);
            if (f[1] === "1")
                sheet.insertBefore(box, sheet.firstChild); // a strip, under the drawing
        } else {
            make("text", { x: f[3], y: f[4], "font-size": w, "text-anchor": f[1], "font-weight": f[2],
                           "font-family": "Liberation Sans, Arial, Helvetica, sans-serif" }, to).textContent = f[5];
        }
    }
});
// clang-format on

namespace planner::web {

namespace {

std::string fields(const Shape& s)
{
    const char* anchors[] = {"start", "middle", "end"};
    std::string line = "\t" + std::to_string(s.width);
    if (s.kind == Shape::Kind::Text)
        return line + "\t" + anchors[int(s.anchor)] + "\t" + (s.bold ? "bold" : "normal") + "\t" +
               std::to_string(s.points[0].x) + "\t" + std::to_string(s.points[0].y) + "\t" + s.text;
    line += s.kind == Shape::Kind::Line ? (s.dashed ? "\t1" : "\t0") : (s.shaded ? "\t1" : "\t0");
    for (const Point& p : s.points)
        line += "\t" + std::to_string(p.x) + "," + std::to_string(p.y);
    return line;
}

std::string kind(const Shape& s, bool own)
{
    const char* kinds[] = {"line", "box", "text"};
    return std::string(kinds[int(s.kind)]) + (own ? "!" : "");
}

} // namespace

void drawTemplate(const emscripten::val& into, const DishTemplate& t)
{
    std::string shapes;
    for (const Sheet& sheet : t.sheets) {
        const Point &a = sheet.tileTopLeft, &b = sheet.tileBottomRight;
        shapes += "sheet\t" + std::to_string(sheetWidth) + "\t" + std::to_string(sheetHeight) +
                  "\t" + std::to_string(a.x) + "\t" + std::to_string(a.y) + "\t" +
                  std::to_string(b.x - a.x) + "\t" + std::to_string(b.y - a.y) + "\n";
        for (const Shape& s : sheet.drawing)
            shapes += kind(s, false) + fields(s) + "\n";
        for (const Shape& s : sheet.own)
            shapes += kind(s, true) + fields(s) + "\n";
    }
    drawSheets(into.as_handle(), shapes.c_str());
}

} // namespace planner::web
