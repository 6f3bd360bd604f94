// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/form_window_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include "window/win32/controls_win32.h"
#include "window/win32/form_built_win32.h"

namespace planner::win32 {

namespace {

constexpr wchar_t className[] = L"DishPlannerForm";
constexpr UINT_PTR pauseTimer = 1;

// The clipboard's text; "" for none.
std::string clipboardText(HWND owner)
{
    std::string text;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) && OpenClipboard(owner)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* w = static_cast<const wchar_t*>(GlobalLock(data)))
                text = narrow(w);
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

// Text on the clipboard, its lines ended as Windows ends them.
void setClipboard(HWND owner, const std::string& text)
{
    std::wstring w;
    for (const wchar_t c : widen(text))
        w += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t));
    if (!data)
        return;
    std::copy(w.c_str(), w.c_str() + w.size() + 1, static_cast<wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        if (SetClipboardData(CF_UNICODETEXT, data))
            data = nullptr; // the clipboard's now
        CloseClipboard();
    }
    if (data)
        GlobalFree(data);
}

// Whether a message to an edit control pastes: its menu's Paste and Ctrl+V
// (WM_PASTE, which Ctrl+V sends), Shift+Insert.
bool pastes(UINT msg, WPARAM wp)
{
    return msg == WM_PASTE || (msg == WM_CHAR && wp == 0x16) ||
           (msg == WM_KEYDOWN && wp == VK_INSERT && GetKeyState(VK_SHIFT) < 0);
}

} // namespace

FormWindow::FormWindow(Session& session, int f, std::function<void(const FormChanges&)> host,
                       Announce announce)
    : session_(session), form_(f), host_(std::move(host)), announce_(std::move(announce))
{
}

FormWindow::~FormWindow()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    for (HFONT font : {font_, bold_})
        if (font)
            DeleteObject(font);
}

bool FormWindow::show(HWND planner)
{
    if (!hwnd_) {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = windowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className;
        RegisterClassExW(&wc); // fails harmlessly once registered
        registerPicture(instance);
        dpi_ = GetDpiForWindow(planner);
        CreateWindowExW(0, className, widen(presenter().outline().title).c_str(), frameStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, planner, nullptr, instance, this);
        if (!hwnd_)
            return false;
        build();
        fitFrame();
        ShowWindow(hwnd_, SW_SHOW);
        SetFocus(GetNextDlgTabItem(hwnd_, nullptr, FALSE)); // the form's first control
    }
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    return true;
}

LRESULT CALLBACK FormWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    if (msg == WM_NCDESTROY && self)
        self->hwnd_ = nullptr;
    return self && self->hwnd_ == hwnd ? self->handle(msg, wp, lp)
                                       : DefWindowProcW(hwnd, msg, wp, lp);
}

