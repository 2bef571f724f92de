#!/usr/bin/env bash
# The Windows benchmark table: QuiverstepBenchmark.exe against the registered Quiverstep.dll
# and camera double, in a fresh 64-bit Wine prefix.
#   tests/windows/run-wine-bench.sh BUILD_X64
set -euo pipefail
build=$(cd "$1" && pwd)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d /tmp/quiverstep-wine.XXXXXX)
export WINEPREFIX
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
wine=wine
# With wine32 installed, plain "wine" starts 32-bit builtins.
if [ -x /usr/lib/wine/wine64 ] && dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed"; then
    export WINELOADER=/usr/lib/wine/wine64
    wine=$WINELOADER
fi
echo "bench: preparing a Wine prefix" >&2
$wine wineboot -i >/dev/null 2>&1
wineserver -w
for dll in Quiverstep.dll CameraDouble.dll; do
    $wine regsvr32 /s "Z:${build//\//\\}\\$dll"
done
$wine "$build/QuiverstepBenchmark.exe" | tr -d '\r'
