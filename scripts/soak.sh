#!/usr/bin/env bash
# Soak test: N write/read round trips of t40-cli against the virtual radio.
# Each round writes a fresh pattern, reads the radio back and compares the
# file byte for byte; the open descriptors and the memory of the emulator
# (sampled each round) and of each t40-cli run (its peak) are reported.
# Usage: scripts/soak.sh [N] [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
rounds="${1:-200}"
bin="${2:-$here/build}/bin"
work="$(mktemp -d)"
emulator_pid=""
cleanup() {
    [ -n "$emulator_pid" ] && kill "$emulator_pid" 2>/dev/null && wait "$emulator_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A data file: header, then the image with the given seed below the password block
# (what a whole write sends); the model block and everything above stay the start's.
make_file() {
    python3 - "$1" "$2" <<'PY'
import random, sys
seed, out = int(sys.argv[1]), sys.argv[2]
rnd = random.Random(seed)
image = bytearray(b'\xff' * 1024)
image[0:0x2F0] = bytes(rnd.randrange(256) for _ in range(0x2F0))
image[440:448] = bytes([0x50, 0x33, 0x32, 0x30, 0x37, 0x73, 0xF8, 0xFF])
open(out, 'wb').write(b'ZEVT40 Ver1.0.2 ' + bytes(image))
PY
}

rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }
fds() { ls "/proc/$1/fd" | wc -l; }

make_file 0 "$work/start.rdat"
"$bin/t40-radio-emulator" --load "$work/start.rdat" >"$work/device" 2>"$work/emulator.log" &
emulator_pid=$!
for _ in $(seq 50); do [ -s "$work/device" ] && break; sleep 0.1; done
device="$(head -n 1 "$work/device")"
[ -n "$device" ] || { echo "soak: the emulator did not start" >&2; exit 1; }
emu_fds_start=$(fds "$emulator_pid"); emu_rss_start=$(rss_kb "$emulator_pid")
emu_fds_max=$emu_fds_start; emu_rss_max=$emu_rss_start
cli_rss_max=0; cli_fds_max=0; failures=0
started=$(date +%s)

# Runs t40-cli, keeping its peak memory (from time) and the descriptors it holds at the end of its run.
run_cli() {
    /usr/bin/time -f "%M" -o "$work/time" "$bin/t40-cli" "$@" 2>>"$work/cli.log" &
    local pid=$! child
    local peak_fds=0 n
    while kill -0 "$pid" 2>/dev/null; do
        child=$(pgrep -P "$pid" || true)
        if [ -n "$child" ] && n=$(fds "$child" 2>/dev/null); then
            [ "$n" -gt "$peak_fds" ] && peak_fds=$n
        fi
        sleep 0.05
    done
    wait "$pid"
    local status=$?
    local rss; rss=$(tail -n 1 "$work/time")
    [ "$rss" -gt "$cli_rss_max" ] && cli_rss_max=$rss
    [ "$peak_fds" -gt "$cli_fds_max" ] && cli_fds_max=$peak_fds
    return $status
}

for i in $(seq 1 "$rounds"); do
    make_file "$i" "$work/round.rdat"
    rm -f "$work/back.rdat"
    if ! run_cli write --port "$device" "$work/round.rdat" || ! run_cli read --port "$device" -o "$work/back.rdat" \
        || ! cmp -s "$work/round.rdat" "$work/back.rdat"; then
        failures=$((failures + 1))
        echo "round $i: FAILED" >&2
    fi
    n=$(fds "$emulator_pid"); r=$(rss_kb "$emulator_pid")
    [ "$n" -gt "$emu_fds_max" ] && emu_fds_max=$n
    [ "$r" -gt "$emu_rss_max" ] && emu_rss_max=$r
    [ $((i % 50)) -eq 0 ] && echo "round $i: emulator $n fds, ${r} kB" >&2
done
elapsed=$(( $(date +%s) - started ))
echo "round trips:       $rounds in ${elapsed} s, $failures failed (byte-for-byte comparison)"
echo "t40-radio-emulator: fds $emu_fds_start at start, $(fds "$emulator_pid") at end (max $emu_fds_max);" \
     "RSS ${emu_rss_start} kB at start, $(rss_kb "$emulator_pid") kB at end (max ${emu_rss_max} kB)"
echo "t40-cli (each run): at most $cli_fds_max fds open, peak RSS at most ${cli_rss_max} kB"
[ "$failures" -eq 0 ]
