#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants each fault of tests/planted (every *.patch, or those named) in turn:
# applies it to this tree, rebuilds the random player's bench, plays
# EVENTS events (100000) from SEED (2024), takes the fault out again, and
# prints which event caught it, or that none did. Each play's output is kept
# in $BUILD/planted/<patch>.log.
#   tests/planted/run.sh [PATCH...]     BUILD=build-test EVENTS=100000 SEED=2024
set -u
root=$(git rev-parse --show-toplevel) || exit 2
cd "$root" || exit 2
build=${BUILD:-build-test}
events=${EVENTS:-100000}
seed=${SEED:-2024}
# A fault is taken out with git apply -R, which must find the tree as it was.
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "run.sh: the tree has uncommitted changes; commit or stash them first" >&2
    exit 2
fi
[ -d "$build" ] || { echo "run.sh: no build folder $build (set BUILD)" >&2; exit 2; }
mkdir -p "$build/planted"

applied=""
takeOut() {
    [ -n "$applied" ] && git apply -R "$applied"
    applied=""
}
trap 'takeOut' EXIT
trap 'takeOut; exit 130' INT TERM HUP

# The bench runs as CTest runs the tests: the sanitizers' settings, English.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
       LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" LC_ALL=C.UTF-8 LANGUAGE=

[ $# -gt 0 ] || set -- tests/planted/*.patch
missed=0
for patch in "$@"; do
    [ -f "$patch" ] || patch=tests/planted/${patch%.patch}.patch
    name=$(basename "$patch" .patch)
    log=$build/planted/$name.log
    if ! git apply "$patch" 2>"$log"; then
        echo "$name: does not apply (see $log)"; missed=1; continue
    fi
    applied=$patch
    if ! cmake --build "$build" -j2 --target bench_random_player >"$log" 2>&1; then
        takeOut; echo "$name: does not build (see $log)"; missed=1; continue
    fi
    "$build/bench/bench_random_player" "$events" "$seed" >"$log" 2>&1
    takeOut
    # "FAILED: seed 2024, event 812: ..." or, judged at the end, "after 100000 events"
    caught=$(sed -n -E 's/^FAILED: seed [0-9]+, (event [0-9]+|after [0-9]+ events): /\1: /p' "$log" | head -n 1)
    if [ -n "$caught" ]; then
        case $caught in
            event*) echo "$name: caught at $caught" ;;
            *) echo "$name: caught by the judgement $caught" ;;
        esac | cut -c 1-200
    else
        echo "$name: NOT caught (see $log)"; missed=1
    fi
done
# The bench as the tree is, not with the last fault in it.
cmake --build "$build" -j2 --target bench_random_player >/dev/null 2>&1 || echo "run.sh: the clean rebuild failed" >&2
exit $missed
