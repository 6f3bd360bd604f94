// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Start-up of the Windows window: the planner itself, or a bare window with
// the same 61 controls (same classes, captions, places and fonts) and no
// model, handlers or calculations. Prints the milliseconds from the
// process's creation to the first shown and painted window, and the peak
// working set, and when main was reached, then exits at once without tearing
// anything down.
// Usage: startup_probe_win32 planner|bare
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "window/design.h"
#include "window/win32/controls_win32.h"
#include "window/win32/planner_window_win32.h"

namespace {

using namespace planner;

void bareWindow()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"BareWindow";
    RegisterClassExW(&wc);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r{0, 0, clientWidth / twipsPerPixel, clientHeight / twipsPerPixel};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"Bare", style, CW_USEDEFAULT, CW_USEDEFAULT,
                             r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance,
                             nullptr);
    static const win32::Fonts fonts(USER_DEFAULT_SCREEN_DPI);
    for (int i = 0; i < controlCount; ++i)
        win32::createControl(designTable()[i], w, 100 + i, USER_DEFAULT_SCREEN_DPI, fonts);
    ShowWindow(w, SW_SHOWNORMAL);
    UpdateWindow(w);
}

double millisecondsSinceCreation()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](FILETIME f) {
        return ULONGLONG(f.dwHighDateTime) << 32 | f.dwLowDateTime;
    };
    return double(ticks(now) - ticks(created)) / 1e4; // 100 ns ticks
}

} // namespace

int main(int argc, char** argv)
{
    const bool planner = argc == 2 && std::strcmp(argv[1], "planner") == 0;
    if (argc != 2 || (!planner && std::strcmp(argv[1], "bare") != 0))
        return 2;
    const double atMain = millisecondsSinceCreation();
    static win32::PlannerWindow window; // never torn down
    if (planner)
        window.create(GetModuleHandleW(nullptr));
    else
        bareWindow();
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&m);
    const double ms = millisecondsSinceCreation();
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%s %.1f ms %.0f kB (main at %.1f ms)\n", argv[1], ms,
                memory.PeakWorkingSetSize / 1024.0, atMain);
    std::fflush(stdout);
    ExitProcess(0);
}
