// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Windows window's picture: moves the three scroll bars to the given
// values as a released thumb does, then saves the client area as it is on
// the screen to a 24-bit BMP. A developer's tool, not installed.
//
// With a builder's form and what to put in it (ID=TEXT types into a field,
// ID=n chooses an option of a choice or list, rows=TEXT pastes rows, with
// \n and \t for line ends and tabs), that form's window instead.
//
// Usage: planner-screenshot FREQ DIAM DEPTH OUT.bmp [FORM ID=TEXT...]
// Example (under Wine): planner-screenshot.exe 2400 24 30 shot.bmp
//        planner-screenshot.exe 2400 24 30 check.bmp 0 diameter=24 "rows=0\t0\n12\t3\n24\t0"
#include <windows.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tools/form_filling.h"
#include "window/win32/form_window_win32.h"
#include "window/win32/planner_window_win32.h"

namespace {

bool saveClient(HWND w, const char* path)
{
    RECT r;
    GetClientRect(w, &r);
    const int width = r.right, height = r.bottom, stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    h.biSizeImage = DWORD(stride * height);
    std::vector<char> pixels(h.biSizeImage);
    HDC window = GetDC(w), memory = CreateCompatibleDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(window, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&h),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(w, window);
    const BITMAPFILEHEADER f{0x4D42, DWORD(sizeof f + sizeof h + h.biSizeImage), 0, 0,
                             DWORD(sizeof f + sizeof h)};
    FILE* out = std::fopen(path, "wb");
    const bool ok = out && std::fwrite(&f, sizeof f, 1, out) && std::fwrite(&h, sizeof h, 1, out) &&
                    std::fwrite(pixels.data(), pixels.size(), 1, out);
    return out && std::fclose(out) == 0 && ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5 || argc == 6) {
        std::fprintf(stderr,
                     "usage: planner-screenshot FREQ DIAM DEPTH OUT.bmp [FORM ID=TEXT...]\n");
        return 2;
    }
    planner::win32::PlannerWindow window;
    if (!window.create(GetModuleHandleW(nullptr)))
        return 1;
    const planner::Ctl bars[] = {planner::Ctl::vsbFreq, planner::Ctl::vsbDiam,
                                 planner::Ctl::vsbDepth};
    for (int i = 0; i < 3; ++i) {
        const int value = std::atoi(argv[i + 1]);
        SendMessageW(window.hwnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, value),
                     LPARAM(window.control(planner::row(bars[i]))));
    }
    HWND shown = window.hwnd();
    if (argc > 6) {
        const int f = std::atoi(argv[5]);
        if (!fillForm(const_cast<planner::Session&>(window.session()), f, argc - 6, argv + 6))
            return 2;
        const auto command = std::find_if(planner::commands.begin(), planner::commands.end(),
                                          [f](const auto& c) { return c.form == f; });
        SendMessageW(window.hwnd(), WM_COMMAND,
                     MAKEWPARAM(0x1000 + 0x10 * (command - planner::commands.begin()), 0), 0);
        shown = window.formWindow(f)->hwnd();
    }
    SetForegroundWindow(shown);
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    window.handleWaiting();
    Sleep(500); // let tooltips and the caret settle
    window.handleWaiting();
    if (!saveClient(shown, argv[4])) {
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
