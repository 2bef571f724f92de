#!/usr/bin/env bash
# The Windows tests: Quiverstep.dll as a host loads it, in a fresh Wine prefix under Xvfb.
#   tests/windows/run-wine-tests.sh BUILD_X64 BUILD_X86 SETUP SETUP_AMD64 [PICTURES]
# Each build folder holds its Quiverstep.dll, CameraDouble.dll and QuiverstepWindowTest.exe.
# Both DLLs are checked as files; the 64-bit one runs in a 64-bit prefix, and the 32-bit one
# in a 32-bit prefix where this machine runs 32-bit code and wine32 is installed. SETUP is the
# setup program, installed and removed in the 64-bit prefix; where 32-bit code cannot run,
# SETUP_AMD64, the same script built for 64-bit Windows without the 32-bit DLL, is instead.
# Prints one line per check and closes with "windows: N passed, N failed".
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
x64=$(cd "$1" && pwd)
x86=$(cd "$2" && pwd)
setup=$(realpath "$3")
setup_amd64=$(realpath "$4")
# The windows' pictures go here (docs/windows/ for the README).
pictures=$(mkdir -p "${5:-$x64/pictures}" && cd "${5:-$x64/pictures}" && pwd)

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
. "$here/wine.sh"

take() { # NAME OUTPUT: prints its checks, takes over its counts, requires its closing line
    grep -E '^(ok|not ok) ' <<<"$2" | sed -E "s/^(ok|not ok) /\1 $label/"
    passed=$((passed + $(grep -c '^ok ' <<<"$2")))
    failed=$((failed + $(grep -c '^not ok ' <<<"$2")))
    check "$1 ran to its end" "$(grep -c "^$1: " <<<"$2")" 1
}

# --- The DLLs and programs as files: format, entry points, imports, the embedded type library.
pe_checks() { # NAME FILE FORMAT SYSTEM_DLLS: the format, and only those DLLs imported
    dump=$(x86_64-w64-mingw32-objdump -p "$2")
    check "$1: format" "$(sed -n 's/.*file format //p' <<<"$dump" | head -1)" "$3"
    check "$1: only system DLLs imported" \
        "$(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | grep -cvE "^($4)\.dll$")" 0
}
# Functions of the system DLLs that Windows XP lacks (Vista and later), which mingw-w64's
# headers and runtime offer.
newer_than_xp=$(grep -v '^#' "$here/newer-than-xp.txt" | tr '\n' '|')
static_checks() { # DLL FORMAT
    pe_checks "$2" "$1" "$2" 'ADVAPI32|GDI32|KERNEL32|msvcrt|ole32|OLEAUT32|SHELL32|USER32'
    check "$2: exports" "$(awk '/^\[Ordinal\/Name Pointer\] Table/ {on = 1; next} on && /^[ \t]*\[/ {print $NF} on && !/^[ \t]*\[/ {on = 0}' <<<"$dump" | sort | tr '\n' ' ')" \
        "DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer "
    check "$2: no function newer than Windows XP imported" \
        "$(awk '/DLL Name:/ {on = 1; next} on && NF == 3 && $1 ~ /^[0-9a-f]+$/ {print $3}' <<<"$dump" \
            | grep -xE "${newer_than_xp%|}" | tr '\n' ' ')" ""
    check "$2: type library embedded" "$(grep -c 'name: .*TYPELIB' <<<"$dump")" 1
}
static_checks "$x86/Quiverstep.dll" pei-i386
static_checks "$x64/Quiverstep.dll" pei-x86-64

with32=false
"$here/runs-32bit-code.sh" && wine32_installed && with32=true

record_dir=$(mktemp -d /tmp/quiverstep-record.XXXXXX)
on_exit+=('rm -rf "$record_dir"')

section='HKCU\Software\VB and VBA Program Settings\Orrerix\Quiverstep'
class='{07ACD486-2A5B-4655-BA73-DDF2AA658100}'
library='{421F4CEF-36CB-4732-B65B-E7194073B788}'
interface='{A57CC0F3-168C-409F-9E2D-2CAF580D7A06}'

# A 32-bit program in the 64-bit prefix, started by the loader that runs 32-bit code.
wine32() { env -u WINELOADER wine "$@"; }

