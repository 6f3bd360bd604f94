// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The builder's tools in the Windows program, under Wine: the template
// printed through Wine's PostScript driver to files, for the read-back
// (tests/print), by Ctrl+P, the context menu and the system menu; and the
// dish check's scenario (tests/worked_states.h).
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
#include "window/win32/dish_check_win32.h"

namespace {

using std::string, std::to_string;
using worked::text, worked::Window, worked::moveTo;

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
// Down, Enter) and the system menu (Alt+Space, Up twice to the item
// before the last, Enter), on A4 and Letter; listed with its template in prints.json in
// $PLANNER_PRINTS for the read-back (tests/print). Cancelled, nothing is
// printed.
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
                step = way % 3 == 1 ? VK_DOWN : VK_UP, steps = way % 3;
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
    const std::wstring w(text.begin(), text.end());
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(data), w.c_str(), (w.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    REQUIRE(OpenClipboard(nullptr));
    EmptyClipboard(), SetClipboardData(CF_UNICODETEXT, data), CloseClipboard();
}

// The dish check as a user works it (worked::checkScenario): Ctrl+K opens
// it; a round dish's rows pasted into the first by Ctrl+V, its results,
// and its setting set, which the window follows; an offset dish typed
// key by key, its results; a bad input, its sentence, the text typed left
// as it was.
TEST_CASE("checking a dish one has")
{
    Window win;
    moveTo(win, "vsbFreq", 2400, 1);
    win.ctrl('K');
    planner::win32::DishCheckWindow* check = win.w.checkWindow();
    REQUIRE((check && IsWindowVisible(check->hwnd())));
    using planner::Field;
    for (const std::string_view name : worked::checkScenario) {
        const worked::Check& w = worked::checkNamed(name);
        INFO(w.name);
        SendMessageW(
            check->shape(w.offset ? planner::DishShape::Offset : planner::DishShape::Round),
            BM_CLICK, 0, 0);
        SetFocus(check->unit());
        win.key(check->unit(), VK_HOME);
        for (int i = 0; i < w.unit; ++i)
            win.key(check->unit(), VK_DOWN);
        const auto typed = worked::typedFields(w);
        for (const auto& [f, text] : typed) {
            if (text.empty())
                continue;
            SetWindowTextW(check->field(f), L"");
            for (const char c : text)
                PostMessageW(check->field(f), WM_CHAR, WPARAM(c), 1);
            win.w.handleWaiting();
        }
        if (!w.offset) {
            copy(w.pasted);
            PostMessageW(check->field(Field::Position, 0), WM_CHAR, 0x16, 1); // Ctrl+V
            win.w.handleWaiting();
        }
        for (const auto& [label, value] : w.results)
            CHECK_MESSAGE(check->result(label).starts_with(value), label, ": ",
                          check->result(label));
        CHECK_MESSAGE(check->problems().starts_with(w.problem), check->problems());
        for (const auto& [f, typed] : typed)
            CHECK((typed.empty() || text(check->field(f)) == typed));
        if (IsWindowVisible(check->setButton()))
            SendMessageW(check->setButton(), BM_CLICK, 0, 0);
    }
    CHECK_EQ(text(win.at("lblDiam")) + " " + text(win.at("lblDepth")), "24 3");
}

} // namespace
