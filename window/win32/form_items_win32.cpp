// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A Windows form's controls for each kind of item, what each shows, and
// the picture's window.
#include <windows.h>

#include <oleacc.h>
#include <windowsx.h>

#include "window/win32/controls_win32.h"
#include "window/win32/form_built_win32.h"
#include "window/win32/shape_painter_win32.h"

namespace planner::win32 {

namespace {

constexpr DWORD label = SS_NOPREFIX | SS_CENTERIMAGE, words = SS_NOPREFIX,
                button = WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;

// The picture takes the focus in the form's order, so that a reader
// reaches it by Tab, and shows it has it.
LRESULT CALLBACK pictureProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS)
        InvalidateRect(h, nullptr, FALSE);
    if (msg == WM_LBUTTONDOWN)
        SetFocus(h);
    if (msg != WM_PAINT)
        return DefWindowProcW(h, msg, wp, lp);
    const auto* form =
        reinterpret_cast<const FormWindow*>(GetWindowLongPtrW(GetParent(h), GWLP_USERDATA));
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(h, &ps);
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    if (form) {
        const double dpi = form->dpi();
        ShapePainter painter(dc, {dpi, dpi, 0, 0, 0}, GetSysColor(COLOR_WINDOWTEXT));
        for (const Shape& s : form->picture(GetDlgCtrlID(h)).shapes)
            painter.paint(s);
    }
    if (GetFocus() == h) {
        RECT r{};
        GetClientRect(h, &r);
        DrawFocusRect(dc, &r);
    }
    EndPaint(h, &ps);
    return 0;
}

} // namespace

void registerPicture(HINSTANCE instance)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = pictureProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = pictureClass;
    RegisterClassExW(&wc); // fails harmlessly once registered
}

