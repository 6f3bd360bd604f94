// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/template_printer_win32.h"

#include <commdlg.h>

#include <cmath>
#include <vector>

#include "builder/printer_page.h"
#include "window/design.h"
#include "window/win32/controls_win32.h"

namespace planner::win32 {

namespace {

POINT at(const DeviceMapping& d, Point p)
{
    const Point q = d.at(p);
    return {std::lround(q.x), std::lround(q.y)};
}

// A pen of the shape's width, with flat ends, dashed where it is.
HPEN penFor(const DeviceMapping& d, const Shape& s)
{
    const LOGBRUSH black{BS_SOLID, RGB(0, 0, 0), 0};
    const DWORD width = DWORD(std::max(1L, std::lround(d.points(s.width))));
    const DWORD style = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER;
    if (!s.dashed)
        return ExtCreatePen(style | PS_SOLID, width, &black, 0, nullptr);
    const DWORD dashes[] = {DWORD(std::lround(d.inches(dashLength))),
                            DWORD(std::lround(d.inches(dashGap)))};
    return ExtCreatePen(style | PS_USERSTYLE, width, &black, 2, dashes);
}

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

void paintText(HDC dc, const DeviceMapping& d, const Shape& s, const std::wstring& face)
{
    HFONT font =
        CreateFontW(-int(std::lround(d.points(s.width))), 0, 0, 0, s.bold ? FW_BOLD : FW_NORMAL,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
    const HGDIOBJ old = SelectObject(dc, font);
    const UINT align = s.anchor == Shape::Anchor::Middle ? TA_CENTER
                       : s.anchor == Shape::Anchor::End  ? TA_RIGHT
                                                         : TA_LEFT;
    SetTextAlign(dc, TA_BASELINE | align);
    const POINT p = at(d, s.points.at(0));
    const std::wstring text = widen(s.text);
    TextOutW(dc, p.x, p.y, text.c_str(), int(text.size()));
    SelectObject(dc, old);
    DeleteObject(font);
}

void paint(HDC dc, const DeviceMapping& d, const Shape& s, const std::wstring& face)
{
    if (s.kind == Shape::Kind::Text)
        return paintText(dc, d, s, face);
    const POINT a = at(d, s.points.at(0));
    if (s.shaded) {
        const POINT b = at(d, s.points.at(1));
        const RECT box{a.x, a.y, b.x, b.y};
        HBRUSH grey = CreateSolidBrush(
            RGB(shadeColour >> 16 & 0xFF, shadeColour >> 8 & 0xFF, shadeColour & 0xFF));
        FillRect(dc, &box, grey);
        DeleteObject(grey);
        return;
    }
    HPEN pen = penFor(d, s);
    const HGDIOBJ old = SelectObject(dc, pen);
    if (s.kind == Shape::Kind::Box) {
        const POINT b = at(d, s.points.at(1));
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, a.x, a.y, b.x, b.y); // with GM_ADVANCED: corner to corner
    } else {
        std::vector<POINT> line;
        for (const Point& p : s.points)
            line.push_back(at(d, p));
        Polyline(dc, line.data(), int(line.size()));
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void paint(HDC dc, const DeviceMapping& d, const Sheet& sheet, const std::wstring& face)
{
    for (const Shape& s : sheet.strips)
        paint(dc, d, s, face);
    const int saved = SaveDC(dc);
    const POINT a = at(d, sheet.tileTopLeft), b = at(d, sheet.tileBottomRight);
    IntersectClipRect(dc, a.x, a.y, b.x, b.y);
    for (const Shape& s : sheet.drawing)
        paint(dc, d, s, face);
    RestoreDC(dc, saved);
    for (const Shape& s : sheet.own)
        paint(dc, d, s, face);
}

// What went wrong, with the system's reason for the latest error.
std::wstring failed(const wchar_t* what)
{
    std::wstring sentence = what;
    wchar_t* reason = nullptr;
    if (FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                           FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, GetLastError(), 0, reinterpret_cast<wchar_t*>(&reason), 0,
                       nullptr) &&
        reason) {
        sentence += L" Windows says: ";
        sentence += reason;
        LocalFree(reason);
    }
    while (!sentence.empty() && (sentence.back() == L'\n' || sentence.back() == L'\r'))
        sentence.pop_back();
    return sentence;
}

// The paper and its unprintable margins, and the device's dots and corner.
std::pair<PrinterPaper, DeviceMapping> measure(HDC dc)
{
    const double dotsX = GetDeviceCaps(dc, LOGPIXELSX), dotsY = GetDeviceCaps(dc, LOGPIXELSY);
    const double width = GetDeviceCaps(dc, PHYSICALWIDTH),
                 height = GetDeviceCaps(dc, PHYSICALHEIGHT);
    const double left = GetDeviceCaps(dc, PHYSICALOFFSETX),
                 top = GetDeviceCaps(dc, PHYSICALOFFSETY);
    const double right = width - left - GetDeviceCaps(dc, HORZRES);
    const double bottom = height - top - GetDeviceCaps(dc, VERTRES);
    return {
        {width / dotsX, height / dotsY, left / dotsX, top / dotsY, right / dotsX, bottom / dotsY},
        {dotsX, dotsY, left / dotsX, top / dotsY}};
}

std::wstring printOn(HDC dc, const std::wstring& output, const DishTemplate& t)
{
    const auto [paper, d] = measure(dc);
    if (d.dotsX <= 0 || d.dotsY <= 0)
        return L"This printer gives no resolution: choose another printer, and print again.";
    if (const std::string why = whyNotPrintable(paper); !why.empty())
        return widen(why);
    DOCINFOW doc{sizeof doc, L"Parabolic dish template", output.empty() ? nullptr : output.c_str(),
                 nullptr, 0};
    if (StartDocW(dc, &doc) <= 0)
        return failed(L"The printer did not start the job: nothing was printed.");
    SetGraphicsMode(dc, GM_ADVANCED);
    SetBkMode(dc, TRANSPARENT);
    const std::wstring face = printFace(dc);
    for (const Sheet& sheet : t.sheets) {
        const bool started = StartPage(dc) > 0;
        if (started)
            paint(dc, d, sheet, face);
        if (!started || EndPage(dc) <= 0) {
            const std::wstring why = failed(L"The printer stopped part way: print again.");
            AbortDoc(dc);
            return why;
        }
    }
    if (EndDoc(dc) <= 0)
        return failed(L"The printer did not finish the job: the template may not have been "
                      L"printed whole.");
    return {};
}

} // namespace

PrinterChoice askWithPrintDlgEx(HWND owner)
{
    PRINTDLGEXW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner;
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE |
               PD_USEDEVMODECOPIESANDCOLLATE;
    pd.nStartPage = START_PAGE_GENERAL;
    const HRESULT hr = PrintDlgExW(&pd);
    if (pd.hDevMode)
        GlobalFree(pd.hDevMode);
    if (pd.hDevNames)
        GlobalFree(pd.hDevNames);
    if (SUCCEEDED(hr) && pd.dwResultAction == PD_RESULT_PRINT)
        return {pd.hDC, {}};
    if (pd.hDC)
        DeleteDC(pd.hDC);
    return {};
}

std::wstring printTemplate(const PrinterChoice& choice, const DishTemplate& t)
{
    const std::wstring problem = printOn(choice.dc, choice.output, t);
    DeleteDC(choice.dc);
    return problem;
}

void askAndPrint(HWND owner, const DishTemplate& t, const AskPrinter& ask)
{
    const PrinterChoice choice = ask(owner);
    if (!choice.dc)
        return; // cancelled: nothing printed
    if (const std::wstring problem = printTemplate(choice, t); !problem.empty())
        MessageBoxW(owner, problem.c_str(),
                    widen(commandOf(Command::PrintTemplate).caption).c_str(),
                    MB_OK | MB_ICONWARNING);
}

} // namespace planner::win32
