// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window procedure and the message loop. A scroll bar's value changes
// on an arrow, a page click or key, and on releasing a dragged thumb; never
// while the thumb is dragged, and never beyond its range. The loop runs
// every message through IsDialogMessage, so Tab moves the focus through the
// tab stops in their z-order and Alt+X presses "E&xit"; Enter and Escape on
// a scroll bar reach the window as IDOK and IDCANCEL, which press nothing.
// On the focused Exit button Enter presses it, as Windows does for any
// focused button (Qt presses a plain button with Space only).
#include "window/win32/planner_window_win32.h"

#include <algorithm>

#include <commctrl.h>
#include <windowsx.h>

#include <optional>
#include <vector>

#include "window/scrolling.h"
#include "window/win32/controls_win32.h"
#include "window/win32/form_window_win32.h"

namespace planner::win32 {

namespace {

constexpr wchar_t className[] = L"DishPlannerWindow";
constexpr int firstId = 100; // control ids: firstId + row, clear of IDOK and IDCANCEL

// The window class, once per process: the face colour behind the controls,
// the program file's icon at the system's two icon sizes.
bool registerClass(HINSTANCE instance, WNDPROC proc, int iconId)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, className, &wc))
        return true;
    const auto icon = [instance, iconId](int metricX, int metricY) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                             GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                             LR_DEFAULTCOLOR));
    };
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    wc.hIcon = icon(SM_CXICON, SM_CYICON);
    wc.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
    return RegisterClassExW(&wc) != 0;
}

// The move a scroll code makes; none while the thumb is dragged
// (SB_THUMBTRACK) and at the end of a move (SB_ENDSCROLL).
std::optional<ScrollMove> moveOf(int code)
{
    switch (code) {
    case SB_LINEUP:
        return ScrollMove::LineUp;
    case SB_LINEDOWN:
        return ScrollMove::LineDown;
    case SB_PAGEUP:
        return ScrollMove::PageUp;
    case SB_PAGEDOWN:
        return ScrollMove::PageDown;
    case SB_TOP:
        return ScrollMove::Top;
    case SB_BOTTOM:
        return ScrollMove::Bottom;
    case SB_THUMBPOSITION:
        return ScrollMove::Thumb;
    default:
        return std::nullopt;
    }
}

} // namespace

PlannerWindow::PlannerWindow(Announce announce, AskPrinter ask)
    : announce_(std::move(announce)), ask_(std::move(ask)), forms_(session_.forms().count())
{
}

PlannerWindow::~PlannerWindow()
{
    quitOnClose_ = false;
    if (hwnd_)
        DestroyWindow(hwnd_);
    if (menu_)
        DestroyMenu(menu_);
    if (shortcuts_)
        DestroyAcceleratorTable(shortcuts_);
    for (HICON icon : icons_)
        if (icon)
            DestroyIcon(icon);
}

bool PlannerWindow::create(HINSTANCE instance, int show)
{
    if (hwnd_)
        return false;
    if (!registerClass(instance, windowProc, iconId))
        return false;
    const INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CreateWindowExW(0, className, widen(windowTitle).c_str(), frameStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_)
        return false;
    dpi_ = GetDpiForWindow(hwnd_);
    RECT at{};
    GetWindowRect(hwnd_, &at);
    resizeFrame(at.left, at.top);
    if (!build()) {
        quitOnClose_ = false;
        DestroyWindow(hwnd_);
        quitOnClose_ = true;
        return false;
    }
    addCommands();
    apply(session_.load());
    // The underlined x shows from the start, not only once Alt is pressed.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
    setIcons();
    focus_ = controls_[row(tabOrder.front())];
    ShowWindow(hwnd_, show);
    UpdateWindow(hwnd_);
    SetFocus(focus_);
    return true;
}

