# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game on a Wayland desktop with no X server: on a headless Weston of its
own, its window maps under its launcher's app id, and File, Quit (pressed over
AT-SPI, as a screen reader does: the compositor has no keyboard) ends it with
status 0 and no leak. Run by CTest in a D-Bus session of its own:
    dbus-run-session -- python3 wayland.py GAME APP-ID
Skipped (status 77) only where Weston cannot start."""

import os
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def wait_for(check, seconds):
    deadline = time.monotonic() + seconds
    while not (found := check()) and time.monotonic() < deadline:
        time.sleep(0.1)
    return found


def mapped_window(env, pid, app_id):
    """The line of Weston's scene graph that shows the game's window."""
    graph = subprocess.run(["weston-debug", "scene-graph"], env=env, capture_output=True, text=True, timeout=10)
    return next((line.strip() for line in graph.stdout.splitlines()
                 if f"PID {pid}," in line and "top-level window" in line and f" of {app_id}," in line), None)


def find(node, role, name):
    if node is None or (node.get_role_name() == role and node.get_name() == name):
        return node
    children = (node.get_child_at_index(i) for i in range(node.get_child_count()))
    return next((found for found in map(lambda child: find(child, role, name), children) if found), None)


def quit_item(pid):
    desktop = Atspi.get_desktop(0)
    apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
    app = next((app for app in apps if app is not None and app.get_process_id() == pid), None)
    return app and find(find(app, "popup menu", "File"), "menu item", "Quit")


def main():
    game_binary, app_id = sys.argv[1:3]
    runtime = tempfile.TemporaryDirectory(prefix="cardovia-wayland-")
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(XDG_RUNTIME_DIR=runtime.name, XDG_CONFIG_HOME=runtime.name, SDL_AUDIODRIVER="dummy",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # Qt's Wayland plugin and Mesa's EGL keep memory at exit, as a bare Qt
    # window shows (lsan.supp); only the slow unwinder reaches their frames.
    if "ASAN_OPTIONS" in env:
        env["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"
    try:
        weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=wayland-test",
                                   "--idle-time=0", "--width=1280", "--height=1024", "--debug"],
                                  env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except OSError as error:
        print(f"SKIP: Weston cannot start: {error}")
        return 77
    env["WAYLAND_DISPLAY"] = "wayland-test"
    helpers = [weston, subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    try:
        if not wait_for(lambda: os.path.exists(os.path.join(runtime.name, "wayland-test")), 10):
            print(f"SKIP: Weston cannot start (status {weston.poll()})")
            return 77
        game = subprocess.Popen([game_binary], env=env, stderr=subprocess.PIPE, text=True)
        helpers.insert(0, game)
        window = wait_for(lambda: game.poll() is not None or mapped_window(env, game.pid, app_id), 30)
        item = isinstance(window, str) and wait_for(lambda: quit_item(game.pid), 20)
        if not item:
            print(f"FAIL: no window of {app_id} with File, Quit ({game.poll()})")
            return 1
        print(f"mapped: {window}")
        try:
            Atspi.Action.do_action(item, 0)
        except GLib.Error:
            pass  # the game ends without answering
        status, err = game.wait(30), game.communicate()[1]
        if status != 0 or "Sanitizer" in err:
            print(f"FAIL: File, Quit ended the game with status {status}: {err}")
            return 1
        return 0
    finally:
        for helper in helpers:
            helper.terminate()  # the bus launcher takes its bus with it
            helper.wait()
        runtime.cleanup()


if __name__ == "__main__":
    sys.exit(main())
