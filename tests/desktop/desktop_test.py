#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""Ohmilka on a real desktop, driven from outside as a person and a screen reader would: the
pointer and the window manager through xdotool and wmctrl, the accessibility tree and its
actions through AT-SPI.

Run it inside tests/desktop/session.sh:  desktop_test.py PROGRAM CHECK
CHECK is one of the keys of CHECKS below. Time limits only bound a failure; nothing here
asserts how long anything takes.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

LIMIT = 10  # seconds before a wait counts as a failure
MAIN = "Ohmilka v. 1.00 cz"
ABOUT = "O programu..."
HELP = "Nápověda"


def palette(band):
    return f"  {band}. proužek"


class Failure(Exception):
    pass


def wait_for(what, condition, seconds=LIMIT):
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.05)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


# --- the accessibility tree -------------------------------------------------------------------

def children(accessible):
    """The children still there: one that went away while being listed reads as None."""
    return [child for child in accessible if child is not None]


# Roles by AT-SPI's numbers, named as Debian 12's at-spi2-core names them: Debian 13's calls a
# push button "button".
ROLE_NAMES = {pyatspi.ROLE_PUSH_BUTTON: "push button"}


def role_of(accessible):
    return ROLE_NAMES.get(accessible.getRole(), accessible.getRoleName())


def descendants(accessible):
    for child in children(accessible):
        yield child
        if role_of(child) not in ("combo box", "text"):  # their insides are Qt's own
            yield from descendants(child)


def find(root, role, name):
    for accessible in descendants(root):
        if role_of(accessible) == role and accessible.name == name:
            return accessible
    inside = [(role_of(a), a.name) for a in descendants(root)]
    raise Failure(f"no {role} '{name}' in '{root.name}', only {inside}")


def press(accessible):
    """Presses through AT-SPI; the call itself fails if the program does not answer in time."""
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    try:
        action.doAction(names.index("Press"))
    except GLib.Error as error:
        raise Failure(f"pressing '{accessible.name}' got no answer: {error.message}") from error


def has_state(accessible, state):
    try:
        return accessible.getState().contains(state)
    except GLib.Error:  # it went away meanwhile
        return False


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


# --- the window system ------------------------------------------------------------------------

def x_window(name):
    """The X11 window of the visible top-level window with the given title."""
    found = wait_for(f"the X11 window '{name}'", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(name) + "$"],
        capture_output=True, text=True).stdout.split())
    return found[0]


def wm_state(window):
    return re.sub(r".*window state: (\w+).*", r"\1", run("xprop", "-id", window, "WM_STATE"),
                  flags=re.S).strip()


def active_window():
    return int(run("xprop", "-root", "_NET_ACTIVE_WINDOW").split()[-1], 16)


def inner_area(window):
    """Left, top, width and height of the window without its frame."""
    info = run("xwininfo", "-id", window)
    return tuple(int(re.search(key + r":\s+(-?\d+)", info).group(1))
                 for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def outer_frame(window):
    """Left, top, width and height of the window with the frame the window manager drew."""
    x, y, width, height = inner_area(window)
    extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS")
    left, right, top, bottom = (int(n) for n in re.findall(r"\d+", extents.split("=")[1]))
    return x - left, y - top, width + left + right, height + top + bottom


def settled_frame(window):
    previous = [None]

    def same_twice():
        time.sleep(0.2)
        now = outer_frame(window)
        stable, previous[0] = now == previous[0], now
        return now if stable else None
    return wait_for("the window to settle", same_twice)


# --- the program ------------------------------------------------------------------------------

class Program:
    def __init__(self, path, **settings):
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           **settings)
        self.process = subprocess.Popen([path], env=environment)
        self.app = self.main = None

    def wait_until_shown(self):
        self.app = wait_for("the program on the accessibility bus", self._application)
        self.main = self.window(MAIN)

    def _application(self):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == self.process.pid:
                return application
        return None

    def window(self, name):
        """The window with the given title once the program has made it the active window, as a
        person waits for a window to come to the front. Until then the program may still ask
        the window manager to activate or place it, which would undo what is done meanwhile."""
        def in_front():
            for window in children(self.app):
                if window.name == name and all(has_state(window, state) for state in (
                        pyatspi.STATE_SHOWING, pyatspi.STATE_ACTIVE)):
                    return window
            return None
        return wait_for(f"the window '{name}' in front", in_front)

    def gone(self, window):
        name = window.name
        wait_for(f"'{name}' to close", lambda: not any(
            w.name == name and has_state(w, pyatspi.STATE_SHOWING) for w in children(self.app)))

    def open(self, opener, name):
        """Presses a control of the main window and returns the window it opened."""
        press(find(self.main, "push button", opener))
        return self.window(name)

    def choose(self, band, colour):
        chooser = self.open(f"{band}. proužek", palette(band))
        press(find(chooser, "push button", colour))
        self.gone(chooser)

    def close(self):
        run("wmctrl", "-c", MAIN)  # the close box, through the window manager
        status = self.process.wait(LIMIT)
        if status != 0:
            raise Failure(f"the program ended with status {status}")


