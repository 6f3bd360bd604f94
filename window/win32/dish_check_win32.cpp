// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <initguid.h> // PROPID_ACC_DESCRIPTION, defined here

#include "window/win32/dish_check_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "builder/check_form.h"
#include "window/metrics.h"
#include "window/win32/controls_win32.h"

namespace planner::win32 {

namespace {

constexpr wchar_t className[] = L"DishPlannerCheck";
constexpr int maxResults = 12; // more than a check gives
constexpr UINT_PTR pauseTimer = 1;

void setText(HWND h, std::string_view s)
{
    SetWindowTextW(h, widen(s).c_str());
}

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

// Whether a message to an edit control pastes: WM_PASTE, Ctrl+V, Shift+Insert.
bool pastes(UINT msg, WPARAM wp)
{
    return msg == WM_PASTE || (msg == WM_CHAR && wp == 0x16) ||
           (msg == WM_KEYDOWN && wp == VK_INSERT && GetKeyState(VK_SHIFT) < 0);
}

} // namespace

DishCheckWindow::DishCheckWindow(const Session& session,
                                 std::function<void(const BarSetting&)> setPlanner,
                                 Announce announce)
    : session_(session), setPlanner_(std::move(setPlanner)), announce_(std::move(announce))
{
}

DishCheckWindow::~DishCheckWindow()
{
    if (props_)
        props_->Release();
    if (hwnd_)
        DestroyWindow(hwnd_);
    for (HFONT f : {font_, bold_})
        if (f)
            DeleteObject(f);
}

bool DishCheckWindow::show(HWND planner)
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
        dpi_ = GetDpiForWindow(planner);
        RECT frame{0, 0, toPixels((width + 2 * margin) * 15, int(dpi_)),
                   toPixels(560 * 15, int(dpi_))};
        AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW | WS_VSCROLL, FALSE, 0, dpi_);
        CreateWindowExW(0, className, widen(checkTitle).c_str(), WS_OVERLAPPEDWINDOW | WS_VSCROLL,
                        CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, planner, nullptr, instance, this);
        if (!hwnd_)
            return false;
        build();
    }
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    return true;
}

LRESULT CALLBACK DishCheckWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<DishCheckWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        self = static_cast<DishCheckWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    if (msg == WM_NCDESTROY && self)
        self->hwnd_ = nullptr;
    return self && self->hwnd_ == hwnd ? self->handle(msg, wp, lp)
                                       : DefWindowProcW(hwnd, msg, wp, lp);
}

HWND DishCheckWindow::make(const wchar_t* cls, std::string_view text, DWORD style)
{
    HWND h = CreateWindowExW(cls == std::wstring_view(L"EDIT") ? WS_EX_CLIENTEDGE : 0, cls,
                             widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd_,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return h;
}

void DishCheckWindow::build()
{
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0, dpi_);
    font_ = CreateFontIndirectW(&m.lfMessageFont);
    m.lfMessageFont.lfWeight = FW_BOLD;
    bold_ = CreateFontIndirectW(&m.lfMessageFont);
    // A one-line label centred on its field's height; a text that wraps.
    const DWORD label = SS_NOPREFIX | SS_CENTERIMAGE, text = SS_NOPREFIX,
                field = WS_TABSTOP | ES_AUTOHSCROLL,
                button = WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;
    shapeBox_ = make(L"BUTTON", shapeLabel, BS_GROUPBOX);
    round_ = make(L"BUTTON", shapeNames[0], WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
    offset_ = make(L"BUTTON", shapeNames[1], BS_AUTORADIOBUTTON);
    Button_SetCheck(round_, BST_CHECKED);
    unitLabel_ = make(L"STATIC", unitLabel, label | WS_GROUP);
    unit_ = make(L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
    for (std::string_view u : unitNames)
        ComboBox_AddString(unit_, widen(u).c_str());
    ComboBox_SetCurSel(unit_, 0);
    howTo_ = make(L"STATIC", howToMeasure[0], text);
    diameterLabel_ = make(L"STATIC", fieldLabel(Field::Diameter), label);
    diameter_ = make(L"EDIT", "", field);
    for (int i = 0; i < firstRows; ++i)
        addRow();
    add_ = make(L"BUTTON", addRowCaption, button);
    paste_ = make(L"BUTTON", pasteRowsCaption, button);
    const Field offsetFields[] = {Field::Width, Field::Height, Field::OffsetDepth};
    for (int i = 0; i < 3; ++i)
        offsetFields_[i] = {make(L"STATIC", fieldLabel(offsetFields[i]), label),
                            make(L"EDIT", "", field)};
    problems_ = make(L"STATIC", "", text);
    heading_ = make(L"STATIC", resultsHeading, label);
    SendMessageW(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(bold_), FALSE);
    for (int i = 0; i < maxResults; ++i)
        results_.emplace_back(make(L"STATIC", "", label), make(L"STATIC", "", label));
    notes_ = make(L"STATIC", "", text);
    set_ = make(L"BUTTON", "", button);
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&props_));
    update(false);
}

