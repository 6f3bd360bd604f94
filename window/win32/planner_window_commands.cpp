// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The design's commands beyond the window's controls: in a context menu,
// in the window's system menu, and on their shortcuts (an accelerator
// table); the template printed, a builder's form's window opened.
#include "window/win32/planner_window_win32.h"

#include <vector>

#include "window/win32/controls_win32.h"
#include "window/win32/form_window_win32.h"

namespace planner::win32 {

namespace {

// A command's id in the menus and for its shortcut: clear of the
// controls' ids, and with the low four bits free, as the system menu
// wants. Example: Command::PrintTemplate is 0x1000.
constexpr UINT commandId(std::size_t i)
{
    return UINT(0x1000 + 0x10 * i);
}

} // namespace

// The design's commands, in the context menu and the system menu with
// their shortcuts, and the shortcuts themselves.
void PlannerWindow::addCommands()
{
    menu_ = CreatePopupMenu();
    HMENU system = GetSystemMenu(hwnd_, FALSE);
    AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    std::vector<ACCEL> keys;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const CommandDesign& c = commands[i];
        const std::wstring item = widen(c.caption) + L"\tCtrl+" + wchar_t(c.key);
        AppendMenuW(menu_, MF_STRING, commandId(i), item.c_str());
        AppendMenuW(system, MF_STRING, commandId(i), item.c_str());
        keys.push_back({FCONTROL | FVIRTKEY, WORD(c.key), WORD(commandId(i))});
    }
    shortcuts_ = CreateAcceleratorTableW(keys.data(), int(keys.size()));
}

// Runs the command of a menu item or shortcut; false for any other id.
bool PlannerWindow::run(UINT id)
{
    std::size_t i = 0;
    while (i < commands.size() && commandId(i) != id)
        ++i;
    if (i == commands.size())
        return false;
    const int f = commands[i].form;
    if (f < 0)
        return askAndPrint(hwnd_, session_.dishTemplate(), ask_), true;
    applyForms(session_.followWindow()); // every form as the window stands
    if (!forms_.at(f))
        forms_[f] = std::make_unique<FormWindow>(
            session_, f, [this](const FormChanges& c) { applyForms(c); }, announce_);
    forms_[f]->show(hwnd_);
    return true;
}

// Each form's update to its window, where it is made; a setting moves the
// bars as a user's scroll does.
void PlannerWindow::applyForms(const FormChanges& changes)
{
    for (const auto& [f, u] : changes) {
        if (f < int(forms_.size()) && forms_[f])
            forms_[f]->apply(u);
        if (u.setPlanner)
            for (const auto& [bar, value] : Session::barsFor(*u.setPlanner)) {
                SetScrollPos(controls_[row(bar)], SB_CTL, value, TRUE);
                apply(session_.moved(bar, value));
            }
    }
}

// The context menu at a point of the screen; from the keys (-1, -1),
// beside the control with the focus.
void PlannerWindow::showMenu(POINT at)
{
    if (at.x == -1 && at.y == -1) {
        RECT r{};
        GetWindowRect(GetFocus() && IsChild(hwnd_, GetFocus()) ? GetFocus() : hwnd_, &r);
        at = {r.left, (r.top + r.bottom) / 2};
    }
    const UINT id =
        TrackPopupMenuEx(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, hwnd_, nullptr);
    if (id)
        run(id);
}

// Shift+F10 and the Menu key open the window's menu wherever the focus is
// in it, a scroll bar too, whose own menu is the mouse's.
bool PlannerWindow::menuKey(const MSG& m)
{
    const bool down = m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN;
    const bool menu = m.wParam == VK_APPS || (m.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0);
    if (!down || !menu || !IsChild(hwnd_, m.hwnd))
        return false;
    showMenu({-1, -1});
    return true;
}

} // namespace planner::win32
