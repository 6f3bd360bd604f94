// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The builder's tools in the Windows program, under Wine: the template
// printed through Wine's PostScript driver to files, for the read-back
// (tests/print), by Ctrl+P, the context menu and the system menu; and the
// form scenarios (tests/form_scenarios.h).
#include <doctest/doctest.h>
#include <windows.h>

#include <winspool.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "win32/driving.h"
#include "form_scenarios.h"
#include "window/win32/controls_win32.h"
#include "window/win32/form_window_win32.h"

namespace {

using std::string, std::to_string;
using worked::text, worked::Window, worked::moveTo, worked::Reader;

// A printer of Wine's own PostScript driver that prints to a file, as on a
// machine without a printer: its generic PPD (from winspool.drv), the
// driver, and the printer on port FILE: with the winprint processor (the
// driver's own takes no raw data). Its name.
std::wstring filePrinter()
{
    const HMODULE spool = LoadLibraryExW(L"winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found = FindResourceW(spool, MAKEINTRESOURCEW(1), L"PPDFILE");
    REQUIRE(found);
    const char* ppd = static_cast<const char*>(LockResource(LoadResource(spool, found)));
    const std::string text(ppd, strnlen(ppd, SizeofResource(spool, found)));
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::wstring file = std::wstring(folder) + L"planner.ppd", name = L"Planner file printer";
    const HANDLE out =
        CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    REQUIRE(WriteFile(out, text.data(), DWORD(text.size()), &written, nullptr));
    CloseHandle(out);
    wchar_t driver[] = L"wineps.drv", raw[] = L"RAW", port[] = L"FILE:", processor[] = L"winprint";
    DRIVER_INFO_3W d{};
    d.cVersion = 3, d.pName = name.data(), d.pDriverPath = d.pConfigFile = driver;
    d.pDataFile = file.data(), d.pDefaultDataType = raw;
    AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&d),
                        APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY);
    wchar_t none[] = L"";
    PRINTER_INFO_2W p{};
    p.pPrinterName = p.pDriverName = name.data(), p.pPortName = port, p.pPrintProcessor = processor;
    p.pDatatype = raw, p.pParameters = p.pShareName = p.pSepFile = p.pComment = p.pLocation = none;
    if (const HANDLE h = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&p)))
        ClosePrinter(h);
    return name;
}

// The file printer as a user sets it in the dialog: this paper at 600
// dots per inch, printing to file.
planner::win32::PrinterChoice choose(std::wstring printer, short paper, const std::wstring& file)
{
    HANDLE h = nullptr;
    REQUIRE(OpenPrinterW(printer.data(), &h, nullptr));
    std::vector<BYTE> mode(DocumentPropertiesW(nullptr, h, printer.data(), nullptr, nullptr, 0));
    auto* dm = reinterpret_cast<DEVMODEW*>(mode.data());
    DocumentPropertiesW(nullptr, h, printer.data(), dm, nullptr, DM_OUT_BUFFER);
    ClosePrinter(h);
    dm->dmFields |= DM_PAPERSIZE | DM_PRINTQUALITY | DM_YRESOLUTION;
    dm->dmPaperSize = paper, dm->dmPrintQuality = dm->dmYResolution = 600;
    return {CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, dm), file};
}

