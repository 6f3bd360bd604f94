// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What a screen reader (NVDA, JAWS, Narrator) gets of the Windows window,
// from the same texts as on Linux (window/spoken, through the session):
// each label is named by its spoken form ("Focal length 3.78 inches") while
// its window text stays the caption as shown; a vanished bar or an empty
// figure is invisible and navigation passes it by; the scroll bars are
// named by quantity, their value is where they stand and their
// description every figure; all of it computed when a reader asks. After
// each change the sentence of changed figures is announced.
//
// How: each control answers WM_GETOBJECT for its client object with the
// planner's IAccessible (window/win32/accessible_control.h).
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <memory>
#include <string>

#include "window/session.h"
#include "window/win32/accessible_control.h"

namespace planner::win32 {

// Where an announcement goes: the UI Automation notification that NVDA,
// JAWS and Narrator speak (Windows 10 version 1709 and later; an older
// Windows has none, and the sentence then goes nowhere).
using Announce = std::function<void(HWND window, const std::wstring& sentence)>;
void notifyUiAutomation(HWND window, const std::wstring& sentence);

class ScreenReaders {
public:
    ScreenReaders(const Session& session, std::function<int(HWND)> rowOf);
    // For a window whose controls show no design row: describe and roleOf
    // as ReaderSource has them.
    ScreenReaders(const Session& session, std::function<std::string(HWND)> describe,
                  std::function<long(HWND)> roleOf);
    // The objects readers still hold answer that their window has gone.
    ~ScreenReaders();
    ScreenReaders(const ScreenReaders&) = delete;
    ScreenReaders& operator=(const ScreenReaders&) = delete;

    // Lets a control, or the window itself, answer readers with the
    // planner's object; false if Windows refused.
    bool serve(HWND window);
    // The window has gone: its objects answer so from now on.
    void detach() { source_->session = nullptr; }

private:
    std::shared_ptr<ReaderSource> source_;
    bool comStarted_ = false;
};

} // namespace planner::win32
