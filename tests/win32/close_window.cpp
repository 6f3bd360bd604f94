// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// For the installer check: waits up to 30 s for a program's window by its
// title to be shown (the program builds it hidden), closes it as the
// frame's close box would, and waits for the program to end.
// Usage: close_window TITLE; prints "closed" when the program has ended.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    HWND w = nullptr;
    for (int i = 0; i < 300; ++i, Sleep(100))
        if ((w = FindWindowA(nullptr, argv[1])) && IsWindowVisible(w))
            break;
    if (!w || !IsWindowVisible(w)) {
        std::puts("no window");
        return 1;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE program = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageW(w, WM_CLOSE, 0, 0);
    const bool ended = program && WaitForSingleObject(program, 10000) == WAIT_OBJECT_0;
    std::puts(ended ? "closed" : "still running");
    return ended ? 0 : 1;
}
