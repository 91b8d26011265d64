#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""What Orca says while a user works Ohmilka with the pointer, read from Orca's debug log.

Run it inside tests/desktop/session.sh:  orca_test.py PROGRAM LOCALE
Orca runs with preferences and a debug log of the check's own, over a speech-dispatcher of the
check's own that speaks to no sound card. Each step's phrases are those Orca logs with a time
stamp after the step began: Orca queues events and handles them later, so where a phrase stands
in the file says little.
The check looks for the program's own texts in the phrases, never Orca's words, which follow
the locale. Waits are bounded; nothing asserts how long anything takes.
"""
import contextlib
import datetime
import importlib.util
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

import desktop_test as desktop
from desktop_test import Failure, find, has_state, palette, wait_for

import pyatspi

# Orca 43 (Debian 12) writes the voice right after the phrase, Orca 48 (Debian 13) after a space.
SPEECH = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?[\[{]", re.M)
# Orca 48 keeps the description it generated for each control and forgets them all every 2 s.
CACHE_CLEARED = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - GENERATOR: Clearing cache\.", re.M)
def forgets_descriptions():
    """Whether the installed Orca keeps descriptions it generated until it clears them."""
    folders = importlib.util.find_spec("orca").submodule_search_locations
    with open(os.path.join(folders[0], "generator.py"), encoding="utf-8") as generator:
        return "GENERATOR: Clearing cache." in generator.read()


FORGETS_DESCRIPTIONS = forgets_descriptions()
CHOICES = [(1, "Žlutá"), (2, "Fialová"), (3, "Červená"), (4, "Zlatá")]  # 4.7 kΩ ±5 %
# Orca as installed, with its debug log written line by line instead of in blocks, so that the
# check hears a phrase as soon as Orca says it, also when nothing follows.
ORCA = """
import builtins, runpy, sys
plain_open = builtins.open
def open_line_buffered(file, mode="r", *args, **kwargs):
    if mode == "w":
        kwargs.setdefault("buffering", 1)
    return plain_open(file, mode, *args, **kwargs)
builtins.open = open_line_buffered
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


class Orca:
    """Orca and its speech-dispatcher, started for the check and ended with it."""

    def __init__(self, folder, locale):
        self.log = os.path.join(folder, "orca.log")
        config = os.path.join(folder, "config")
        os.makedirs(os.path.join(config, "speech-dispatcher"))
        with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "w") as conf:
            conf.write('AudioOutputMethod "alsa"\nAddModule "dummy" "sd_dummy" ""\n'
                       "DefaultModule dummy\n")
        alsa = os.path.join(folder, "alsa.conf")
        with open(alsa, "w") as conf:
            conf.write("pcm.!default { type null }\n")
        # speech-dispatcher stops at a locale the C library lacks; Orca falls back to its own.
        environment = dict(os.environ, XDG_CONFIG_HOME=config, ALSA_CONFIG_PATH=alsa,
                           LC_ALL="C.UTF-8")
        self.processes = []
        self.processes.append(subprocess.Popen(
            ["speech-dispatcher", "--run-single", "--timeout", "0"], env=environment,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True))
        socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        wait_for("speech-dispatcher to listen", lambda: os.path.exists(socket))
        errors = os.path.join(folder, "orca.err")
        with open(errors, "w") as stderr:
            self.processes.append(subprocess.Popen(
                ["/usr/bin/python3", "-c", ORCA, "--debug-file", self.log, "-u",
                 os.path.join(folder, "preferences")],
                env=dict(environment, LC_ALL=locale), stdout=subprocess.DEVNULL, stderr=stderr,
                start_new_session=True))
        try:
            self.heard("Orca to start and speak", since="", contains="", seconds=30)
        except Failure:
            self.end()
            with open(errors, errors="replace") as stderr:
                raise Failure(f"Orca did not start: {stderr.read().strip()[-500:]}")

    def phrases(self, since, until="99"):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return [said for at, said in SPEECH.findall(log.read()) if since <= at < until]
        except FileNotFoundError:
            return []

    def heard(self, what, since, contains, seconds=desktop.LIMIT):
        """The first phrase since the time that holds the text (or matches the pattern), once
        Orca has said it."""
        def found(phrase):
            return contains.search(phrase) if isinstance(contains, re.Pattern) else contains in phrase

        def said():
            return next((p for p in self.phrases(since) if found(p)), None)
        return wait_for(f"Orca to say {what}", said, seconds)

    def forgot_descriptions(self, since):
        """Waits until Orca has forgotten the descriptions it spoke since the time. Until then
        Orca 48 speaks a control's old description, even after the control has told it of a
        new one; Orca 43 keeps none."""
        def log():
            with open(self.log, encoding="utf-8", errors="replace") as file:
                return file.read()
        if FORGETS_DESCRIPTIONS:
            wait_for("Orca to forget the descriptions it spoke",
                     lambda: any(at >= since for at in CACHE_CLEARED.findall(log())))

    def handled(self, what, since, event):
        """Waits until Orca has handled an event of the kind since the time."""
        done = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - EVENT MANAGER: Dequeued " + re.escape(event),
                          re.M)

        def seen():
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return any(at >= since for at in done.findall(log.read()))
        wait_for(f"Orca to handle {what}", seen)

    @contextlib.contextmanager
    def busy(self):
        """Orca held still, as a screen reader busy with earlier events: what happens meanwhile
        waits in its queue until the block ends."""
        os.kill(self.processes[-1].pid, signal.SIGSTOP)
        try:
            yield
        finally:
            os.kill(self.processes[-1].pid, signal.SIGCONT)

    def end(self):
        """Orca first, then speech-dispatcher with its speech module: each with its group."""
        for process in reversed(self.processes):
            os.killpg(process.pid, signal.SIGTERM)
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()