# --- the checks -------------------------------------------------------------------------------

def calculation(program):
    """The whole calculation through AT-SPI actions alone, read back through AT-SPI."""
    for band, colour in [(1, "Žlutá"), (2, "Fialová"), (3, "Oranžová"), (4, "Stříbrná")]:
        program.choose(band, colour)
        box = find(program.main, "push button", f"{band}. proužek")
        wait_for(f"band {band} to read {colour}", lambda: box.description == colour)
    press(find(program.main, "push button", "Vypočítej ->"))
    value = find(program.main, "text", "Hodnota")
    wait_for("the value", lambda: text_of(value) == "47")
    # On Linux, Qt names a combo box by its chosen entry.
    unit = next(a for a in descendants(program.main) if role_of(a) == "combo box").name
    tolerance = text_of(find(program.main, "label", "Odchylka"))
    if (unit, tolerance) != ("k", "+/-  10%"):
        raise Failure(f"the result row reads 47 {unit}Ω {tolerance!r}")


MAIN_WINDOW_TREE = [
    ("push button", "O aplikaci..."), ("push button", "Nápověda"),
    ("panel", "Vypočet z barevných proužků"), ("push button", "Vypočítej ->"),
    ("text", "Hodnota"), ("combo box", "Jednotka"), ("label", "ohmů"), ("label", "Odchylka"),
    ("push button", "4. proužek"), ("push button", "3. proužek"),
    ("push button", "2. proužek"), ("push button", "1. proužek"),
]

# window title, its role, and controls it must hold
SECONDARY_WINDOWS = [
    (palette(1), "dialog", [("panel", "1. barva"), ("push button", "Hnědá")]),
    (palette(2), "dialog", [("panel", "2. barva"), ("push button", "Černá")]),
    (palette(3), "dialog", [("panel", "3. barva"), ("push button", "Zlatá")]),
    (palette(4), "dialog", [("panel", "4. barva"), ("push button", "Žádná")]),
    (ABOUT, "dialog", [("link", "Web programu: ohmilka.example.org"), ("push button", "OK")]),
    (HELP, "dialog", [("panel", " Licence "), ("push button", "OK")]),
]
OPENERS = {palette(n): f"{n}. proužek" for n in range(1, 5)} | {ABOUT: "O aplikaci...",
                                                                HELP: "Nápověda"}


