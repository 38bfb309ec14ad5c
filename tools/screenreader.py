# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader gets from the game over AT-SPI.

Run by tools/screenreader.sh inside its own X display and D-Bus session:
starts cardovia-shot with the given steps, prints every name change the game
announces meanwhile, then the accessibility tree once the steps are done.
"""

import os
import subprocess
import sys
import tempfile

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def describe(node):
    states = node.get_state_set()
    text = f"{node.get_role_name()} '{node.get_name() or ''}'"
    if node.get_description():
        text += f" ({node.get_description()})"
    marks = []
    if states.contains(Atspi.StateType.FOCUSED):
        marks.append("focused")
    if not states.contains(Atspi.StateType.ENABLED):
        marks.append("disabled")
    if marks:
        text += " [" + ", ".join(marks) + "]"
    return text


def text_of(node):
    if "Text" not in node.get_interfaces():
        return ""
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def dump(node, depth=0):
    # what is not showing is not read; hidden forms and controls are left out
    if depth > 0 and not showing(node):
        return
    print("  " * depth + describe(node))
    # the text a reader reads where the keyboard is, such as a help page
    text = text_of(node)
    if node.get_state_set().contains(Atspi.StateType.FOCUSED) and len(text) > len(node.get_name() or ""):
        for line in filter(None, (line.strip() for line in text.splitlines())):
            print("  " * depth + "| " + line)
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            dump(child, depth + 1)


def main():
    shot, out, steps = sys.argv[1], sys.argv[2], sys.argv[3:]
    folder = tempfile.mkdtemp()
    started, done = os.path.join(folder, "started.png"), os.path.join(folder, "done.png")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    game = subprocess.Popen([shot, out, f"shot:{started}", *steps, f"shot:{done}", "wait:3000"], env=env)

    def on_name(event):
        # Start-up names every control it builds; only the steps' changes count.
        # Qt sends no name with the event, so the name shown is the one the
        # control has when the event is read.
        if os.path.exists(started) and showing(event.source):
            print(f"announced: {describe(event.source)}")

    listener = Atspi.EventListener.new(on_name)
    listener.register("object:property-change:accessible-name")
    loop = GLib.MainLoop()

    def poll():
        if game.poll() is not None:
            loop.quit()
            return False
        if not os.path.exists(done):
            return True
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "cardovia-shot":
                print("--- the tree after the steps ---")
                dump(app)
        loop.quit()
        return False

    GLib.timeout_add(200, poll)
    loop.run()
    game.wait()
    return game.returncode


if __name__ == "__main__":
    sys.exit(main())
