// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/shape_painter_win32.h"

#include <cmath>
#include <vector>

#include "window/design.h"
#include "window/win32/controls_win32.h"

namespace planner::win32 {

namespace {

// The first of the design's print faces the system has, else its first.
std::wstring printFace(HDC dc)
{
    for (std::string_view face : fontOf(Font::Print).faces) {
        LOGFONTW want{};
        want.lfCharSet = DEFAULT_CHARSET;
        const std::wstring name = widen(face);
        if (face.empty() || name.size() >= LF_FACESIZE)
            continue;
        name.copy(want.lfFaceName, name.size());
        bool found = false;
        EnumFontFamiliesExW(
            dc, &want,
            [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM f) {
                return *reinterpret_cast<bool*>(f) = true, 0;
            },
            LPARAM(&found), 0);
        if (found)
            return name;
    }
    return widen(fontOf(Font::Print).faces[0]);
}

} // namespace

ShapePainter::ShapePainter(HDC dc, const DeviceMapping& d, COLORREF ink)
    : dc_(dc), d_(d), ink_(ink), face_(printFace(dc))
{
    SetGraphicsMode(dc, GM_ADVANCED); // a rectangle from corner to corner
    SetBkMode(dc, TRANSPARENT);
}

POINT ShapePainter::at(Point p) const
{
    const Point q = d_.at(p);
    return {std::lround(q.x), std::lround(q.y)};
}

// A pen of the shape's width, with flat ends, dashed where it is.
HPEN ShapePainter::penFor(const Shape& s) const
{
    const LOGBRUSH ink{BS_SOLID, ink_, 0};
    const DWORD width = DWORD(std::max(1L, std::lround(d_.points(s.width))));
    const DWORD style = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER;
    if (!s.dashed)
        return ExtCreatePen(style | PS_SOLID, width, &ink, 0, nullptr);
    const DWORD dashes[] = {DWORD(std::lround(d_.inches(dashLength))),
                            DWORD(std::lround(d_.inches(dashGap)))};
    return ExtCreatePen(style | PS_USERSTYLE, width, &ink, 2, dashes);
}

void ShapePainter::paintText(const Shape& s)
{
    HFONT font =
        CreateFontW(-int(std::lround(d_.points(s.width))), 0, 0, 0, s.bold ? FW_BOLD : FW_NORMAL,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face_.c_str());
    const HGDIOBJ old = SelectObject(dc_, font);
    const UINT align = s.anchor == Shape::Anchor::Middle ? TA_CENTER
                       : s.anchor == Shape::Anchor::End  ? TA_RIGHT
                                                         : TA_LEFT;
    SetTextAlign(dc_, TA_BASELINE | align);
    SetTextColor(dc_, ink_);
    const POINT p = at(s.points.at(0));
    const std::wstring text = widen(s.text);
    TextOutW(dc_, p.x, p.y, text.c_str(), int(text.size()));
    SelectObject(dc_, old);
    DeleteObject(font);
}

void ShapePainter::paint(const Shape& s)
{
    if (s.kind == Shape::Kind::Text)
        return paintText(s);
    const POINT a = at(s.points.at(0));
    if (s.shaded) {
        const POINT b = at(s.points.at(1));
        const RECT box{a.x, a.y, b.x, b.y};
        HBRUSH grey = CreateSolidBrush(
            RGB(shadeColour >> 16 & 0xFF, shadeColour >> 8 & 0xFF, shadeColour & 0xFF));
        FillRect(dc_, &box, grey);
        DeleteObject(grey);
        return;
    }
    HPEN pen = penFor(s);
    const HGDIOBJ old = SelectObject(dc_, pen);
    if (s.kind == Shape::Kind::Box) {
        const POINT b = at(s.points.at(1));
        SelectObject(dc_, GetStockObject(NULL_BRUSH));
        Rectangle(dc_, a.x, a.y, b.x, b.y);
    } else {
        std::vector<POINT> line;
        for (const Point& p : s.points)
            line.push_back(at(p));
        Polyline(dc_, line.data(), int(line.size()));
    }
    SelectObject(dc_, old);
    DeleteObject(pen);
}

void ShapePainter::clip(Point topLeft, Point bottomRight)
{
    saved_ = SaveDC(dc_);
    const POINT a = at(topLeft), b = at(bottomRight);
    IntersectClipRect(dc_, a.x, a.y, b.x, b.y);
}

void ShapePainter::unclip()
{
    RestoreDC(dc_, saved_);
}

} // namespace planner::win32
