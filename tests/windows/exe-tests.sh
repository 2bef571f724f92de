# quiverstep.exe, the command-line program for Windows, sourced by run-wine-tests.sh: the
# 32-bit one checked as a file, the 64-bit one run under Wine against the registry and beside
# the Linux build (build/quiverstep; without it those comparisons are skipped with one line). `quiverstep.exe phd2` is run against a real PHD2 from the kit beside
# the repository (../shared/phd2), the one QUIVERSTEP_PHD2 names or the one ./dev test builds
# into build-phd2/prefix; without it, skipped with one line.
repository=$(cd "$here/../.." && pwd)
# A 64-bit prefix of its own: the suite's last one is 32-bit where 32-bit code runs.
new_prefix 64
linux=$repository/build/quiverstep
work=$record_dir

# --- The programs as files: format, and only system DLLs imported (libgcc and libstdc++ are
# linked in).
for build in "$x86:pei-i386" "$x64:pei-x86-64"; do
    pe_checks "quiverstep.exe ${build#*:}" "${build%%:*}/quiverstep.exe" "${build#*:}" \
        'ADVAPI32|KERNEL32|msvcrt|MSWSOCK|SHELL32|WS2_32'
done

# Each run leaves OUT, ERR (without the CRs of Windows text) and STATUS; standard input is
# INPUT, or nothing.
windows() {
    $wine "$x64/quiverstep.exe" "$@" <"${INPUT:-/dev/null}" >"$work/out" 2>"$work/err"
    STATUS=$?
    OUT=$(tr -d '\r' <"$work/out")
    ERR=$(tr -d '\r' <"$work/err")
}
linux() {
    "$linux" --store "$work/linux.db" "$@" <"${INPUT:-/dev/null}" >"$work/out" 2>"$work/err"
    STATUS=$?
    OUT=$(cat "$work/out")
    ERR=$(cat "$work/err")
}
fresh() { forget; rm -f "$work/linux.db"; } # both stores empty
exported() { # KEY: the REG_SZ value as the registry has it, Unicode too, or "absent"
    $wine reg export "$section" "$(winpath "$work/export.reg")" /y >/dev/null 2>&1
    iconv -f UTF-16LE -t UTF-8 "$work/export.reg" 2>/dev/null | tr -d '\r' \
        | sed -n "s/^\"$1\"=\"\(.*\)\"$/\1/p" | grep . || echo absent
}
refused() { # NAME STATUS ERROR ARGS...
    windows "${@:4}"
    check "$1" "$STATUS $ERR" "$2 quiverstep: $3"
}

# --- The store is the registry section the plug-in uses.
fresh
windows store set "Dither Step" 2.5
check "store set: exit status" "$STATUS" 0
check "store set: in the registry" "$(exported 'Dither Step')" 2.5
store "Max Dither X" 7
windows store get "max dither x"
check "store get: a value put there by hand, the key in any case" "$OUT" 7
windows store set Observer "Zoë ✓"
check "store set: UTF-8 from the command line stored as Unicode" "$(exported Observer)" "Zoë ✓"
windows store get Observer
check "store get: written out as UTF-8" "$OUT" "Zoë ✓"
refused "store get: an absent key" 1 'no key "Missing" in the store' store get Missing
windows store list
check "store list" "$OUT" $'Dither Step = 2.5\nMax Dither X = 7\nObserver = Zoë ✓'

# --- What needs a window or a settings file is refused, and changes nothing.
without_qt="this build has no windows (it was built without Qt)"
refused "gui refused" 2 "gui: $without_qt" gui settings
refused "--plot refused" 2 "--plot: $without_qt" assess --plot "$(winpath "$work/plot.png")"
refused "--store refused" 2 \
    "--store: this build keeps the settings in the registry, under HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Orrerix\\Quiverstep as the plug-in does, and opens no settings file" \
    --store "$(winpath "$work/settings.db")" store set Log 1
check "--store refused: nothing stored" "$(exported Log)" absent

# --- The same settings give the same output as the Linux build, byte for byte but for the
# line ends of Windows text (CR LF for every LF).
same() { # NAME ARGS...: runs both on their own store, compares status, output and errors
    local name=$1 got
    shift
    windows "$@"
    got="$STATUS|$(cat "$work/out")|$(cat "$work/err")"
    linux "$@"
    check "$name: as on Linux" "$got" \
        "$STATUS|$(sed -z 's/\n/\r\n/g' "$work/out")|$(sed -z 's/\n/\r\n/g' "$work/err")"
}
if [ ! -x "$linux" ]; then
    echo "skipped: the comparisons with the Linux build (no program at $linux)"
