#!/usr/bin/env bash
# The Windows tests: Quiverstep.dll as a host loads it, in a fresh Wine prefix under Xvfb.
#   tests/windows/run-wine-tests.sh BUILD_X64 BUILD_X86 [PICTURES]
# BUILD_X64 holds the 64-bit Quiverstep.dll, CameraDouble.dll and QuiverstepWindowTest.exe
# (these machines run 64-bit code only); the 32-bit DLL in BUILD_X86 is checked statically.
# Prints one line per check and closes with "windows: N passed, N failed".
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
x64=$(cd "$1" && pwd)
x86=$(cd "$2" && pwd)
# The windows' pictures go here (docs/windows/ for the README).
pictures=$(mkdir -p "${3:-$x64/pictures}" && cd "${3:-$x64/pictures}" && pwd)

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

passed=0
failed=0
check() { # NAME ACTUAL EXPECTED
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
        echo "ok $1"
    else
        failed=$((failed + 1))
        echo "not ok $1: got [$2], expected [$3]"
    fi
}

# --- The DLLs as files: format, entry points, imports, the embedded type library.
system_dlls='^(ADVAPI32|GDI32|KERNEL32|msvcrt|ole32|OLEAUT32|SHELL32|USER32)\.dll$'
static_checks() { # DLL FORMAT
    local dump
    dump=$(x86_64-w64-mingw32-objdump -p "$1")
    check "$2: format" "$(sed -n 's/.*file format //p' <<<"$dump" | head -1)" "$2"
    check "$2: exports" "$(awk '/^\[Ordinal\/Name Pointer\] Table/ {on = 1; next} on && /^[ \t]*\[/ {print $NF} on && !/^[ \t]*\[/ {on = 0}' <<<"$dump" | sort | tr '\n' ' ')" \
        "DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer "
    check "$2: only system DLLs imported" \
        "$(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | grep -cvE "$system_dlls")" 0
    check "$2: type library embedded" "$(grep -c 'name: .*TYPELIB' <<<"$dump")" 1
}
static_checks "$x86/Quiverstep.dll" pei-i386
static_checks "$x64/Quiverstep.dll" pei-x86-64

# --- A fresh prefix: the DLLs registered as regsvr32 does it for a user.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d /tmp/quiverstep-wine.XXXXXX)
export WINEPREFIX
record_dir=$(mktemp -d /tmp/quiverstep-record.XXXXXX)
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX" "$record_dir"' EXIT
wine wineboot -i >/dev/null 2>&1
wineserver -w

winpath() { echo "Z:${1//\//\\}"; }
wine regsvr32 /s "$(winpath "$x64/Quiverstep.dll")"
check "regsvr32 Quiverstep.dll" $? 0
wine regsvr32 /s "$(winpath "$x64/CameraDouble.dll")"
check "regsvr32 CameraDouble.dll" $? 0

section='HKCU\Software\VB and VBA Program Settings\Orrerix\Quiverstep'
stored() { # KEY: the REG_SZ value, or "absent"
    wine reg query "$section" /v "$1" 2>/dev/null | tr -d '\r' \
        | sed -n "s/^    $1    REG_SZ    //p;s/^    $1    REG_SZ$//p" | grep . || echo absent
}
store() { # KEY VALUE...
    while [ $# -ge 2 ]; do
        wine reg add "$section" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1
        shift 2
    done
}

take() { # NAME OUTPUT: prints its checks, takes over its counts, requires its closing line
    echo "$2" | grep -E '^(ok|not ok) '
    passed=$((passed + $(grep -c '^ok ' <<<"$2")))
    failed=$((failed + $(grep -c '^not ok ' <<<"$2")))
    check "$1 ran to its end" "$(grep -c "^$1: " <<<"$2")" 1
}

host() { # PHASE: runs host.vbs
    export QUIVERSTEP_CAMERA_RECORD
    QUIVERSTEP_CAMERA_RECORD=$(winpath "$record_dir/$1.txt")
    HOST_OUTPUT=$(wine cscript //nologo "$(winpath "$here/host.vbs")" "$1" 2>&1 | tr -d '\r')
    take "host $1" "$HOST_OUTPUT"
}

host events
read -r _ x y <<<"$(grep '^offsets ' <<<"$HOST_OUTPUT")"
check "registry: Current Offset X as the plug-in has it" "$(stored 'Current Offset X')" "$x"
check "registry: Current Offset Y as the plug-in has it" "$(stored 'Current Offset Y')" "$y"
check "registry: spiral state" "$(stored 'Spiral Radius') $(stored 'Spiral InOut')" "1 True"
host errors
host faults
host delay

# A pattern and the log, put into the registry by hand.
store Pattern2 'P\1,0\0:1\-1,0\TOP' 'Dither Type' 2 'Dither Step' 2 'Max Dither X' 4 \
    'Current Step' 1 'Current Direction' False 'Current Offset X' 18 'Current Offset Y' 16 Log 1
host pattern
check "registry: pattern position" "$(stored 'Current Offset X'),$(stored 'Current Offset Y') step $(stored 'Current Step')" "16,18 step 2"
log="$WINEPREFIX/drive_c/Quiverstep118.log"
check "log: C:\\Quiverstep118.log written" "$([ -f "$log" ] && echo yes)" yes
check "log: header" "$(grep -c $'^Version = 1.1.8\r$' "$log")" 1
check "log: a line per correction" "$(grep -c '^Autoguider Error X=' "$log")" 4
check "log: an image block per image" "$(grep -c '^----> Image captured at ' "$log")" 4
# Where C:\Quiverstep118.log cannot be made (here a folder has its name), the log goes to the
# user's local application data instead.
rm -f "$log"
mkdir "$log"
host guidestart
fallback=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Orrerix/Quiverstep118.log)
check "log: %LOCALAPPDATA%\Orrerix\Quiverstep118.log when C:\ refuses" \
    "$(grep -c $'^Version = 1.1.8\r$' "$fallback" 2>/dev/null)" 1
rmdir "$log"

# --- The windows over a fresh store, on a Wine desktop that draws their frames; pictures
# as PNG.
wine reg delete 'HKCU\Software\VB and VBA Program Settings\Orrerix' /f >/dev/null 2>&1
mkdir -p "$pictures"
wine explorer /desktop=quiverstep,1024x768 "$(winpath "$x64/QuiverstepWindowTest.exe")" \
    "$(winpath "$record_dir/windows.txt")" "$(winpath "$record_dir")" >/dev/null 2>&1
take windowtest "$(cat "$record_dir/windows.txt" 2>/dev/null)"
for picture in settings editor simulator message testform; do
    convert "$record_dir/$picture.bmp" -strip "$pictures/$picture.png" 2>/dev/null
    check "picture $picture.png" "$([ -s "$pictures/$picture.png" ] && echo saved)" saved
done

# --- regsvr32 /u removes every entry that registering made.
wine regsvr32 /s /u "$(winpath "$x64/Quiverstep.dll")"
check "regsvr32 /u" $? 0
for key in Quiverstep.DitherPlugIn 'CLSID\{07ACD486-2A5B-4655-BA73-DDF2AA658100}' \
    'TypeLib\{421F4CEF-36CB-4732-B65B-E7194073B788}' \
    'Interface\{A57CC0F3-168C-409F-9E2D-2CAF580D7A06}'; do
    check "unregistered: HKCR\\$key" "$(wine reg query "HKCR\\$key" >/dev/null 2>&1 || echo gone)" gone
done

"$here/exe-tests.sh" "$x64" "$x86" || failed=$((failed + 1))
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
