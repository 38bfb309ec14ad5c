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
# the music first, which both sanitizer builds' tests play
timed "build: the music" cmake --build "$build" -j "$(nproc)" --target cardovia-data
timed "build: ThreadSanitizer's" cmake --build "$build" -j "$(nproc)" --target cardovia-tsan-tests
timed "build: the rest" cmake --build "$build" -j "$(nproc)"
# as many cases at once as ./test.sh runs
jobs=$(($(nproc) * 2))
timed "ctest -j $jobs (every case)" ctest --test-dir "$build" --output-on-failure -j "$jobs"

ctest_out="$log/ctest -j $jobs (every case).out"
printf '%-44s %8s %8s\n' "phase" "wall s" "cpu s"
printf '%s\n' "${rows[@]}"
printf '%s\n' "${rows[@]}" | awk '{ w += $(NF-1); c += $NF } END { printf "%-44s %8.1f %8.1f\n", "total", w, c }'
# CTest's sums per label: the seconds of the label's cases, side by side or not
echo
sed -n '/^Label Time Summary:/,/^$/p' "$ctest_out" | sed '/^$/d'
awk '/ Test +#[0-9]+: / { all += $(NF-1) }
     /^Label Time Summary:/ { labels = 1; next }
     labels && /sec\*proc/ { labelled += $3 }
     labels && /^$/ { labels = 0 }
     END { printf "%-13s= %7.2f sec*proc (the cases without one)\n", "no label", all - labelled }' "$ctest_out"
sed -n 's/^Total Test time (real) = */ctest on the clock: /p' "$ctest_out"
