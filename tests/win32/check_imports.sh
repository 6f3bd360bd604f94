#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program file runs on a bare Windows: it imports from no DLL but those
# Windows ships (no libstdc++, libgcc or winpthread beside it), and it is a
# GUI program (no console window). Usage: check_imports.sh OBJDUMP PROGRAM.exe
set -euo pipefail
objdump=$1 exe=$2
windows_own=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll ole32.dll oleaut32.dll oleacc.dll
 advapi32.dll shell32.dll msvcrt.dll "
headers=$("$objdump" -p "$exe")
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
fail=0
for dll in $dlls; do
    [[ $windows_own == *" $dll"[[:space:]]* ]] || { echo "imports a DLL Windows lacks: $dll"; fail=1; }
done
grep -qx user32.dll <<<"$dlls" || { echo "no import table read"; fail=1; }
grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" || { echo "not a GUI program"; fail=1; }
echo "imports:" $dlls
exit $fail
