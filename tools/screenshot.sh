#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game under Xvfb on a display of its own, clicks the named
# controls in order and writes a PNG of the screen.
#   tools/screenshot.sh OUT.png [STEP...]     e.g. tools/screenshot.sh war.png War Start
# Steps are described in tools/snapshot.cpp. Build first (./play.sh or tools/setup.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
shot="$root/build/tools/cardovia-shot"
[[ -x "$shot" ]] || shot="$root/build-test/tools/cardovia-shot"
[[ -x "$shot" ]] || { echo "screenshot: build the game first (./play.sh or tools/setup.sh)" >&2; exit 1; }
out="$(realpath -m "$1")"; shift
cd "$root/build/data" 2>/dev/null || true
# The screen is 1024x768 unless SCREEN says otherwise, e.g. SCREEN=2560x1440.
exec xvfb-run -a -s "-screen 0 ${SCREEN:-1024x768}x24 -dpi 96" "$shot" "$out" "$@"
