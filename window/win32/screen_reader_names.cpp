// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Annotations on the controls' client objects (OBJID_CLIENT, CHILDID_SELF),
// so the standard proxies keep everything else: role, value, state.
#include <initguid.h> // the oleacc GUIDs in this file

#include "window/win32/screen_reader_names.h"

#include <oleacc.h>

#include "window/win32/controls_win32.h"

namespace planner::win32 {

std::string meaningOf(const ControlDesign& d)
{
    std::string meaning(d.meaning);
    const std::string radius = d.index == 1 ? "1 inch" : std::to_string(d.index) + " inches";
    if (const auto at = meaning.find("{r}"); at != std::string::npos)
        meaning.replace(at, 3, radius);
    return meaning;
}

ScreenReaderNames::ScreenReaderNames()
{
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services_))))
        services_ = nullptr;
}

ScreenReaderNames::~ScreenReaderNames()
{
    if (services_)
        services_->Release();
    if (comStarted_)
        CoUninitialize();
}

bool ScreenReaderNames::describe(HWND control, const ControlDesign& d)
{
    const std::string meaning = meaningOf(d);
    if (meaning.empty() || (d.kind == Kind::Label && !d.tooltip.empty()))
        return true; // nothing to add
    if (!services_)
        return false;
    const MSAAPROPID prop = d.kind == Kind::ScrollBar ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION;
    return SUCCEEDED(services_->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, prop,
                                               widen(meaning).c_str()));
}

void ScreenReaderNames::forget(HWND control)
{
    if (!services_)
        return;
    MSAAPROPID props[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    services_->ClearHwndProps(control, DWORD(OBJID_CLIENT), CHILDID_SELF, props, 2);
}

} // namespace planner::win32
