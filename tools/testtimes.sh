#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the steps of ./test.sh one at a time and prints how long each took:
# the seconds on the clock and those of the processors (user + system), and
# for each CTest label the seconds its cases ran (as CTest sums them).
#   tools/testtimes.sh [--fresh]
# --fresh starts from an empty build-test/, as a new clone does. For the time
# a new machine takes, run it without a compiler cache (ccache keeps none
# for the files compiled with the precompiled headers anyway).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-test"
if [[ ${1:-} == --fresh ]]; then rm -rf "$build"; fi

log="$(mktemp -d)"
trap 'rm -rf "$log"' EXIT
rows=()
# timed NAME COMMAND...: runs the command, its output in $log/NAME.out
timed() {
    local name="$1"
    shift
    local TIMEFORMAT='%R %U %S' failed=0
    { time "$@" >"$log/$name.out" 2>&1 || failed=1; } 2>"$log/time"
    if ((failed)); then
        cat "$log/$name.out" >&2
        echo "testtimes: $name failed" >&2
        exit 1
    fi
    read -r wall user sys <"$log/time"
    rows+=("$(awk -v n="$name" -v w="$wall" -v c="$user + $sys" 'BEGIN { split(c, p, " + ");
                                                                       printf "%-44s %8.1f %8.1f", n, w, p[1] + p[2] }')")
}

timed "packages (check)" "$root/tools/setup.sh" test packages
timed "configure" "$root/tools/setup.sh" test configure
# in one go, as ./test.sh builds; Ninja's log then tells the seconds of the
# ThreadSanitizer build's own jobs (tests/tsan/) among them
jobs_before=0
if [[ -f $build/.ninja_log ]]; then jobs_before=$(wc -l <"$build/.ninja_log"); fi
timed "build" cmake --build "$build" -j "$(nproc)"
# a job with several outputs has a line for each
tsan_jobs=$(tail -n +"$((jobs_before + 1))" "$build/.ninja_log" |
            awk '$4 ~ /(^|\/)tests\/tsan\// && !seen[$1 " " $2 " " $5]++ { s += ($2 - $1) / 1000 }
                 END { printf "%.1f", s }')
# as many cases at once as ./test.sh runs
jobs=$(($(nproc) * 2))
timed "ctest -j $jobs (every case)" ctest --test-dir "$build" --output-on-failure -j "$jobs"

ctest_out="$log/ctest -j $jobs (every case).out"
printf '%-44s %8s %8s\n' "phase" "wall s" "cpu s"
printf '%s\n' "${rows[@]}"
printf '%s\n' "${rows[@]}" | awk '{ w += $(NF-1); c += $NF } END { printf "%-44s %8.1f %8.1f\n", "total", w, c }'
echo "of the build, the ThreadSanitizer build's jobs: $tsan_jobs s"
# CTest's sums per label: the seconds of the label's cases, side by side or not
echo
sed -n '/^Label Time Summary:/,/^$/p' "$ctest_out" | sed '/^$/d'
awk '/ Test +#[0-9]+: / { all += $(NF-1) }
     /^Label Time Summary:/ { labels = 1; next }
     labels && /sec\*proc/ { labelled += $3 }
     labels && /^$/ { labels = 0 }
     END { printf "%-13s= %7.2f sec*proc (the cases without one)\n", "no label", all - labelled }' "$ctest_out"
sed -n 's/^Total Test time (real) = */ctest on the clock: /p' "$ctest_out"