// An item's controls, in the form's order, which is the Tab order.
void FormWindow::buildItem(int i)
{
    const form::Item& item = presenter().outline().items[i];
    Built& b = built_[i];
    switch (item.kind) {
    case form::Kind::Heading:
        b.words = make(L"STATIC", item.text, label);
        SendMessageW(b.words, WM_SETFONT, reinterpret_cast<WPARAM>(bold_), FALSE);
        break;
    case form::Kind::Text:
    case form::Kind::Notes:
        b.words = make(L"STATIC", item.text, words);
        break;
    case form::Kind::Choice:
        b.group = make(L"BUTTON", item.text, BS_GROUPBOX);
        for (int o = 0; o < int(item.options.size()); ++o) {
            b.options.push_back(make(L"BUTTON", item.options[o],
                                     (o ? 0 : WS_TABSTOP | WS_GROUP) | BS_AUTORADIOBUTTON));
            cellOf_[b.options.back()] = {i, -1, o};
        }
        break;
    case form::Kind::List:
        b.words = make(L"STATIC", item.text, label | WS_GROUP);
        b.list = make(L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
        for (const std::string_view o : item.options)
            ComboBox_AddString(b.list, widen(o).c_str());
        cellOf_[b.list] = {i};
        break;
    case form::Kind::Field:
        field({i}, nullptr);
        b.icon = make(L"STATIC", "", SS_ICON | SS_REALSIZEIMAGE);
        b.problem = make(L"STATIC", "", words);
        break;
    case form::Kind::Rows:
        addRows(i);
        b.icon = make(L"STATIC", "", SS_ICON | SS_REALSIZEIMAGE);
        b.problem = make(L"STATIC", "", words);
        break;
    case form::Kind::Button:
        b.button = make(L"BUTTON", item.text, button);
        cellOf_[b.button] = {i};
        break;
    case form::Kind::Results:
        break; // its labels and values as the results come
    case form::Kind::Picture:
        // Named by its window text; a graphic, described by its alternative.
        b.picture = CreateWindowExW(
            0, pictureClass, widen(item.text).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0,
            0, hwnd_, reinterpret_cast<HMENU>(INT_PTR(i)), GetModuleHandleW(nullptr), nullptr);
        readers_->serve(b.picture);
        break;
    }
}

// A field's problem, the picture's text alternative; "" for anything else.
std::string FormWindow::description(HWND control) const
{
    if (const auto c = cellOf_.find(control); c != cellOf_.end()) {
        const form::ItemState& s = presenter().item(c->second.item);
        const int row = std::max(c->second.row, 0);
        return row < int(s.problems.size()) && c->second.column < int(s.problems[row].size())
                   ? s.problems[row][c->second.column]
                   : "";
    }
    const int item = GetDlgCtrlID(control);
    return item > 0 && item < int(built_.size()) && built_[item].picture == control
               ? presenter().item(item).picture.alternative
               : "";
}

// An item as the presenter has it now.
void FormWindow::redraw(int i)
{
    const form::ItemState& s = presenter().item(i);
    const form::Item& item = presenter().outline().items[i];
    Built& b = built_[i];
    if (b.words && (item.kind == form::Kind::Text || item.kind == form::Kind::Notes))
        SetWindowTextW(b.words, widen(s.words).c_str());
    if (b.button && item.text.empty())
        SetWindowTextW(b.button, widen(s.words).c_str());
    for (int o = 0; o < int(b.options.size()); ++o)
        Button_SetCheck(b.options[o], o == s.chosen ? BST_CHECKED : BST_UNCHECKED);
    if (b.list)
        ComboBox_SetCurSel(b.list, s.chosen);
    if (item.kind == form::Kind::Rows)
        addRows(i);
    if (b.problem)
        showProblems(i);
    for (std::size_t r = b.results.size(); r < s.results.size(); ++r)
        b.results.emplace_back(make(L"STATIC", "", words), make(L"STATIC", "", words));
    for (std::size_t r = 0; r < b.results.size(); ++r) {
        const bool shown = r < s.results.size();
        SetWindowTextW(b.results[r].first, widen(shown ? s.results[r].label : "").c_str());
        SetWindowTextW(b.results[r].second, widen(shown ? s.results[r].value : "").c_str());
    }
    if (b.picture)
        InvalidateRect(b.picture, nullptr, TRUE);
}

// The sentences by the field, or under the rows, after the warning icon;
// each the field's description, when a reader asks.
void FormWindow::showProblems(int i)
{
    const form::ItemState& s = presenter().item(i);
    Built& b = built_[i];
    std::string said;
    for (std::size_t r = 0; r < b.cells.size() && r < s.problems.size(); ++r)
        for (std::size_t c = 0; c < b.cells[r].size(); ++c) {
            const std::string& sentence = s.problems[r].at(c);
            if (!sentence.empty())
                said += (said.empty() ? "" : "\r\n") + sentence;
        }
    if (!s.problem.empty())
        said += (said.empty() ? "" : "\r\n") + s.problem;
    SetWindowTextW(b.problem, widen(said).c_str());
    if (!said.empty() && !reinterpret_cast<HICON>(SendMessageW(b.icon, STM_GETICON, 0, 0))) {
        const int side = GetSystemMetricsForDpi(SM_CXSMICON, dpi_);
        const HANDLE warning = LoadImageW(nullptr, IDI_WARNING, IMAGE_ICON, side, side, LR_SHARED);
        SendMessageW(b.icon, STM_SETICON, reinterpret_cast<WPARAM>(warning), 0);
    }
}

HWND FormWindow::control(const form::Cell& c) const
{
    const Built& b = built_.at(c.item);
    if (b.button)
        return b.button;
    if (b.list)
        return b.list;
    return b.cells.at(std::max(c.row, 0)).at(c.column).second;
}

HWND FormWindow::option(int item, int option) const
{
    return built_.at(item).options.at(option);
}

HWND FormWindow::box(int item) const
{
    const Built& b = built_.at(item);
    for (const HWND h : {b.group, b.words, b.list, b.button, b.picture})
        if (h)
            return h;
    return b.cells.empty() ? nullptr : b.cells[0][0].second;
}

std::string FormWindow::problemShown(const form::Cell& c) const
{
    const Built& b = built_.at(c.item);
    if (!IsWindowVisible(b.problem))
        return {};
    const std::string shown = textOf(b.problem);
    const form::ItemState& s = presenter().item(c.item);
    const std::string& mine = c.row < 0 && b.cells.size() != 1
                                  ? s.problem
                                  : s.problems.at(std::max(c.row, 0)).at(c.column);
    return !mine.empty() && shown.find(mine) != std::string::npos ? mine : "";
}

std::string FormWindow::resultsShown() const
{
    std::string all;
    for (const Built& b : built_)
        for (const auto& [l, value] : b.results)
            if (IsWindowVisible(l) && !textOf(l).empty())
                all += textOf(l) + ": " + textOf(value) + "\n";
    return all;
}

} // namespace planner::win32