stored() { # KEY: the REG_SZ value, or "absent"
    $wine reg query "$section" /v "$1" 2>/dev/null | tr -d '\r' \
        | sed -n "s/^    $1    REG_SZ    //p;s/^    $1    REG_SZ$//p" | grep . || echo absent
}
store() { # KEY VALUE...
    while [ $# -ge 2 ]; do
        $wine reg add "$section" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1
        shift 2
    done
}
exists() { # KEY [/reg:32|/reg:64]
    $wine reg query "$@" >/dev/null 2>&1 && echo present || echo gone
}
forget() { # the plug-in's settings, all of them
    $wine reg delete 'HKCU\Software\VB and VBA Program Settings\Orrerix' /f >/dev/null 2>&1
}
regsvr() { # NAME [PROGRAM] ARGUMENTS...: regsvr32 /s, checked
    local name=$1 program=("$wine" regsvr32)
    shift
    [ "$1" = wine32 ] && program=(wine32 'C:\windows\syswow64\regsvr32.exe') && shift
    "${program[@]}" /s "$@"
    check "$name" $? 0
}

host() { # PHASE [CASE]: runs host.vbs
    export QUIVERSTEP_CAMERA_RECORD
    QUIVERSTEP_CAMERA_RECORD=$(winpath "$record_dir/$1.txt")
    rm -f "$record_dir/$1.txt"
    HOST_OUTPUT=$(timeout 120 $wine cscript //nologo "$(winpath "$here/host.vbs")" "$@" 2>&1 | tr -d '\r')
    take "host $1" "$HOST_OUTPUT"
}

# Hostile values: each case is a .reg file's lines for the section, over a section emptied
# first. The same text goes under every key the plug-in reads but the log file's name.
# A million characters go under every key but "Dither Step" and "Max Dither X", which the
# settings dialog shows in text boxes: with 200,000 characters there, Settings has not
# returned within a minute under Wine (70,000 do), an open fault of the windows.
hostile_keys=('Dither Type' 'Dither Step' 'Max Dither X' 'Max Dither Y' 'AO7 Compatible' Log
    'Current Step' 'Current Direction' 'Current Offset X' 'Current Offset Y' Version
    'Spiral InOut' 'Spiral Radius' 'Spiral Direction X' 'Spiral Direction Y' 'Spiral Start X'
    'Spiral Start Y' 'Spiral Pos X' 'Spiral Pos Y' 'New Pattern Horizontal Snake'
    'New Pattern Vertical Snake' Pattern2)
every_key() { # DATA: the .reg data after "="
    for key in "${hostile_keys[@]}"; do echo "\"$key\"=$1"; done
}
long_pattern() { # 100,000 steps, as the Linux hostile-store tests make it
    awk 'BEGIN { printf "\"Long walk"; for (i = 0; i < 100000; i++) printf "\\\\%d,%d", i % 9 - 4, int(i / 9) % 9 - 4; print "\\\\BOTTOM\"" }'
}
hostile_case() { # NAME: the section's .reg lines
    case "$1" in
        empty) every_key '""' ;;
        letters) every_key '"abcXYZ"' ;;
        'huge numbers') every_key '"1E308"'; echo '"Current Offset X"="-1E308"' ;;
        'a million characters')
            every_key "\"$(head -c 1000000 /dev/zero | tr '\0' 7)\"" | grep -v '^"\(Dither Step\|Max Dither X\)"' ;;
        '100,000 steps') echo '"Dither Type"="2"'; echo "\"Pattern2\"=$(long_pattern)" ;;
        REG_DWORD) every_key 'dword:ffffffff'; echo '"Current Offset X"=dword:fffffff0' ;;
        REG_QWORD) every_key 'hex(b):10,00,00,00,00,00,00,00' ;;
        REG_BINARY) every_key 'hex:31,00,00,00' ;;
        REG_MULTI_SZ) every_key 'hex(7):31,00,32,00,00' ;; # ANSI bytes in this file: "1", "2"
        REG_EXPAND_SZ) every_key 'hex(2):31,37,00' ;; # "17"
        'empty value name') echo '@="2"'; echo '"Dither Type"="1"' ;;
    esac
}
# The offsets after the guide start, where the case decides them: a REG_DWORD reads as a
# signed Long, a REG_EXPAND_SZ as its text, other types as absent (the defaults).
declare -A hostile_offsets=(
    [REG_DWORD]="-16 -1" [REG_QWORD]="16 16" [REG_BINARY]="16 16" [REG_MULTI_SZ]="16 16"
    [REG_EXPAND_SZ]="17 17" ['section key missing']="16 16"
)
hostile() {
    local name file="$record_dir/hostile.reg"
    for name in empty letters 'huge numbers' 'a million characters' '100,000 steps' REG_DWORD \
        REG_QWORD REG_BINARY REG_MULTI_SZ REG_EXPAND_SZ 'empty value name' 'section key missing'; do
        forget
        if [ "$name" != 'section key missing' ]; then
            { printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n' "HKEY_CURRENT_USER${section#HKCU}"
              hostile_case "$name" | sed 's/$/\r/'; } >"$file"
            $wine regedit /s "$(winpath "$file")" >/dev/null 2>&1
        fi
        host hostile "hostile store, $name"
        [ -n "${hostile_offsets[$name]:-}" ] && check "hostile store, $name: offsets at the guide start" \
            "$(sed -n 's/^offsets //p' <<<"$HOST_OUTPUT")" "${hostile_offsets[$name]}"
    done
    forget
}