else
    fresh
    same "path --steps 8 on a fresh store" path --steps 8
    same "settings save refused" settings save --type 3 --step 1 --max 4
    windows store list
    check "settings save refused: nothing stored" "$STATUS|$OUT" "0|"
    same "settings save" settings save --type 2 --step 0.5 --max 4
    same "settings show" settings show
    same "path of a pattern" path --steps 8
    same "assess --all" assess --all --scale 2.6 --images 12
    windows assess --type random --seed 7 --images 6 --json "$(winpath "$work/windows.json")"
    linux assess --type random --seed 7 --images 6 --json "$work/linux.json"
    check "assess --json: as on Linux" "$(cat "$work/windows.json")" "$(cat "$work/linux.json")"
    printf '%s\n' 'want 22' \
        'camera GuideErrorX=0 GuideErrorY=0 AutoguiderMaximumMove=1000 AutoguiderMinimumMove=100' \
        'event 22 1' 'camera GuideErrorX=0.5 GuideErrorY=-0.2' 'event 22 1' 'event 19 0' \
        'get XOffset' 'store get Current Offset X' >"$work/host.txt"
    INPUT=$work/host.txt same "host script" host
    check "host: the walk saved in the registry" "$(exported 'Current Offset X')" \
        "$(sed -n 's/^Current Offset X = //p' <<<"$OUT")"
fi

# --- quiverstep.exe phd2 bridges a client to a real PHD2 on loopback, and its dither moves
# PHD2's lock to the next target of the stored walk.
kit=$repository/../shared/phd2
phd2_prefix=$repository/build-phd2/prefix
[ -n "${QUIVERSTEP_PHD2:-}" ] && phd2_prefix=$(dirname "$(dirname "$QUIVERSTEP_PHD2")")
if [ ! -x "$kit/run-phd2.sh" ] || [ ! -x "$phd2_prefix/bin/phd2.bin" ]; then
    echo "skipped: quiverstep.exe phd2 against PHD2 (no PHD2 kit at $kit or no phd2.bin in $phd2_prefix/bin)"
else
    fresh
    windows settings save --type 0 --step 1 --max 4
    windows path --steps 1
    read -r target_x target_y <<<"$OUT"
    # Instance 9 (port 4408): clear of a PHD2 the user may run and of the bridge's own tests.
    phd2_home=$work/phd2
    on_exit=('"$kit/run-phd2.sh" stop "$phd2_home" 9 >/dev/null 2>&1' "${on_exit[@]}")
    phd2_port=$("$kit/run-phd2.sh" "$phd2_prefix" "$phd2_home" 9 2>/dev/null | sed -n 's/^PHD2_PORT=//p')
    $wine "$x64/quiverstep.exe" phd2 --listen 127.0.0.1:0 --phd2 "127.0.0.1:$phd2_port" \
        >"$work/bridge.txt" 2>&1 &
    bridge=$!
    on_exit=('kill "$bridge" 2>/dev/null' "${on_exit[@]}")
    for _ in $(seq 100); do
        bridge_port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9]*\) .*/\1/p' "$work/bridge.txt")
        [ -n "$bridge_port" ] && break
        sleep 0.2
    done
    timeout 120 python3 "$kit/example-client.py" --port "${bridge_port:-0}" >"$work/client.txt" 2>&1
    check "phd2: the example client runs to its end through the bridge" $? 0
    # The client moves the lock by hand, then dithers: the lock moves by the target's offset
    # from the centre of the guide box.
    read -r lock_x lock_y <<<"$(sed -n 's/.*-> set_lock_position {"x": \([-0-9.]*\), "y": \([-0-9.]*\).*/\1 \2/p' "$work/client.txt")"
    read -r dither_x dither_y <<<"$(sed -n '/-> dither /,$p' "$work/client.txt" \
        | sed -n 's/.*LockPositionSet X=\([-0-9.]*\) Y=\([-0-9.]*\).*/\1 \2/p' | head -1)"
    check "phd2: the dither's lock is the next target of path" \
        "$(awk -v x="${dither_x:-0}" -v y="${dither_y:-0}" 'BEGIN { printf "%.2f %.2f", x, y }')" \
        "$(awk -v x="${lock_x:-0}" -v y="${lock_y:-0}" -v tx="$target_x" -v ty="$target_y" \
            'BEGIN { printf "%.2f %.2f", x + tx - 16, y + ty - 16 }')"
    check "phd2: the dither settled" "$(grep -c 'SettleDone Status=0' "$work/client.txt")" 2
    check "phd2: the walk saved in the registry" "$(exported 'Current Offset X') $(exported 'Current Offset Y')" \
        "$target_x $target_y"
fi
