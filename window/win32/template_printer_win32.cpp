// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/template_printer_win32.h"

#include <commdlg.h>

#include <cmath>
#include <vector>

#include "builder/dish_template.h"
#include "builder/printer_page.h"
#include "window/design.h"
#include "window/win32/controls_win32.h"
#include "window/win32/shape_painter_win32.h"

namespace planner::win32 {

namespace {

// What went wrong, with the system's reason for the latest error.
std::wstring failed(PrintFault fault, int printed = 0, int sheets = 0)
{
    std::wstring sentence = widen(printFault(fault, printed, sheets));
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
        return widen(printFault(PrintFault::NoResolution));
    if (const std::string why = whyNotPrintable(paper); !why.empty())
        return widen(why);
    const std::wstring name = widen(printJobName);
    DOCINFOW doc{sizeof doc, name.c_str(), output.empty() ? nullptr : output.c_str(), nullptr, 0};
    if (StartDocW(dc, &doc) <= 0)
        return failed(PrintFault::NotStarted);
    ShapePainter painter(dc, d);
    for (std::size_t i = 0; i < t.sheets.size(); ++i) {
        const bool started = StartPage(dc) > 0;
        if (started)
            paintSheet(t.sheets[i], painter);
        if (!started || EndPage(dc) <= 0) {
            const std::wstring why = failed(PrintFault::Stopped, int(i), int(t.sheets.size()));
            AbortDoc(dc);
            return why;
        }
    }
    if (EndDoc(dc) <= 0)
        return failed(PrintFault::NotFinished);
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