// The template of each worked dish printed through the file printer as a
// user asks for it, in turn by Ctrl+P, the context menu (the Menu key,
// Down, Enter) and the system menu (Alt+Space, Up past the other commands
// to it, Enter), on A4 and Letter; listed with its template in
// prints.json in $PLANNER_PRINTS for the read-back (tests/print).
// Cancelled, nothing is printed.
TEST_CASE("printing the template, by Ctrl+P, the context menu and the system menu")
{
    const std::wstring printer = filePrinter();
    const std::string folder = getenv("PLANNER_PRINTS") ? getenv("PLANNER_PRINTS") : "";
    REQUIRE(!folder.empty());
    const auto windows = [](std::string path) { // Z: is Linux's root
        std::replace(path.begin(), path.end(), '/', '\\');
        return L"Z:" + std::wstring(path.begin(), path.end());
    };
    nlohmann::json prints = nlohmann::json::array();
    int way = 0;
    for (const worked::Template& t : worked::templates) {
        for (const auto& [paper, size] :
             {std::pair{"A4", DMPAPER_A4}, {"Letter", DMPAPER_LETTER}}) {
            const string file = folder + "/win32-" + to_string(t.diam) + "in-" + paper + ".ps";
            DeleteFileW(windows(file).c_str());
            Window win({}, [&](HWND) { return choose(printer, short(size), windows(file)); });
            for (const auto& [bar, value] :
                 {std::pair{"vsbFreq", t.freq}, {"vsbDiam", t.diam}, {"vsbDepth", t.depth}})
                moveTo(win, bar, value, 1);
            const HWND focus = GetFocus();
            if (way % 3 == 0) {
                win.ctrl('P');
            } else { // the Menu key, or Alt+Space's command; once the menu is open, to the item
                static int step, steps;
                // The template's is the context menu's first item, and the
                // first of the commands at the system menu's end.
                step = way % 3 == 1 ? VK_DOWN : VK_UP;
                steps = way % 3 == 1 ? 1 : int(planner::commands.size());
                // Timers run in the menu's own loop: the keys after 200 ms,
                // and a menu still open after 5 s is closed, so that a fault
                // fails the check below instead of hanging.
                const auto keys = [](HWND, UINT, UINT_PTR t, DWORD) {
                    KillTimer(nullptr, t);
                    for (int i = 0; i < steps; ++i)
                        keybd_event(BYTE(step), 0, 0, 0),
                            keybd_event(BYTE(step), 0, KEYEVENTF_KEYUP, 0);
                    keybd_event(VK_RETURN, 0, 0, 0), keybd_event(VK_RETURN, 0, KEYEVENTF_KEYUP, 0);
                };
                const UINT_PTR typing = SetTimer(nullptr, 0, 200, keys);
                const UINT_PTR closing =
                    SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
                if (way % 3 == 1)
                    win.key(focus, VK_APPS);
                else
                    PostMessageW(win.w.hwnd(), WM_SYSCOMMAND, SC_KEYMENU, ' '),
                        win.w.handleWaiting();
                KillTimer(nullptr, typing), KillTimer(nullptr, closing);
            }
            CHECK_MESSAGE(GetFileAttributesW(windows(file).c_str()) != INVALID_FILE_ATTRIBUTES,
                          file, " printed, way ", way % 3);
            prints.push_back(
                {{"file", file},
                 {"template", {{"sheets", t.sheets}, {"diam", t.diam}, {"figures", t.figures}}}});
            ++way;
        }
    }
    std::ofstream(folder + "/prints.json") << prints.dump(1);
    bool asked = false;
    Window win({}, [&](HWND) { return asked = true, planner::win32::PrinterChoice{}; });
    SetFocus(win.at("vsbFreq"));
    win.ctrl('P');
    CHECK_MESSAGE(asked, "Ctrl+P asks for a printer; cancelled, nothing is printed");
}