# --- The Wine tests of one DLL, in a fresh prefix of its bitness.
suite() { # BITS BUILD
    local bits=$1 build=$2
    new_prefix "$bits"
    regsvr "regsvr32 Quiverstep.dll" "$(winpath "$build/Quiverstep.dll")"
    regsvr "regsvr32 CameraDouble.dll" "$(winpath "$build/CameraDouble.dll")"

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
    local log="$WINEPREFIX/drive_c/Quiverstep118.log"
    check "log: C:\\Quiverstep118.log written" "$([ -f "$log" ] && echo yes)" yes
    check "log: header" "$(grep -c $'^Version = 1.1.8\r$' "$log")" 1
    check "log: a Single from the camera as a Single's text" "$(grep -c $'^Exposure Time = 0.1\r$' "$log")" 1
    check "log: a line per correction" "$(grep -c '^Autoguider Error X=' "$log")" 4
    check "log: an image block per image" "$(grep -c '^----> Image captured at ' "$log")" 4
    # Where C:\Quiverstep118.log cannot be made (here a folder has its name), the log goes to
    # the user's local application data instead.
    rm -f "$log"
    mkdir "$log"
    host guidestart
    check "log: %LOCALAPPDATA%\Orrerix\Quiverstep118.log when C:\ refuses" \
        "$(grep -c $'^Version = 1.1.8\r$' "$WINEPREFIX"/drive_c/users/*/AppData/Local/Orrerix/Quiverstep118.log 2>/dev/null)" 1
    rmdir "$log"

    hostile

    # --- The windows over a fresh store, on a Wine desktop that draws their frames; pictures
    # as PNG.
    local shots=$pictures
    [ "$bits" = 32 ] && shots=$pictures/32-bit
    mkdir -p "$shots"
    $wine explorer /desktop=quiverstep,1024x768 "$(winpath "$build/QuiverstepWindowTest.exe")" \
        "$(winpath "$record_dir/windows.txt")" "$(winpath "$record_dir")" >/dev/null 2>&1
    take windowtest "$(cat "$record_dir/windows.txt" 2>/dev/null)"
    rm -f "$record_dir/windows.txt"
    for picture in settings editor simulator message testform; do
        convert "$record_dir/$picture.bmp" -strip "$shots/$picture.png" 2>/dev/null
        check "picture $picture.png" "$([ -s "$shots/$picture.png" ] && echo saved)" saved
        rm -f "$record_dir/$picture.bmp"
    done

    regsvr "regsvr32 /u" /u "$(winpath "$build/Quiverstep.dll")"
    nothing_registered "regsvr32 /u"
}

# Both DLLs registered in one fresh 64-bit prefix, where nothing of the suite's runs is left:
# removing the 64-bit one keeps what the 32-bit one needs, as a 32-bit process sees it (Wine's
# 32-bit processes read the ProgID that its 32-bit view does not show).
both_bitnesses() {
    local dll key name=both\ bitnesses
    seen32() { # KEY: present or gone, for a 32-bit process
        if [ "$with32" = true ]; then
            wine32 'C:\windows\syswow64\reg.exe' query "$1" >/dev/null 2>&1 && echo present || echo gone
        else
            exists "$1" /reg:32
        fi
    }
    new_prefix 64
    regsvr "$name: regsvr32 registers the 64-bit DLL" "$(winpath "$x64/Quiverstep.dll")"
    dll=$(winpath "$x86/Quiverstep.dll")
    if [ "$with32" = true ]; then
        regsvr "$name: the 32-bit regsvr32 registers the 32-bit DLL" wine32 "$dll"
    else # what its registration writes into the 32-bit view, where no 32-bit code runs to make it
        $wine reg add "HKCR\\CLSID\\$class\\InprocServer32" /ve /d "$dll" /f /reg:32 >/dev/null 2>&1
        $wine reg add "HKCR\\Quiverstep.DitherPlugIn\\CLSID" /ve /d "$class" /f /reg:32 >/dev/null 2>&1
        $wine reg add "HKCR\\TypeLib\\$library\\1.0\\0\\win32" /ve /d "$dll" /f /reg:32 >/dev/null 2>&1
        $wine reg add "HKCR\\Interface\\$interface" /ve /d _DitherPlugIn /f /reg:32 >/dev/null 2>&1
    fi
    regsvr "$name: regsvr32 /u of the 64-bit DLL" /u "$(winpath "$x64/Quiverstep.dll")"
    check "$name: 64-bit class removed" "$(exists "HKCR\\CLSID\\$class" /reg:64)" gone
    check "$name: 64-bit type library entry removed" \
        "$(exists "HKCR\\TypeLib\\$library\\1.0\\0\\win64" /reg:64)" gone
    check "$name: 32-bit class kept" "$(seen32 "HKCR\\CLSID\\$class\\InprocServer32")" present
    check "$name: ProgID kept for the 32-bit view" "$(seen32 'HKCR\Quiverstep.DitherPlugIn\CLSID')" present
    check "$name: 32-bit type library entry kept" \
        "$(seen32 "HKCR\\TypeLib\\$library\\1.0\\0\\win32")" present
    if [ "$with32" = true ]; then
        wine32 'C:\windows\syswow64\regsvr32.exe' /s /u "$dll"
    else
        for key in Quiverstep.DitherPlugIn "CLSID\\$class" "TypeLib\\$library" "Interface\\$interface"; do
            $wine reg delete "HKCR\\$key" /f /reg:32 >/dev/null 2>&1
        done
    fi
    nothing_registered "$name"
}

