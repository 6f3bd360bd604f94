// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program file as Windows reads it: the version block (what Explorer's
// Properties shows), the icon group with its 32 and 16 pixel images, and
// the manifest that makes the window scale to each monitor.
// Usage: tst_win32_file PROGRAM.exe
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "check.h"

namespace {

std::string narrow(const wchar_t* w)
{
    char s[256] = {};
    WideCharToMultiByte(CP_UTF8, 0, w, -1, s, sizeof s, nullptr, nullptr);
    return s;
}

void versionBlock(const char* exe)
{
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(exe, &ignored));
    check::that(!block.empty() && GetFileVersionInfoA(exe, 0, DWORD(block.size()), block.data()),
                "the file has a version block");
    void* p = nullptr;
    UINT n = 0;
    const bool fixed = VerQueryValueW(block.data(), L"\\", &p, &n) && n >= sizeof(VS_FIXEDFILEINFO);
    const auto* f = static_cast<const VS_FIXEDFILEINFO*>(fixed ? p : nullptr);
    check::equal(f ? f->dwFileVersionMS : 0, DWORD(0x00010000), "file version 1.0");
    check::equal(f ? f->dwProductVersionLS : 1, DWORD(0), "product version x.x.0.0");
    const bool lang = VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &p, &n) && n >= 4;
    const auto* w = static_cast<const WORD*>(p);
    check::equal(lang ? (w[0] << 16 | w[1]) : 0, 0x040904B0, "US English, Unicode");
    const std::pair<const wchar_t*, const char*> strings[] = {
        {L"\\StringFileInfo\\040904B0\\FileVersion", "1.00"},
        {L"\\StringFileInfo\\040904B0\\ProductVersion", "1.00"},
        {L"\\StringFileInfo\\040904B0\\OriginalFilename", "dish-planner.exe"}};
    for (const auto& [key, want] : strings) {
        const bool found = VerQueryValueW(block.data(), key, &p, &n) && n > 0;
        check::equal(found ? narrow(static_cast<const wchar_t*>(p)) : "(none)", std::string(want),
                     narrow(key));
    }
}

const void* resource(HMODULE m, LPCWSTR id, LPCWSTR type, DWORD* size)
{
    HRSRC r = FindResourceW(m, id, type);
    *size = r ? SizeofResource(m, r) : 0;
    return r ? LockResource(LoadResource(m, r)) : nullptr;
}

#pragma pack(push, 2)
struct GroupEntry { // one image in an RT_GROUP_ICON
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

void iconAndManifest(const char* exe)
{
    HMODULE m =
        LoadLibraryExA(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    DWORD size = 0;
    const auto* group =
        static_cast<const WORD*>(resource(m, MAKEINTRESOURCEW(1), RT_GROUP_ICON, &size));
    std::set<int> widths;
    for (int i = 0; group && i < group[2]; ++i) {
        const auto* e = reinterpret_cast<const GroupEntry*>(group + 3) + i;
        DWORD imageSize = 0;
        if (resource(m, MAKEINTRESOURCEW(e->id), RT_ICON, &imageSize) && imageSize == e->bytes)
            widths.insert(e->width == e->height ? e->width : -1);
    }
    check::that(widths == std::set<int>{16, 32}, "icon images of 32 and 16 pixels");
    const char* manifest =
        static_cast<const char*>(resource(m, MAKEINTRESOURCEW(1), RT_MANIFEST, &size));
    const std::string text = manifest ? std::string(manifest, size) : "";
    for (const char* part : {"PerMonitorV2", "Microsoft.Windows.Common-Controls"})
        check::that(text.find(part) != std::string::npos, std::string("manifest names ") + part);
    if (m)
        FreeLibrary(m);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    versionBlock(argv[1]);
    iconAndManifest(argv[1]);
    return check::report();
}