// Text on the clipboard, as a copy from a spreadsheet leaves it.
void copy(std::string_view text)
{
    std::wstring w;
    for (const char c : text)
        w += c == '\n' ? std::wstring(L"\r\n") : std::wstring(1, wchar_t(c));
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(data), w.c_str(), (w.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    REQUIRE(OpenClipboard(nullptr));
    EmptyClipboard(), SetClipboardData(CF_UNICODETEXT, data), CloseClipboard();
}

// The clipboard's text, its lines ended by LF alone.
string pasteable()
{
    string text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            for (const wchar_t* w = static_cast<const wchar_t*>(GlobalLock(data)); *w; ++w)
                if (*w != L'\r')
                    text += char(*w);
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

// The form scenarios (tests/form_scenarios.h) as a user works them: the
// form opened by its shortcut; fields typed key by key over what they
// held; rows pasted by Ctrl+V and by the field's own context menu's Paste;
// buttons clicked, options chosen, Tab. A problem shown must be the
// field's description for readers too; the picture's points must be drawn
// where the core placed them; readers must be told once typing pauses.
class Win32Driver : public worked::FormDriver {
public:
    Win32Driver(int f)
        : win_([this](HWND, const std::wstring& s) { said_ = planner::win32::narrow(s); }), f_(f)
    {
        moveTo(win_, "vsbFreq", 2400, 1);
        open();
    }
    // The form's window by its shortcut, from the planner's.
    void open()
    {
        const auto command = std::find_if(planner::commands.begin(), planner::commands.end(),
                                          [this](const auto& c) { return c.form == f_; });
        SetFocus(win_.at("vsbFreq"));
        win_.ctrl(command->key);
        form_ = win_.w.formWindow(f_);
        REQUIRE((form_ && IsWindowVisible(form_->hwnd())));
    }
    const planner::form::Outline& outline() const { return presenter().outline(); }
    planner::win32::FormWindow& form() { return *form_; }
    Window& window() { return win_; }

    void act(const worked::Step& step, const planner::form::Cell& at) override;
    string look(std::string_view key, const planner::form::Cell& at) override;

private:
    const planner::form::Presenter& presenter() const { return win_.w.session().forms()[f_]; }
    void type(HWND h, std::string_view text)
    {
        SetFocus(h);
        SendMessageW(h, EM_SETSEL, 0, -1);
        if (text.empty())
            PostMessageW(h, WM_KEYDOWN, VK_DELETE, 1);
        for (const char c : text)
            PostMessageW(h, WM_CHAR, WPARAM(c), 1);
        win_.w.handleWaiting();
    }
    void pasteByMenu(HWND h);
    string focused() const;
    int inked() const;

    string said_;
    Window win_;
    int f_;
    planner::win32::FormWindow* form_ = nullptr;
};

void Win32Driver::act(const worked::Step& step, const planner::form::Cell& at)
{
    const std::string_view a = step.action;
    if (a == "tab")
        return win_.key(GetFocus(), VK_TAB);
    if (a == "reopen") {
        SendMessageW(form_->hwnd(), WM_CLOSE, 0, 0);
        REQUIRE(!IsWindowVisible(form_->hwnd()));
        return open();
    }
    if (a == "frequency") { // the forms follow once the window has handled it
        moveTo(win_, "vsbFreq", std::stoi(string(step.text)), 1);
        return void(win_.w.handleWaiting());
    }
    const bool choice = a == "choose";
    const int option = choice ? std::stoi(string(step.text)) : 0;
    if (choice && outline().items[at.item].kind == planner::form::Kind::Choice) {
        SendMessageW(form_->option(at.item, option), BM_CLICK, 0, 0);
        return void(win_.w.handleWaiting());
    }
    const HWND h = form_->control(at);
    if (choice) {
        SetFocus(h);
        win_.key(h, VK_HOME);
        for (int i = 0; i < option; ++i)
            win_.key(h, VK_DOWN);
    } else if (a == "press") {
        SendMessageW(h, BM_CLICK, 0, 0);
        win_.w.handleWaiting();
    } else if (a == "type") {
        type(h, step.text);
    } else {
        if (!step.text.empty())
            copy(step.text);
        SetFocus(h);
        if (a == "paste by keys")
            PostMessageW(h, WM_CHAR, 0x16, 1), win_.w.handleWaiting(); // Ctrl+V
        else
            pasteByMenu(h);
    }
}

// The edit's own menu by the Menu key, and its Paste by its access key:
// the keys come from a timer in the menu's loop, and a menu still open
// after 5 s is closed, so that a fault fails the checks instead of hanging.
void Win32Driver::pasteByMenu(HWND h)
{
    const auto keys = [](HWND, UINT, UINT_PTR t, DWORD) {
        KillTimer(nullptr, t);
        keybd_event('P', 0, 0, 0), keybd_event('P', 0, KEYEVENTF_KEYUP, 0);
    };
    const UINT_PTR typing = SetTimer(nullptr, 0, 200, keys);
    const UINT_PTR closing =
        SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    SendMessageW(h, WM_CONTEXTMENU, WPARAM(h), MAKELPARAM(-1, -1));
    KillTimer(nullptr, typing), KillTimer(nullptr, closing);
    win_.w.handleWaiting();
}

string Win32Driver::focused() const
{
    for (const planner::form::Cell& c : worked::fieldsAndButtons(presenter()))
        if (form_->control(c) == GetFocus())
            return worked::targetName(outline(), c);
    return "elsewhere";
}

// The picture's points drawn where the core placed them: along the top
// edge of each of its boxes, ink, not the face.
int Win32Driver::inked() const
{
    const int item = planner::form::itemNamed(outline(), "picture");
    const HWND picture = form_->box(item);
    RedrawWindow(picture, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const HDC dc = GetDC(picture);
    const double dpi = form_->dpi();
    int n = 0;
    for (const planner::Shape& s : presenter().item(item).picture.shapes) {
        if (s.kind != planner::Shape::Kind::Box)
            continue;
        bool ink = false;
        const int y = int(std::lround(s.points[0].y * dpi));
        for (long x = std::lround(s.points[0].x * dpi); x <= std::lround(s.points[1].x * dpi); ++x)
            ink = ink || GetPixel(dc, int(x), y) != GetSysColor(COLOR_BTNFACE);
        n += ink;
    }
    ReleaseDC(picture, dc);
    return n;
}

string Win32Driver::look(std::string_view key, const planner::form::Cell& at)
{
    const string k(key.substr(0, key.find(' ')));
    if (k == "results")
        return form_->resultsShown();
    if (k == "result") {
        const string all = form_->resultsShown(), label = string(key.substr(7)) + ": ";
        const auto from = all.find(label);
        return from == string::npos
                   ? ""
                   : all.substr(from + label.size(), all.find('\n', from) - from - label.size());
    }
    if (k == "problem") {
        const string shown = form_->problemShown(at);
        if (outline().items[at.item].kind == planner::form::Kind::Field || at.row >= 0)
            CHECK_EQ(Reader(form_->control(at)).description(), shown);
        return shown;
    }
    if (k == "text")
        return text(form_->control(at));
    if (k == "shown")
        return IsWindowVisible(form_->box(at.item)) ? "yes" : "no";
    if (k == "caption")
        return text(form_->control(at));
    if (k == "chosen") {
        if (outline().items[at.item].kind == planner::form::Kind::List)
            return to_string(SendMessageW(form_->control(at), CB_GETCURSEL, 0, 0));
        for (int o = 0;; ++o)
            if (SendMessageW(form_->option(at.item, o), BM_GETCHECK, 0, 0) == BST_CHECKED)
                return to_string(o);
    }
    if (k == "name")
        return Reader(form_->control(at)).name();
    if (k == "focus")
        return focused();
    if (k == "clipboard")
        return pasteable();
    if (k == "picture")
        return to_string(inked());
    if (k == "window")
        return text(win_.at("lblDiam")) + " " + text(win_.at("lblDepth"));
    REQUIRE(k == "said");
    for (const DWORD until = GetTickCount() + planner::form::pauseMs + 300; GetTickCount() < until;)
        win_.w.handleWaiting(), Sleep(20);
    return said_;
}

TEST_CASE("the form scenarios")
{
    for (const worked::Scenario& sc : worked::scenarios) {
        Win32Driver d(sc.form);
        worked::runScenario(d, sc, d.outline());
    }
}

// Every caption, label, result and sentence of each form, as it opens
// beside the planner, fits the control that shows it: nothing is cut off.
TEST_CASE("each form's texts fit their controls")
{
    for (int f = 0; f < 2; ++f) {
        Win32Driver d(f);
        for (HWND h = GetWindow(d.form().hwnd(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            wchar_t kind[16]{}, text[512]{};
            GetClassNameW(h, kind, 16), GetWindowTextW(h, text, 512);
            const LONG style = GetWindowLongW(h, GWL_STYLE);
            const bool radio = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
            if (!IsWindowVisible(h) || !*text || !(wcscmp(kind, L"Static") == 0 || radio))
                continue;
            RECT box{}, need{};
            GetClientRect(h, &box);
            need.right = radio ? 0 : box.right;
            const HDC dc = GetDC(h);
            const HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageW(h, WM_GETFONT, 0, 0)));
            const bool oneLine = radio || (style & SS_CENTERIMAGE);
            DrawTextW(dc, text, -1, &need,
                      DT_CALCRECT | DT_NOPREFIX | (oneLine ? DT_SINGLELINE : DT_WORDBREAK));
            SelectObject(dc, old), ReleaseDC(h, dc);
            INFO(worked::text(h));
            CHECK(need.right + (radio ? GetSystemMetrics(SM_CXMENUCHECK) : 0) <= box.right);
            CHECK(need.bottom <= box.bottom);
        }
    }
}

// Moved to a monitor of twice the scaling, the form is laid out again
// at twice the size, in a font twice as tall.
TEST_CASE("a form moved to a monitor of another scaling")
{
    Win32Driver d(0);
    const HWND diameter = d.form().control({planner::form::itemNamed(d.outline(), "diameter")});
    const auto height = [&] {
        RECT r{};
        GetWindowRect(diameter, &r);
        return r.bottom - r.top;
    };
    const long before = height();
    RECT suggested{0, 0, 1200, 1400};
    SendMessageW(d.form().hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), LPARAM(&suggested));
    CHECK_EQ(d.form().dpi(), 192);
    CHECK((height() >= 2 * before - 2 && height() <= 2 * before + 2));
}

} // namespace