// A row: its labels before its fields, and the fields' Ctrl+V and pastes
// of several lines filling the rows from it.
void DishCheckWindow::addRow()
{
    if (int(rows_.size()) >= mostRows)
        return;
    const int r = int(rows_.size());
    const DWORD field = WS_TABSTOP | ES_AUTOHSCROLL;
    std::array<HWND, 4> row{
        make(L"STATIC", fieldLabel(Field::Position, r), SS_NOPREFIX), make(L"EDIT", "", field),
        make(L"STATIC", fieldLabel(Field::Depth, r), SS_NOPREFIX), make(L"EDIT", "", field)};
    if (add_) // new rows go before the buttons, in the Tab order too
        for (HWND h : row)
            SetWindowPos(h, GetWindow(add_, GW_HWNDPREV), 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const int f : {1, 3})
        SetWindowSubclass(row[f], rowProc, UINT_PTR(r), reinterpret_cast<DWORD_PTR>(this));
    rows_.push_back(row);
}

LRESULT CALLBACK DishCheckWindow::rowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR row,
                                          DWORD_PTR self)
{
    if (pastes(msg, wp) && clipboardText(h).find('\n') != std::string::npos) {
        reinterpret_cast<DishCheckWindow*>(self)->pasteAt(int(row));
        return 0;
    }
    return DefSubclassProc(h, msg, wp, lp);
}

// Pairs pasted from the clipboard fill the rows from this one, adding rows
// as they need.
void DishCheckWindow::pasteAt(int row)
{
    const auto pasted = pastedRows(clipboardText(hwnd_));
    for (std::size_t i = 0; i < pasted.size() && row + int(i) < mostRows; ++i) {
        while (int(rows_.size()) <= row + int(i))
            addRow();
        setText(rows_[row + i][1], pasted[i][0]);
        setText(rows_[row + i][3], pasted[i][1]);
    }
    update(true);
}