def now():
    return datetime.datetime.now().strftime("%H:%M:%S.%f")


def click(accessible, orca):
    """A pointer click in the middle of the control, where AT-SPI places it. The button goes up
    once Orca has taken in its press, so that Orca handles the press before what it opens."""
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pressed = now()
    desktop.run("xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "mousedown", "1")
    orca.handled("the press", pressed, "mouse:button:1p")
    desktop.run("xdotool", "mouseup", "1")


def click_while_busy(accessible, orca, done):
    """A quick click while Orca is busy: Orca takes in the press only once the click has done
    its work (done returns), as it does when it lags behind a user."""
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    with orca.busy():
        desktop.run("xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
        return done()


def said_once(orca, what, since, until):
    """Orca said the text once in the time, not again."""
    times = sum(what in phrase for phrase in orca.phrases(since, until))
    if times != 1:
        raise Failure(f"Orca said '{what}' {times} times")


def check(program, orca, separator, start, lagging):
    """A user's way through the program; with lagging, Orca lags behind each band's and the
    button's click."""
    if not lagging:
        # Orca 43 takes a window that becomes active after one of its own commands' keys, as the
        # flat review at the end of a check, for a side effect of its key grab, and names it not.
        orca.heard("the main window's name", start, desktop.MAIN)
    # Then band 1, which has the focus, and its state: a user listens to the end before acting.
    orca.heard("the first band's colour", start, "nenastaveno")
    for band, colour in CHOICES:
        opened = now()
        opener = find(program.main, "push button", f"{band}. proužek")
        if lagging:
            chooser = click_while_busy(opener, orca, lambda: program.window(palette(band)))
        else:
            click(opener, orca)
            chooser = program.window(palette(band))
        orca.heard(f"band {band}'s palette", opened, palette(band))
        # As a user who does not choose within 2 s would: Orca 48 would speak the band's colour
        # as it was when it last spoke it.
        orca.forgot_descriptions(now())
        step = now()
        click(find(chooser, "push button", colour), orca)
        program.gone(chooser)
        said_once(orca, palette(band), opened, step)
        # The band's name, when Orca returns to it; on a busy machine Orca 48 may take the main
        # window's late deactivation for a return before the choice, and then, still on the
        # band, speaks only the new colour.
        orca.heard(f"band {band}", opened, re.compile(rf"^{band}\. proužek "))  # not its palette
        orca.heard(f"band {band}'s colour {colour}", step, colour)
    result = f"4{separator}7 k Ω +/-  5%"
    button = find(program.main, "push button", "Vypočítej ->")
    for press in ("first", "second"):
        step = now()
        if lagging:
            click_while_busy(button, orca, lambda: wait_for(
                "the button to take the focus", lambda: has_state(button, pyatspi.STATE_FOCUSED)))
        else:
            click(button, orca)
        orca.heard(f"the result after the {press} press", step, result)
    if lagging:
        # Flat review: the current line is the button's, the next one the result row.
        step = now()
        for key in ("KP_Up", "KP_Page_Up"):
            desktop.run("xdotool", "key", key)
        orca.heard("the result row in flat review", step, result)


def main():
    program_path, locale = sys.argv[1], sys.argv[2]
    separator = "," if locale.startswith("cs") else "."
    with tempfile.TemporaryDirectory() as folder:
        orca = Orca(folder, locale)
        try:
            # Twice in one Orca session, as a user starts the program again.
            for lagging in (False, True):
                start = now()
                desktop.run_check(
                    program_path, lambda program: check(program, orca, separator, start, lagging),
                    LC_ALL=locale)
        except Exception:
            for phrase in orca.phrases(""):
                print("Orca said:", phrase)
            raise
        finally:
            orca.end()
    print(f"PASS: Orca speaks the result ({locale})")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        sys.exit(f"FAIL: {failure}")
