#!/usr/bin/env bash
# The Windows benchmark table: QuiverstepBenchmark.exe against the registered Quiverstep.dll
# and camera double, in a fresh 64-bit Wine prefix.
#   tests/windows/run-wine-bench.sh BUILD_X64
set -euo pipefail
build=$(cd "$1" && pwd)
. "$(dirname "$0")/wine.sh"
with32=false
wine32_installed && with32=true
echo "bench: preparing a Wine prefix" >&2
new_prefix 64
for dll in Quiverstep.dll CameraDouble.dll; do
    $wine regsvr32 /s "$(winpath "$build/$dll")"
done
$wine "$build/QuiverstepBenchmark.exe" | tr -d '\r'