def roles(program):
    """Every window's role and name, and what a screen reader finds inside."""
    if role_of(program.main) != "frame":
        raise Failure(f"the main window reports '{role_of(program.main)}'")
    tree = [(role_of(a), a.name) for a in descendants(program.main)]
    if tree != MAIN_WINDOW_TREE:
        raise Failure(f"the main window holds {tree}")
    for name, role, holds in SECONDARY_WINDOWS:
        window = program.open(OPENERS[name], name)
        if role_of(window) != role:
            raise Failure(f"'{name}' reports '{role_of(window)}'")
        inside = [(role_of(a), a.name) for a in descendants(window)]
        for control in holds:
            if control not in inside:
                raise Failure(f"'{name}' lacks {control}: {inside}")
        for control_role, control_name in inside:
            if control_role in ("filler", "frame") or (control_role != "panel" and
                                                       control_role != "text" and
                                                       not control_name.strip()):
                raise Failure(f"'{name}' exposes an unnamed {control_role}")
        close(program, window)


def close(program, window):
    if window.name in (ABOUT, HELP):
        press(find(window, "push button", "OK"))
    else:
        run("wmctrl", "-c", window.name)
    program.gone(window)


def minimise(program):
    """A minimised modal window comes back when the user turns to the main window, and the main
    window then takes clicks again."""
    main = x_window(MAIN)
    for name in (palette(1), ABOUT, HELP):
        window = program.open(OPENERS[name], name)
        modal = x_window(name)
        run("xdotool", "windowminimize", modal)
        wait_for(f"'{name}' to be iconified", lambda: wm_state(modal) == "Iconic")
        run("xdotool", "windowactivate", main)
        wait_for(f"'{name}' back in front", lambda: wm_state(modal) == "Normal"
                 and active_window() == int(modal))
        close(program, window)
    # A click on the help button of the main window opens help: the main window takes input.
    # The click waits for the window manager's restoring animation to end and aims where the
    # button is seen: its place in the window, from the window's place on screen.
    settled_frame(main)
    left, top, _, _ = inner_area(main)
    window = program.main.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    button = find(program.main, "push button", "Nápověda").queryComponent()
    extents = button.getExtents(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", str(left + extents.x - window.x + extents.width // 2),
        str(top + extents.y - window.y + extents.height // 2), "click", "1")
    close(program, program.window(HELP))


def centring(program):
    """Every window that centres itself does so by its outer frame, each time it is loaded; a
    palette shown again stays where it was."""
    screen = run("xwininfo", "-root")
    width = int(re.search(r"Width: (\d+)", screen).group(1))
    height = int(re.search(r"Height: (\d+)", screen).group(1))

    def check(name):
        left, top, w, h = settled_frame(x_window(name))
        if abs(left - (width - w) / 2) > 1 or abs(top - (height - h) / 2) > 1:
            raise Failure(f"'{name}' has its frame at {left},{top} {w}x{h} on {width}x{height}")
        return left, top

    check(MAIN)
    for name in (palette(1), palette(2), palette(3), palette(4), ABOUT, ABOUT, HELP):
        window = program.open(OPENERS[name], name)
        check(name)
        close(program, window)
    places = []
    for _ in range(2):
        program.open(OPENERS[palette(2)], palette(2))
        places.append(settled_frame(x_window(palette(2))))
        press(find(program.window(palette(2)), "push button", "Černá"))  # hides it
        wait_for("the palette to hide", lambda: not subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", re.escape(palette(2))],
            capture_output=True).stdout)
    if places[0] != places[1]:
        raise Failure(f"the palette shown again moved from {places[0]} to {places[1]}")


CHECKS = {"calculation": calculation, "roles": roles, "minimise": minimise, "centring": centring}


def run_check(program_path, check, **settings):
    """Starts the program, runs the check on it and closes it as a user does. The program ends
    with the check, also when it never shows its window or the check fails."""
    pyatspi.setTimeout(5000, 5000)  # a blocked action fails the check instead of waiting 25 s
    program = Program(program_path, **settings)
    try:
        program.wait_until_shown()
        check(program)
        program.close()
    except Exception:
        program.process.kill()
        raise


def main():
    program_path, check = sys.argv[1], sys.argv[2]
    run_check(program_path, CHECKS[check])
    print(f"PASS: {check}")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        sys.exit(f"FAIL: {failure}")