nothing_registered() { # NAME
    local key view
    for key in Quiverstep.DitherPlugIn "CLSID\\$class" "TypeLib\\$library" "Interface\\$interface"; do
        for view in /reg:32 /reg:64; do
            check "$1: nothing left of HKCR\\$key ($view)" "$(exists "HKCR\\$key" $view)" gone
        done
    done
}

# The setup program installed silently twice (the second time upgrades in place), the plug-in
# created by its ProgID, then removed silently: nothing of it is left but the user's settings.
setup_round_trip() {
    local program=$setup view=/reg:32 run=wine32 round uninstaller
    if [ "$with32" = true ]; then
        echo "setup: the 32-bit setup program"
    else
        program=$setup_amd64
        view=/reg:64
        run=$wine
        echo "setup: the same setup built for 64-bit Windows, without the 32-bit DLL (this machine cannot run 32-bit code)"
    fi
    local files32="$WINEPREFIX/drive_c/Program Files (x86)/Orrerix"
    local files64="$WINEPREFIX/drive_c/Program Files/Orrerix"
    local entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quiverstep'
    entry_value() { $wine reg query "$entry" "$@" $view 2>/dev/null | tr -d '\r'; }
    store 'Dither Step' 2
    for round in 1 2; do
        $run "$program" /S
        check "setup /S, install $round" $? 0
    done
    check "setup: 64-bit DLL installed" "$([ -f "$files64/Quiverstep/Quiverstep.dll" ] && echo yes)" yes
    [ "$with32" = true ] &&
        check "setup: 32-bit DLL installed" "$([ -f "$files32/Quiverstep/Quiverstep.dll" ] && echo yes)" yes
    check "setup: installed programs entry" \
        "$(entry_value | awk '$1 ~ /^(DisplayName|DisplayVersion|Publisher)$/ {printf "%s=%s ", $1, $3}')" \
        "DisplayName=Quiverstep DisplayVersion=1.1.8 Publisher=Orrerix "
    check "setup: installed programs entry has a size" \
        "$(entry_value /v EstimatedSize | grep -c 'REG_DWORD    0x[0-9a-f]*[1-9a-f]')" 1
    check "setup: the class served from the installed DLL" \
        "$($wine reg query "HKCR\\CLSID\\$class\\InprocServer32" /ve /reg:64 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ    //p')" \
        'C:\Program Files\Orrerix\Quiverstep\Quiverstep.dll'
    $wine reg delete "$section" /f >/dev/null 2>&1
    label="setup: "
    host events
    label=""
    store 'Dither Step' 2

    uninstaller=$(entry_value /v UninstallString | tr -d '"' | sed -n 's/.*REG_SZ    //p')
    check "setup: uninstaller written" "$([ -f "$WINEPREFIX/drive_c/$(sed 's/^C://; s/\\/\//g' <<<"$uninstaller")" ] && echo yes)" yes
    $run "$uninstaller" /S
    check "setup: uninstaller /S" $? 0
    wineserver -w # the uninstaller goes on in a copy of itself
    check "setup: no file left" "$(find "$files32" "$files64" 2>/dev/null | head -1)" ""
    check "setup: installed programs entry removed" "$(exists "$entry" $view)" gone
    nothing_registered "setup"
    check "setup: the user's settings kept" "$(stored 'Dither Step')" 2
}

suite 64 "$x64"
setup_round_trip
both_bitnesses
if [ "$with32" = true ]; then
    label="32-bit: "
    suite 32 "$x86"
    label=""
elif "$here/runs-32bit-code.sh"; then
    echo "32-bit: wine32 is not installed (./dev windows installs it); the 32-bit DLL is checked as a file"
else
    echo "32-bit: this machine cannot run 32-bit code; the 32-bit DLL is checked as a file"
fi

. "$here/exe-tests.sh"
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