bool PlannerWindow::build()
{
    fonts_ = std::make_unique<Fonts>(dpi_);
    HWND tooltips = createTooltips(hwnd_);
    const DesignTable& table = designTable();
    for (int r = 0; r < controlCount; ++r) {
        const ControlDesign& d = table[r];
        controls_[r] = createControl(d, hwnd_, firstId + r, dpi_, *fonts_);
        if (!controls_[r])
            return false;
        if (tooltips && !d.tooltip.empty())
            addTooltip(tooltips, hwnd_, controls_[r], d.tooltip);
        readers_.serve(controls_[r]); // a screen reader's extra; none is no error
    }
    readers_.serve(hwnd_);
    // Tab goes through the tab stops in their z-order: each after the one before.
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        SetWindowPos(controls_[row(tabOrder[i])], controls_[row(tabOrder[i - 1])], 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

LRESULT CALLBACK PlannerWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<PlannerWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        self = static_cast<PlannerWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    if (!self || self->hwnd_ != hwnd)
        return DefWindowProcW(hwnd, msg, wp, lp);
    return self->handle(msg, wp, lp);
}

// The design row of one of this window's controls, -1 for anything else.
int PlannerWindow::rowOf(LPARAM control) const
{
    if (!control)
        return -1;
    const auto h = reinterpret_cast<HWND>(control);
    const int r = GetDlgCtrlID(h) - firstId;
    return r >= 0 && r < controlCount && controls_[r] == h ? r : -1;
}

LRESULT PlannerWindow::handle(UINT msg, WPARAM wp, LPARAM lp)
{
    HWND self = hwnd_;
    switch (msg) {
    case WM_VSCROLL:
        if (rowOf(lp) >= 0)
            onScroll(reinterpret_cast<HWND>(lp), LOWORD(wp), HIWORD(wp));
        return 0;
    case WM_COMMAND:
        if (rowOf(lp) == row(Ctl::cmdExit) && HIWORD(wp) == BN_CLICKED)
            apply(session_.exitPressed());
        else if (!lp) // a menu's item or a shortcut
            run(LOWORD(wp));
        return 0;
    case WM_SYSCOMMAND:
        if (run(UINT(wp & 0xFFF0)))
            return 0;
        break;
    case WM_CONTEXTMENU: // on the window or a figure, by the mouse or the keys
        showMenu({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case followMessage:
        following_ = false;
        applyForms(session_.followWindow());
        return 0;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH back = backColour(reinterpret_cast<HDC>(wp), rowOf(lp)))
            return reinterpret_cast<LRESULT>(back);
        break;
    case WM_ACTIVATE:
        onActivate(LOWORD(wp) != WA_INACTIVE);
        return 0;
    case WM_GETMINMAXINFO:
        if (frame_.cx > 0) { // a fixed size, which may be larger than the screen
            auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
            mm->ptMinTrackSize = mm->ptMaxTrackSize = {frame_.cx, frame_.cy};
            return 0;
        }
        break;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(self, GWLP_USERDATA, 0);
        hwnd_ = focus_ = nullptr;
        controls_.fill(nullptr);
        break;
    }
    return DefWindowProcW(self, msg, wp, lp);
}

// A label's own back colour (the profile's cyan bars): the brush for its
// background and the colour behind its text; none for the face colour.
HBRUSH PlannerWindow::backColour(HDC dc, int r) const
{
    if (r < 0 || !designTable()[r].backColor)
        return nullptr;
    const std::uint32_t rgb = *designTable()[r].backColor;
    const COLORREF c = RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
    SetBkColor(dc, c);
    SetDCBrushColor(dc, c);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

// The focus comes back to the control that had it when the window was left.
void PlannerWindow::onActivate(bool active)
{
    if (!active) {
        if (HWND f = GetFocus(); f && IsChild(hwnd_, f))
            focus_ = f;
    } else if (focus_) {
        SetFocus(focus_);
    }
}

void PlannerWindow::onScroll(HWND bar, int code, int thumb)
{
    const int r = GetDlgCtrlID(bar) - firstId;
    const std::optional<ScrollMove> move = moveOf(code);
    if (designTable()[r].kind != Kind::ScrollBar || !move)
        return;
    const int now = GetScrollPos(bar, SB_CTL);
    const std::int16_t next = scrolled(designTable()[r].scroll, now, *move, thumb);
    if (next == now)
        return;
    SetScrollPos(bar, SB_CTL, next, TRUE);
    apply(session_.moved(Ctl(r), next));
}

void PlannerWindow::onDestroy()
{
    session_.closed();
    readers_.detach();
    if (quitOnClose_)
        PostQuitMessage(0);
}

// New captions, and the labels moved to their new heights all at once. A
// failed handler has still changed what its earlier steps wrote: that is
// shown, the error line goes to the debugger's output (a windowed program
// has no standard error), and the user hears a beep.
void PlannerWindow::apply(const Update& u)
{
    HDWP moves = BeginDeferWindowPos(static_cast<int>(u.rows.size()));
    for (const int r : u.rows) {
        const RECT p = rectOf(r);
        if (moves)
            moves = DeferWindowPos(moves, controls_[r], nullptr, p.left, p.top, p.right - p.left,
                                   p.bottom - p.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowTextW(controls_[r], widen(session_.caption(r)).c_str());
    }
    if (moves)
        EndDeferWindowPos(moves);
    if (!u.error.empty()) {
        OutputDebugStringW(widen(u.error + "\n").c_str());
        MessageBeep(MB_OK);
    }
    if (!u.announcement.empty() && announce_ && hwnd_)
        announce_(hwnd_, widen(u.announcement));
    if (u.formsBehind && !following_ && hwnd_) // once the window is shown, the forms follow it
        following_ = PostMessageW(hwnd_, followMessage, 0, 0);
    if (u.close && hwnd_)
        DestroyWindow(hwnd_);
}

void PlannerWindow::dispatch(MSG& m)
{
    const auto inForm = [&m](const std::unique_ptr<FormWindow>& f) {
        return f && f->hwnd() && IsDialogMessageW(f->hwnd(), &m);
    };
    if (hwnd_ && (menuKey(m) || TranslateAcceleratorW(hwnd_, shortcuts_, &m) ||
                  std::any_of(forms_.begin(), forms_.end(), inForm) || IsDialogMessageW(hwnd_, &m)))
        return;
    TranslateMessage(&m);
    DispatchMessageW(&m);
}

bool PlannerWindow::handleWaiting()
{
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT)
            return false;
        dispatch(m);
    }
    return true;
}

int PlannerWindow::run()
{
    MSG m;
    BOOL got;
    while ((got = GetMessageW(&m, nullptr, 0, 0)) > 0)
        dispatch(m);
    return got < 0 ? 1 : static_cast<int>(m.wParam);
}

} // namespace planner::win32
