// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The planner's object for a screen reader, one for each control and one
// for the window: the standard proxy of the window's client area, with
// name, value, description, state and navigation among siblings answered
// from the session when a reader asks, and the rest (role, location, the
// scroll bar's parts) the proxy's. It is a COM object of its own: it hands
// out IUnknown, IDispatch, IAccessible and IOleWindow (which gives its
// window), and from each of them IUnknown is the same object. Example: for
// lblFlen at start-up, get_accName gives "Focal length 3.13 inches" and
// the window text stays "3.13".
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <memory>
#include <string>

#include "window/session.h"

namespace planner::win32 {

// What the readers' objects of one window read. rowOf gives the design row
// of one of the window's controls, -1 for any other window; for those,
// describe gives the description ("" for the proxy's) and roleOf the role
// (0 for the proxy's), where they are given: a builder's form's field is
// described by its problem, its picture is a graphic described by its
// text alternative.
struct ReaderSource {
    const Session*
        session; // null once the window has gone: then every answer is RPC_E_DISCONNECTED
    std::function<int(HWND)> rowOf;
    std::function<std::string(HWND)> describe = {};
    std::function<long(HWND)> roleOf = {};
};

// The planner's object for a window, with one reference for the caller.
// Null if Windows gives no proxy or no memory.
IAccessible* accessibleFor(HWND window, std::shared_ptr<const ReaderSource> source);

} // namespace planner::win32
