#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows what a screen reader gets from the game: runs it under Xvfb with the
# accessibility bridge on (its own D-Bus session and AT-SPI bus), takes the
# steps of tools/screenshot.sh, prints each name the game announces on the
# way and then the accessibility tree of what is on screen.
#   tools/screenreader.sh [STEP...]      e.g. tools/screenreader.sh War key:Space key:Space
# Build first (./play.sh or tools/setup.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
shot="$root/build/tools/cardovia-shot"
[[ -x "$shot" ]] || shot="$root/build-test/tools/cardovia-shot"
[[ -x "$shot" ]] || { echo "screenreader: build the game first (./play.sh or tools/setup.sh)" >&2; exit 1; }
out="$(mktemp --suffix=.png)"
trap 'rm -f "$out"' EXIT
cd "$root/build/data" 2>/dev/null || true
# The bus launcher puts the AT-SPI bus on the session bus, where Qt finds it.
exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!
    sleep 1
    /usr/bin/python3 "$0" "$@"; status=$?
    kill "$launcher" 2>/dev/null
    exit $status' "$root/tools/screenreader.py" "$shot" "$out" "$@" 2> >(grep -v -e "fd limit" -e XDG_RUNTIME_DIR >&2)