HWND FormWindow::make(const wchar_t* cls, std::string_view text, DWORD style)
{
    HWND h = CreateWindowExW(cls == std::wstring_view(L"EDIT") ? WS_EX_CLIENTEDGE : 0, cls,
                             widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd_,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return h;
}

void FormWindow::build()
{
    setFonts(dpi_);
    readers_ = std::make_unique<ScreenReaders>(
        session_, [this](HWND h) { return description(h); },
        [this](HWND h) { return cellOf_.count(h) || !GetDlgCtrlID(h) ? 0L : ROLE_SYSTEM_GRAPHIC; });
    built_.resize(presenter().outline().items.size());
    for (int i = 0; i < int(built_.size()); ++i)
        buildItem(i);
    for (int i = 0; i < int(built_.size()); ++i)
        redraw(i);
    layout();
}

// A field's label just before it, so that readers name the field by it; a
// row's field takes pasted pairs.
HWND FormWindow::field(const form::Cell& c, HWND after)
{
    const std::string& text = presenter().item(c.item).texts.at(std::max(c.row, 0)).at(c.column);
    // A lone field's label may wrap; a row's stays on its line, by its field.
    const HWND label =
        make(L"STATIC", presenter().label(c), SS_NOPREFIX | (c.row < 0 ? 0 : SS_CENTERIMAGE));
    const HWND edit = make(L"EDIT", text, WS_TABSTOP | ES_AUTOHSCROLL);
    for (const HWND h : {label, edit}) // in the Tab order after `after`
        if (after)
            SetWindowPos(h, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE), after = h;
    if (c.row >= 0)
        SetWindowSubclass(edit, fieldProc, 0, reinterpret_cast<DWORD_PTR>(this));
    readers_->serve(edit);
    auto& cells = built_[c.item].cells;
    if (int(cells.size()) <= std::max(c.row, 0))
        cells.resize(std::max(c.row, 0) + 1);
    cells[std::max(c.row, 0)].emplace_back(label, edit);
    cellOf_[edit] = c;
    return edit;
}

// Rows to the count the form has, each after the one before it.
void FormWindow::addRows(int item)
{
    Built& b = built_[item];
    const int columns = int(presenter().outline().items[item].options.size());
    for (int r = int(b.cells.size()); r < presenter().rows(item); ++r) {
        HWND after = r > 0 ? b.cells[r - 1].back().second : nullptr;
        for (int c = 0; c < columns; ++c)
            after = field({item, r, c}, after);
    }
}

LRESULT CALLBACK FormWindow::fieldProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR data)
{
    auto* self = reinterpret_cast<FormWindow*>(data);
    if (pastes(msg, wp)) {
        const auto changes =
            self->session_.pasted(self->form_, self->cellOf_.at(h), clipboardText(h));
        if (changes) {
            self->act(*changes);
            return 0;
        }
    }
    return DefSubclassProc(h, msg, wp, lp);
}

LRESULT FormWindow::handle(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        onCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
        return 0;
    case WM_VSCROLL:
        scrolled(LOWORD(wp));
        return 0;
    case WM_MOUSEWHEEL:
        scrollTo(scroll_ - GET_WHEEL_DELTA_WPARAM(wp) * 3 * lineHeight() / WHEEL_DELTA);
        return 0;
    case WM_SIZE:
        layout();
        return 0;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return 0;
    case WM_TIMER:
        KillTimer(hwnd_, pauseTimer);
        if (announce_)
            announce_(hwnd_, widen(presenter().said()));
        return 0;
    case WM_CLOSE: // kept, as typed, for the next time
        ShowWindow(hwnd_, SW_HIDE);
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void FormWindow::onCommand(HWND from, int code)
{
    if (code == EN_SETFOCUS || code == BN_SETFOCUS)
        return scrollIntoView(from);
    const auto at = cellOf_.find(from);
    if (applying_ || at == cellOf_.end())
        return;
    const form::Cell c = at->second;
    const form::Item& item = presenter().outline().items[c.item];
    if (code == EN_CHANGE)
        act(session_.typed(form_, c, textOf(from)));
    else if (code == CBN_SELCHANGE)
        act(session_.chose(form_, c.item, ComboBox_GetCurSel(from)));
    else if (code == BN_CLICKED && item.kind == form::Kind::Choice)
        act(session_.chose(form_, c.item, c.column));
    else if (code == BN_CLICKED)
        act(session_.pressed(form_, c.item,
                             item.action == form::Action::PasteRows ? clipboardText(hwnd_) : ""));
}

void FormWindow::apply(const form::Update& u)
{
    if (!hwnd_)
        return;
    applying_ = true;
    for (const form::Cell& c : u.rewritten) {
        addRows(c.item);
        SetWindowTextW(
            built_[c.item].cells.at(std::max(c.row, 0)).at(c.column).second,
            widen(presenter().item(c.item).texts.at(std::max(c.row, 0)).at(c.column)).c_str());
    }
    for (const int i : u.changed)
        redraw(i);
    applying_ = false;
    if (!u.changed.empty() || !u.rewritten.empty())
        layout();
    if (u.focus)
        SetFocus(control(*u.focus));
    if (!u.clipboard.empty())
        setClipboard(hwnd_, u.clipboard);
    if (!u.tell.empty() && announce_)
        announce_(hwnd_, widen(u.tell));
    if (u.pause)
        SetTimer(hwnd_, pauseTimer, form::pauseMs, nullptr);
}

} // namespace planner::win32
