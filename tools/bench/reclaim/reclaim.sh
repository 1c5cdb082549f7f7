#!/bin/sh
# Reclaim benchmark: how fast the program's allocator makes memory resident under Wine, against a
# native reference on the same machine (map, then touch one byte per page from 1 and from as many
# threads as there are cores), both in one run. Also the cleanup's time per pass, measured with
# smaller blocks (16 x CLEANUP_BLOCK_MIB). Prints figures; never fails on them.
#
#   tools/bench/reclaim/reclaim.sh [build dir]
# Environment: SECURE_MIB (2048), REPEATS (3), CLEANUP_BLOCK_MIB (64), PASSES (3),
#              WINEPREFIX (a prefix of the build dir's own).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=${1:-/tmp/larkspan-bench-reclaim}
secure_mib=${SECURE_MIB:-2048}
repeats=${REPEATS:-3}
block_mib=${CLEANUP_BLOCK_MIB:-64}
passes=${PASSES:-3}
wine=/usr/lib/wine/wine64
export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$out/wineprefix}
mkdir -p "$out"

# Never touch more than the machine can spare: the largest amount held at once, plus a margin.
largest=$(( secure_mib > 16 * block_mib ? secure_mib : 16 * block_mib ))
available=$(awk '/^MemAvailable:/ { print int($2 / 1024) }' /proc/meminfo)
margin=4096
if [ "$available" -lt $(( largest + margin )) ]; then
    echo "skipped: $available MiB available, $largest MiB + $margin MiB margin needed"
    exit 0
fi

g++ -std=c++20 -O2 -pthread "$here/reference.cpp" -o "$out/reference"
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -municode -static \
    -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0A00 -I"$root" \
    "$here/claim_bench.cpp" "$root/platform/win32/block_allocator.cpp" -o "$out/claim_bench.exe"
[ -d "$WINEPREFIX" ] || "$wine" wineboot -i >/dev/null 2>&1 || true

cores=$(nproc)
echo "machine: $cores cores, $available MiB available, load $(cut -d' ' -f1 /proc/loadavg); block $secure_mib MiB"
# Alternate the two, so that a change in the machine's load touches both alike; keep the best.
: > "$out/rounds.txt"
i=0
while [ $i -lt "$repeats" ]; do
    "$out/reference" "$secure_mib" 1 1 >> "$out/rounds.txt"
    "$out/reference" "$secure_mib" "$cores" 1 >> "$out/rounds.txt"
    "$wine" "$out/claim_bench.exe" "$secure_mib" 1 0 0 | tr -d '\r' >> "$out/rounds.txt"
    i=$((i + 1))
done
best() { grep "$1" "$out/rounds.txt" | sed -n 's/.*best \([0-9.]*\) GiB\/s.*/\1/p' | sort -n | tail -1; }
ref1=$(best "reference, 1 thread")
refn=$(best "reference, $cores thread")
exe=$(best "exe allocator")
echo "native reference, 1 thread:        $ref1 GiB/s (best of $repeats)"
echo "native reference, $cores threads:       $refn GiB/s"
echo "exe allocator under Wine:          $exe GiB/s"
if [ -n "$refn" ] && [ -n "$exe" ]; then
    awk -v e="$exe" -v r="$refn" -v n="$cores" \
        'BEGIN { printf "ratio exe / native reference (%d threads): %.0f %%\n", n, 100 * e / r }'
fi
"$wine" "$out/claim_bench.exe" 0 0 "$block_mib" "$passes" | tr -d '\r'
