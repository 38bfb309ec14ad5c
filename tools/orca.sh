#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the game with the Orca screen reader on a display of its own and
# prints what Orca says after each step: Xvfb, a D-Bus session with the
# AT-SPI bus, the Openbox window manager, Orca and speech-dispatcher (whose
# speech goes nowhere: Orca's debug log holds every utterance).
#   tools/orca.sh [STEP...]     e.g. tools/orca.sh alt+w Tab space space
# A step is a key as xdotool names it, "wait:MS", or "#NOTE" to print a note;
# see tools/orca.py. ORCA_LOG=FILE keeps Orca's whole debug log.
# Build first (./play.sh or tools/setup.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
game="$root/build/cardovia"
[[ -x "$game" ]] || { echo "orca: build the game first (./play.sh or tools/setup.sh)" >&2; exit 1; }
mkdir -p "$root/build/data"
exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!
    openbox --sm-disable & wm=$!
    sleep 1
    /usr/bin/python3 "$0" "$@"; status=$?
    kill "$wm" "$launcher" 2>/dev/null
    exit $status' "$root/tools/orca.py" "$game" "$@" 2> >(grep -v -e "fd limit" -e XDG_RUNTIME_DIR -e "^Openbox-Message" -e "^dbus-daemon" -e "^SpiRegistry" >&2)
