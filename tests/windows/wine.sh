# What the Wine scripts share, sourced: checks that print "ok NAME" or "not ok NAME: ..." and
# count, and fresh Wine prefixes, all removed on exit.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
passed=0
failed=0
label="" # before every check's name, as "32-bit: "
check() { # NAME ACTUAL EXPECTED
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
        echo "ok $label$1"
    else
        failed=$((failed + 1))
        echo "not ok $label$1: got [$2], expected [$3]"
    fi
}

winpath() { echo "Z:${1//\//\\}"; }

wine32_installed() { dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed"; }

prefixes=()
on_exit=() # further commands for the exit, run first
cleanup() {
    local p command
    for command in "${on_exit[@]}"; do eval "$command"; done
    for p in "${prefixes[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null; rm -rf "$p"; done
}
trap cleanup EXIT

# A fresh prefix of the given bitness; $wine is the loader of that bitness. With wine32
# installed ($with32), plain "wine" starts 32-bit builtins, so a 64-bit prefix uses wine64.
new_prefix() { # BITS
    WINEPREFIX=$(mktemp -d /tmp/quiverstep-wine.XXXXXX)
    export WINEPREFIX
    prefixes+=("$WINEPREFIX")
    unset WINEARCH WINELOADER
    wine=wine
    if [ "$1" = 32 ]; then
        export WINEARCH=win32
    elif [ "$with32" = true ] && [ -x /usr/lib/wine/wine64 ]; then
        export WINELOADER=/usr/lib/wine/wine64
        wine=$WINELOADER
    fi
    rmdir "$WINEPREFIX" # wineboot makes it, of the bitness WINEARCH says
    $wine wineboot -i >/dev/null 2>&1
    wineserver -w
}
