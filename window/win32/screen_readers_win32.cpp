// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Each control is subclassed to answer WM_GETOBJECT; the announcement is
// UI Automation's notification, looked up at run time since MinGW-w64's
// headers do not declare it and older Windows (and Wine) do not have it.
#include "window/win32/screen_readers_win32.h"

#include <commctrl.h>
#include <oleacc.h>
#include <uiautomationcore.h>

namespace planner::win32 {

namespace {

constexpr UINT_PTR subclassId = 1;

LRESULT CALLBACK answerReaders(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data)
{
    // Windows passes the object id in the low 32 bits, not always sign-extended.
    if (msg == WM_GETOBJECT && static_cast<DWORD>(lp) == static_cast<DWORD>(OBJID_CLIENT)) {
        auto* source = reinterpret_cast<std::shared_ptr<ReaderSource>*>(data);
        if (IAccessible* object = accessibleFor(h, *source)) {
            const LRESULT r = LresultFromObject(IID_IAccessible, wp, object);
            object->Release();
            return r;
        }
    }
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(h, answerReaders, subclassId);
        delete reinterpret_cast<std::shared_ptr<ReaderSource>*>(data);
    }
    return DefSubclassProc(h, msg, wp, lp);
}

// Declared here as Microsoft documents them (UIAutomationCoreApi.h).
enum { NotificationKind_ActionCompleted = 2, NotificationProcessing_MostRecent = 3 };
using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int kind, int processing,
                                           BSTR display, BSTR activityId);
using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

} // namespace

void notifyUiAutomation(HWND window, const std::wstring& sentence)
{
    static const HMODULE uia = LoadLibraryW(L"uiautomationcore.dll");
    static const auto raise = uia ? reinterpret_cast<RaiseNotification>(reinterpret_cast<void*>(
                                        GetProcAddress(uia, "UiaRaiseNotificationEvent")))
                                  : nullptr;
    static const auto host = uia ? reinterpret_cast<HostProvider>(reinterpret_cast<void*>(
                                       GetProcAddress(uia, "UiaHostProviderFromHwnd")))
                                 : nullptr;
    IRawElementProviderSimple* provider = nullptr;
    if (!raise || !host || FAILED(host(window, &provider)) || !provider)
        return;
    BSTR display = SysAllocString(sentence.c_str());
    BSTR activity = SysAllocString(L"DishPlannerFigures");
    // The newest change is what counts: a reader drops an older sentence
    // still waiting when the next one comes.
    raise(provider, NotificationKind_ActionCompleted, NotificationProcessing_MostRecent, display,
          activity);
    SysFreeString(activity);
    SysFreeString(display);
    provider->Release();
}

ScreenReaders::ScreenReaders(const Session& session, std::function<int(HWND)> rowOf)
    : source_(std::make_shared<ReaderSource>(ReaderSource{&session, std::move(rowOf)}))
{
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ScreenReaders::ScreenReaders(const Session& session, std::function<std::string(HWND)> describe,
                             std::function<long(HWND)> roleOf)
    : source_(std::make_shared<ReaderSource>(
          ReaderSource{&session, [](HWND) { return -1; }, std::move(describe), std::move(roleOf)}))
{
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ScreenReaders::~ScreenReaders()
{
    detach();
    if (comStarted_)
        CoUninitialize();
}

bool ScreenReaders::serve(HWND window)
{
    auto* data = new std::shared_ptr<ReaderSource>(source_);
    if (SetWindowSubclass(window, answerReaders, subclassId, reinterpret_cast<DWORD_PTR>(data)))
        return true;
    delete data;
    return false;
}

} // namespace planner::win32
