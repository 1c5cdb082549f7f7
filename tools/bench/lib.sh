# Helpers for benchmarks that run larkspan.exe under Wine in a virtual X server. Source it:
#
#   source tools/bench/lib.sh
#   bench_setup                       # build exe and driver, Xvfb, a bench prefix, wineserver kept up
#   bench_driver launch "$LARK_EXE" "$BENCH_MAIN_TITLE" 20000
#   pid=$(bench_unix_pid larkspan.exe)
#   bench_memory "$pid"               # "rss_kb pss_kb"
#   bench_cpu_percent "$pid" 10       # share of one core over 10 s
#
# Figures are printed, never judged: a benchmark does not fail on a number.

BENCH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BENCH_WIN=${LARK_WIN_BUILD:-$BENCH_ROOT/build/win}
BENCH_MAIN_TITLE="Larkspan    "  # the word and four blanks
BENCH_OUT=$BENCH_WIN/bench
LARK_EXE=$BENCH_WIN/larkspan.exe
LARK_DRIVER=$BENCH_WIN/driver.exe
CLK_TCK=$(getconf CLK_TCK)

# shellcheck source=tests/wine/harness.sh
source "$BENCH_ROOT/tests/wine/harness.sh"

# Builds the exe and the driver; LARK_BENCH_BUILD=0 measures the binaries as they are.
bench_build() {
    [ "${LARK_BENCH_BUILD:-1}" = 0 ] && return 0
    local log=$BENCH_WIN/bench-build.log
    mkdir -p "$BENCH_WIN"
    if { [ -f "$BENCH_WIN/build.ninja" ] ||
         cmake -S "$BENCH_ROOT" -B "$BENCH_WIN" -G Ninja \
               -DCMAKE_TOOLCHAIN_FILE="$BENCH_ROOT/cmake/mingw-w64.cmake"; } >"$log" 2>&1 &&
       cmake --build "$BENCH_WIN" -j "${LARK_JOBS:-2}" --target larkspan driver >>"$log" 2>&1; then
        return 0
    fi
    echo "bench: the build failed (log: $log):" >&2
    tail -n 20 "$log" >&2
    return 1
}

# Everything a benchmark needs; Wine and Xvfb stop when the script exits. Arguments: [dpi].
bench_setup() {
    bench_build
    mkdir -p "$BENCH_OUT"
    trap harness_stop EXIT
    trap 'exit 130' INT TERM
    harness_display 2>/dev/null
    harness_prefix "$BENCH_WIN/wine/bench-prefix${1:+-dpi$1}" "$@"
    cp "$WINEPREFIX/user.reg.pristine" "$WINEPREFIX/user.reg"  # default settings
    # A persistent wineserver: the runs measure the program, not the server's start.
    "$HARNESS_WINESERVER" -p
}

# Runs driver.exe. Its output goes through a file: Wine's background services inherit the handles
# of the process that starts them and would keep a pipe open.
bench_driver() {
    local out="$BENCH_OUT/driver.out" status=0
    harness_wine 120 "$LARK_DRIVER" "$@" >"$out" 2>"$out.err" || status=$?
    tr -d '\r' <"$out"
    return "$status"
}

# Field N (1-based) of the first line of standard input whose first field is TAG.
bench_field() { awk -F'\t' -v tag="$1" -v n="$2" '$1 == tag { print $n; exit }'; }

# Ends the program through its main panel's close box and waits until it is gone.
bench_close() {
    bench_driver post "$BENCH_MAIN_TITLE" 0x10 >/dev/null || true  # WM_CLOSE
    bench_driver wait-gone "$BENCH_MAIN_TITLE" 10000 >/dev/null || true
}

# The processes of this prefix: "pid command-line" per line.
bench_prefix_processes() {
    local dir
    for dir in /proc/[0-9]*; do
        tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        echo "${dir#/proc/} $(tr '\0' ' ' 2>/dev/null <"$dir/cmdline")"
    done
}

# The Linux process id of a Windows program running in this prefix, by its file name. Wine shows
# the Windows command line: "Z:\work\build\larkspan.exe" or /work/build/larkspan.exe.
bench_unix_pid() {
    local name=${1,,} pid command
    while read -r pid command; do
        command=$(tr -d '"' <<<"${command%% *}" | tr '\\' '/')
        command=${command##*/}
        [ "${command,,}" = "$name" ] || continue
        echo "$pid"
        return 0
    done < <(bench_prefix_processes)
    return 1
}

# The wineserver of this prefix.
bench_wineserver_pid() {
    local pid command
    while read -r pid command; do
        case $command in *wineserver*) echo "$pid"; return 0 ;; esac
    done < <(bench_prefix_processes)
    return 1
}

# "rss_kb pss_kb" of a Linux process: VmRSS and the proportional set size.
bench_memory() {
    local rss pss
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$1/status")
    pss=$(awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup")
    echo "$rss $pss"
}

# CPU time (user + system) of a Linux process so far, in clock ticks.
bench_cpu_ticks() {
    # The fields after the command name, which is in parentheses and may hold blanks.
    sed -E 's/^.*\) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# Percentage of one core that a process used over the given number of seconds.
bench_cpu_percent() {
    local pid=$1 seconds=$2 before after
    before=$(bench_cpu_ticks "$pid")
    sleep "$seconds"
    after=$(bench_cpu_ticks "$pid")
    awk -v d=$((after - before)) -v s="$seconds" -v hz="$CLK_TCK" 'BEGIN { printf "%.2f\n", 100 * d / hz / s }'
}

# The mean of the numbers on standard input, one per line.
bench_mean() { awk '{ s += $1; n++ } END { if (n) printf "%.0f\n", s / n; else print "n/a" }'; }
