# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game with the Orca screen reader and prints what Orca says.

Run by tools/orca.sh inside its own X display, D-Bus session, AT-SPI bus and
window manager: starts Orca with its debug log going to a file a line at a
time, starts the game, presses the keys of each step with xdotool and prints
every utterance Orca logged meanwhile. Speech need not reach a sound card:
Orca logs each utterance before it hands it to speech-dispatcher.

A step is an xdotool key name ("Tab", "shift+Tab", "space", "Return",
"alt+w", "Down"), "wait:MS" to let the game run, or "#TEXT" to print a note.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# Orca's own start-up, without its launcher's check for other Orcas (the
# launcher would refuse to start beside another user's session on the same
# machine) and with a debug file that is written line by line.
ORCA = """
import sys
from orca import debug
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)
from orca import orca
orca.getSettingsManager().activate(None, {})
sys.exit(orca.main())
"""

# the voice's settings follow the closing quote: "SPEECH OUTPUT: 'War push button.'{'established': False}"
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'( voice=\w+)?(\{.*\})?$")
# What makes Orca cut short what it is saying: a key press or a new window.
INTERRUPTED = "DEFAULT: Interrupting presentation"


class Log:
    def __init__(self, path):
        self.path = path
        self.offset = 0

    def size(self):
        try:
            return os.path.getsize(self.path)
        except OSError:
            return 0

    def contains(self, text):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                return text in f.read()
        except OSError:
            return False

    def read(self):
        with open(self.path, encoding="utf-8", errors="replace") as f:
            f.seek(self.offset)
            text = f.read()
        # only whole lines; the rest waits for the next read
        end = text.rfind("\n") + 1
        self.offset += len(text[:end].encode("utf-8", errors="replace"))
        return text[:end].splitlines()

    def settle(self, least, most, quiet=0.8):
        """Waits at least `least` seconds, then until the log has been quiet
        for `quiet` seconds, at most `most` seconds in all."""
        start = time.monotonic()
        last, changed = self.size(), time.monotonic()
        while True:
            time.sleep(0.1)
            now = time.monotonic()
            size = self.size()
            if size != last:
                last, changed = size, now
            if now - start >= most or (now - start >= least and now - changed >= quiet):
                return


def said(lines):
    """The utterances among the log's lines, with a mark where Orca cut short
    what it had queued. The key press's own interruption is left out."""
    out = []
    for line in lines:
        m = SPOKEN.search(line)
        if m:
            out.append(f"  \"{m.group(1)}\"")
        elif INTERRUPTED in line and out:
            out.append("  (interrupted)")
    while out and out[-1] == "  (interrupted)":
        out.pop()
    return out


def show(lines):
    if lines:
        print("\n".join(lines), flush=True)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True)


def main():
    game, steps = sys.argv[1], sys.argv[2:]
    folder = tempfile.mkdtemp(prefix="cardovia-orca-")
    for sub in ("config", "data", "runtime", "cache"):
        os.makedirs(os.path.join(folder, sub), mode=0o700)
    # A first run: the game's settings, Orca's and speech-dispatcher's socket
    # all in folders of their own.
    env = dict(os.environ,
               HOME=folder,
               XDG_CONFIG_HOME=os.path.join(folder, "config"),
               XDG_DATA_HOME=os.path.join(folder, "data"),
               XDG_RUNTIME_DIR=os.path.join(folder, "runtime"),
               XDG_CACHE_HOME=os.path.join(folder, "cache"),
               GTK_MODULES="gail:atk-bridge",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    log = Log(os.path.join(folder, "orca.log"))
    quiet = open(os.devnull, "w")
    orca = subprocess.Popen(["/usr/bin/python3", "-c", ORCA, log.path], env=env, stdout=quiet, stderr=quiet)
    app = None
    try:
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline and not log.contains("ORCA: ATSPI registry initialized"):
            time.sleep(0.2)
        app = subprocess.Popen([game], cwd=os.path.dirname(game) + "/data", env=env, stdout=quiet,
                               stderr=quiet)
        window = []
        deadline = time.monotonic() + 30
        while not window and time.monotonic() < deadline and app.poll() is None:
            window = xdotool("search", "--onlyvisible", "--name", "Cardovia").stdout.split()
            time.sleep(0.2)
        if not window:
            print("orca: the game's window did not appear", file=sys.stderr)
            return 1
        xdotool("windowactivate", "--sync", window[0])
        # start-up: the loading screen, then the menu
        log.settle(4, 20, quiet=1.5)
        print("> (start)")
        show(said(log.read()))
        for step in steps:
            if step.startswith("#"):
                print(step)
                continue
            print(f"> {step}")
            if step.startswith("wait:"):
                seconds = int(step[5:]) / 1000
                log.settle(seconds, seconds + 5)
            else:
                result = xdotool("key", "--clearmodifiers", step)
                if result.returncode:
                    print(f"orca: xdotool could not press '{step}': {result.stderr.strip()}", file=sys.stderr)
                    return 1
                log.settle(1.0, 8)
            show(said(log.read()))
            if app.poll() is not None:
                print("(the game has ended)")
                break
        return 0
    finally:
        # ORCA_LOG=FILE keeps Orca's whole debug log, to see why it said what it did
        if os.environ.get("ORCA_LOG") and os.path.exists(log.path):
            shutil.copyfile(log.path, os.environ["ORCA_LOG"])
        for process in (app, orca):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()


if __name__ == "__main__":
    sys.exit(main())
