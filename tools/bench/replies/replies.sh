#!/usr/bin/env bash
# Reply-gap benchmark under Wine in Xvfb: how long a message sent from another process waits for
# the main panel's answer while the program secures free space and while it runs a memory cleanup.
# reply_probe.exe sends WM_NULL to the panel every 5 ms (SendMessageTimeout), posts the command and
# times every answer; this script starts the program with settings of its own and tells the probe
# when securing is over (the program's resident size has risen and fallen back). Prints the reply
# times' percentiles, the largest one and the largest gap between two answers, against the target of
# no reply waiting more than 100 ms. Prints figures; never fails on them.
#
#   tools/bench/replies/replies.sh [larkspan.exe to measure instead of the build's own]
# Environment: LARK_BENCH_SECURE_MIB (3072), LARK_BENCH_CLEANUP_BLOCK_MIB (256); neither is ever
# allowed more than a third of the memory available when the run starts.
set -euo pipefail
unset LARKSPAN_MAX_BLOCK_MIB  # securing claims the whole amount; the cleanup sets its own cap
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

exe=$(realpath "${1:-$LARK_EXE}")
probe=$BENCH_WIN/reply_probe.exe
settings_key='HKCU\Software\Quorvane\Larkspan100'
secure_mib=${LARK_BENCH_SECURE_MIB:-3072}
block_mib=${LARK_BENCH_CLEANUP_BLOCK_MIB:-256}
stop_file=$BENCH_OUT/replies.stop

bench_setup
if [ "${LARK_BENCH_BUILD:-1}" != 0 ]; then
    cmake --build "$BENCH_WIN" -j "${LARK_JOBS:-2}" --target reply_probe >>"$BENCH_WIN/bench-build.log" 2>&1 ||
        { echo "replies: building reply_probe failed (log: $BENCH_WIN/bench-build.log)" >&2; exit 1; }
fi

# Sizes: the program secures Flag01 steps of 1/78 of physical memory; the cleanup holds up to 16
# blocks at once. Both stay within a third of what is available now.
total_kib=$(awk '/^MemTotal:/ { print $2 }' /proc/meminfo)
avail_mib=$(awk '/^MemAvailable:/ { print int($2 / 1024) }' /proc/meminfo)
third=$((avail_mib / 3))
((block_mib * 16 > third)) && block_mib=$((third / 16))
step_mib=$((total_kib / 78 / 1024))
steps=$(((secure_mib + step_mib / 2) / step_mib))  # the nearest step
((steps * step_mib > third)) && steps=$((third / step_mib))
if ((steps < 1 || block_mib < 1)); then
    echo "replies: skipped, only $avail_mib MiB available"
    exit 0
fi

store() { harness_wine 60 reg add "$settings_key" /v "$1" /t REG_SZ /d "$2" /f >/dev/null; }
store Flag01 "$steps"    # the amount to secure
store Flag04 2           # low memory: no automatic securing meanwhile
store Flag05 False       # no splash
store Flag06 0           # no schedule
store Flag07 True        # standard cleanup: 3 passes of 16 blocks

windows_path() { echo "Z:${1//\//\\}"; }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

# start_program: starts the exe (with the environment as it stands) and sets PROGRAM_PID.
start_program() {
    bench_driver launch "$exe" "$BENCH_MAIN_TITLE" 20000 >/dev/null ||
        { echo "replies: the program did not show its main panel"; return 1; }
    PROGRAM_PID=$(bench_unix_pid "$(basename "$exe")")
    sleep 1  # past the first ticks
}

# report NAME: formats the probe's line.
report() {
    local line
    line=$(tr -d '\r' <"$BENCH_OUT/replies.out" | grep '^replies' || true)
    if [ -z "$line" ]; then
        echo "$1: the probe printed nothing ($(tail -n 2 "$BENCH_OUT/replies.err" 2>/dev/null))"
        return
    fi
    awk -F'\t' -v name="$1" '{
        printf "%s: %d answers over %.1f s (end: %s); reply p50 %.1f ms, p90 %.1f ms, p99 %.1f ms, max %.1f ms; largest gap between answers %.1f ms; %d replies over 100 ms (target: none)\n",
            name, $2, $9, $10, $3, $4, $5, $6, $7, $8 }' <<<"$line"
    tr -d '\r' <"$BENCH_OUT/replies.out" | awk -F'\t' -v name="$1" \
        '$1 == "slow" { printf "%s: a reply of %.1f ms, sent %d ms after the command\n", name, $3, $2 }'
}

# run_probe COMMAND SECONDS [box]: the probe in the background, its pid in PROBE_PID.
run_probe() {
    rm -f "$stop_file"
    harness_wine $(($2 + 30)) "$probe" "$BENCH_MAIN_TITLE" "$1" "$(windows_path "$stop_file")" "$2" ${3:-} \
        >"$BENCH_OUT/replies.out" 2>"$BENCH_OUT/replies.err" &
    PROBE_PID=$!
}

echo "replies: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg), $avail_mib MiB available, display $DISPLAY"
echo "program: $exe"

# Securing: the claim shows as a rise of the resident size; once it has fallen back the block is given back.
start_program
base=$(rss_kib "$PROGRAM_PID")
run_probe 135 240
rose=0 peak=$base started=$SECONDS
while kill -0 "$PROBE_PID" 2>/dev/null; do
    rss=$(rss_kib "$PROGRAM_PID")
    ((rss > peak)) && peak=$rss
    ((rss > base + 262144)) && rose=1
    if { ((rose)) && ((rss < base + 131072)); } || { ((!rose)) && ((SECONDS - started > 60)); }; then
        sleep 0.5
        touch "$stop_file"
        break
    fi
    sleep 0.05
done
wait "$PROBE_PID" || true
((rose)) || echo "securing: no claim seen in the resident size"
echo "securing: Flag01 $steps of 78 steps ($((steps * step_mib)) MiB asked), resident size rose by $(((peak - base) / 1024)) MiB at most"
report securing
bench_close

# Cleanup: the probe ends when the result box shows, and closes it.
export LARKSPAN_MAX_BLOCK_MIB=$block_mib
start_program
unset LARKSPAN_MAX_BLOCK_MIB
run_probe 201 300 box
wait "$PROBE_PID" || true
echo "cleanup: 3 passes of 16 blocks of at most $block_mib MiB (LARKSPAN_MAX_BLOCK_MIB)"
report cleanup
bench_close