LRESULT DishCheckWindow::handle(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        onCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
        return 0;
    case WM_VSCROLL: {
        SCROLLINFO si{};
        si.cbSize = sizeof si, si.fMask = SIF_ALL;
        GetScrollInfo(hwnd_, SB_VERT, &si);
        const int step = MulDiv(line, int(dpi_), 96), page = int(si.nPage);
        const int moves[] = {-step, step, -page, page};
        const int code = LOWORD(wp);
        scrollTo(code <= SB_PAGEDOWN                                 ? scroll_ + moves[code]
                 : code == SB_THUMBTRACK || code == SB_THUMBPOSITION ? si.nTrackPos
                 : code == SB_TOP                                    ? 0
                 : code == SB_BOTTOM                                 ? contentHeight_
                                                                     : scroll_);
        return 0;
    }
    case WM_MOUSEWHEEL:
        scrollTo(scroll_ -
                 GET_WHEEL_DELTA_WPARAM(wp) * 3 * MulDiv(line, int(dpi_), 96) / WHEEL_DELTA);
        return 0;
    case WM_SIZE:
        layout();
        return 0;
    case WM_TIMER:
        KillTimer(hwnd_, pauseTimer);
        if (announce_)
            announce_(hwnd_, widen(checkAnnouncement(check_)));
        return 0;
    case WM_CLOSE: // kept, as typed, for the next time
        ShowWindow(hwnd_, SW_HIDE);
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void DishCheckWindow::onCommand(HWND from, int code)
{
    if (code == EN_SETFOCUS || code == BN_SETFOCUS) { // a control the keys reach is in view
        RECT r{};
        GetWindowRect(from, &r);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        RECT client{};
        GetClientRect(hwnd_, &client);
        if (r.top < 0 || r.bottom > client.bottom)
            scrollTo(scroll_ + r.top - client.bottom / 3);
    } else if ((from == round_ || from == offset_) && code == BN_CLICKED) {
        setText(howTo_, howToMeasure[from == round_ ? 0 : 1]);
        update(true);
    } else if (from == add_ && code == BN_CLICKED) {
        addRow();
        layout();
        SetFocus(rows_.back()[1]);
    } else if (from == paste_ && code == BN_CLICKED) {
        pasteAt(0);
    } else if (from == set_ && code == BN_CLICKED && check_.setting) {
        setPlanner_(*check_.setting);
    } else if (code == EN_CHANGE || (from == unit_ && code == CBN_SELCHANGE)) {
        update(true);
    }
}

DishInput DishCheckWindow::input() const
{
    DishInput in{Button_GetCheck(round_) == BST_CHECKED ? DishShape::Round : DishShape::Offset,
                 Unit(std::max(0, ComboBox_GetCurSel(unit_))),
                 textOf(diameter_),
                 {},
                 textOf(offsetFields_[0].second),
                 textOf(offsetFields_[1].second),
                 textOf(offsetFields_[2].second)};
    for (const auto& row : rows_)
        in.rows.push_back({textOf(row[1]), textOf(row[3])});
    return in;
}

void DishCheckWindow::refresh()
{
    if (hwnd_)
        update(false);
}

// The check again: the problems, the results, the notes, the setting's
// button; readers told once typing pauses.
// Each field with a problem described by its sentence for readers, the
// others by nothing; a problem of the rows as a whole by the first row's.
void DishCheckWindow::describeFields()
{
    if (!props_)
        return;
    std::vector<HWND> fields{diameter_};
    for (const auto& [label, field] : offsetFields_)
        fields.push_back(field);
    for (const auto& row : rows_)
        fields.push_back(row[1]), fields.push_back(row[3]);
    for (HWND f : fields)
        props_->ClearHwndProps(f, DWORD(OBJID_CLIENT), CHILDID_SELF, &PROPID_ACC_DESCRIPTION, 1);
    for (const Problem& p : check_.problems)
        if (HWND f = p.field == Field::Rows ? rows_.front()[1] : field(p.field, p.row))
            props_->SetHwndPropStr(f, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                   widen(p.sentence).c_str());
}

void DishCheckWindow::update(bool announce)
{
    check_ = session_.checkDish(input());
    std::string said;
    for (const Problem& p : check_.problems)
        said += (said.empty() ? "" : "\r\n") + p.sentence;
    setText(problems_, said);
    describeFields();
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const bool shown = i < check_.results.size();
        setText(results_[i].first, shown ? check_.results[i].label : "");
        setText(results_[i].second, shown ? check_.results[i].value : "");
    }
    std::string notes;
    for (const std::string& n : check_.notes)
        notes += (notes.empty() ? "" : " ") + n;
    setText(notes_, notes);
    if (check_.setting)
        setText(set_, setPlannerCaption(*check_.setting));
    layout();
    if (announce)
        SetTimer(hwnd_, pauseTimer, announcePauseMs, nullptr);
}

HWND DishCheckWindow::field(Field f, int row) const
{
    switch (f) {
    case Field::Diameter:
        return diameter_;
    case Field::Position:
    case Field::Depth:
        return row >= 0 && row < int(rows_.size()) ? rows_[row][f == Field::Position ? 1 : 3]
                                                   : nullptr;
    case Field::Width:
    case Field::Height:
    case Field::OffsetDepth:
        return offsetFields_[int(f) - int(Field::Width)].second;
    case Field::Rows:
        break;
    }
    return nullptr;
}

std::string DishCheckWindow::result(std::string_view label) const
{
    for (const auto& [l, value] : results_)
        if (IsWindowVisible(l) && textOf(l) == label)
            return textOf(value);
    return {};
}

std::string DishCheckWindow::problems() const
{
    return textOf(problems_);
}

} // namespace planner::win32
