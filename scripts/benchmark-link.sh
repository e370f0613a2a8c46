#!/usr/bin/env bash
# Times a whole read and a whole write through t40-cli against the virtual radio
# paced at 9600 baud on a pseudo-terminal, beside the time the bytes need on the
# line (bytes x 10 bits / 9600). Usage: scripts/benchmark-link.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
runs="${2:-3}"
bin="$build/bin"
for tool in t40-cli t40-radio-emulator; do
    [ -x "$bin/$tool" ] || { echo "missing $bin/$tool: build first" >&2; exit 1; }
done

work="$(mktemp -d)"
emulator_pid=""
cleanup() { [ -n "$emulator_pid" ] && kill "$emulator_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

# The radio starts with the factory image.
{ printf 'ZEVT40 Ver1.0.2 '; cat "$bin/Init.dat"; } > "$work/radio.rdat"
"$bin/t40-radio-emulator" --pace --load "$work/radio.rdat" > "$work/device" 2> "$work/emulator.log" &
emulator_pid=$!
for _ in $(seq 50); do [ -s "$work/device" ] && break; sleep 0.1; done
device="$(head -n1 "$work/device")"
[ -n "$device" ] || { echo "the emulator did not start" >&2; exit 1; }

# Bytes on the line: handshake 7, its ACK 1, identity request 1, identity 8, ACK 1, ACK 1, end frame 1;
# a read adds 16 x (request 4 + reply 68 + ACK 1 + ACK 1), a write 47 x (block 20 + ACK 1).
session=20
read_bytes=$((session + 16 * (4 + 68 + 1 + 1)))
write_bytes=$((session + 47 * (20 + 1)))

now() { date +%s.%N; }
measure() { # name bytes command...
    local name="$1" bytes="$2"; shift 2
    local best=""
    for _ in $(seq "$runs"); do
        local t0 t1
        t0=$(now)
        "$@" 2> "$work/cli.log" || { cat "$work/cli.log" >&2; exit 1; }
        t1=$(now)
        best=$(awk -v a="$t0" -v b="$t1" -v best="$best" 'BEGIN { d = b - a; if (best == "" || d < best) best = d; printf "%.3f", best }')
    done
    awk -v name="$name" -v d="$best" -v n="$bytes" 'BEGIN {
        wire = n * 10 / 9600
        printf "%-6s %5d bytes  elapsed %.3f s  wire %.3f s  ratio %.3f\n", name, n, d, wire, d / wire }'
}

echo "t40-cli against the paced virtual radio on $device (best of $runs runs, whole process):"
measure read "$read_bytes" "$bin/t40-cli" read --port "$device" -o "$work/read.rdat"
measure write "$write_bytes" "$bin/t40-cli" write --port "$device" "$work/read.rdat"
