#!/usr/bin/python3
"""A blind student's session: the program driven by keyboard alone while Orca
speaks, checked against what Orca says.

    screen_reader_session.py PROGRAM    (on tests/private-desktop --screen-reader)
    screen_reader_session.py --browser COMMAND...

With --browser, COMMAND works the web build's example through by keyboard
in Chromium (tests/web/chromium_orca.mjs) and stays until its standard
input closes; Orca must say the grade, from the page's live region.

Starts Orca with the desktop's default settings and a debug file, then the
program. Keys go in through XTEST as from a keyboard; what counts is the
SPEECH OUTPUT lines of Orca's debug file. Exits 77 (skipped) where Orca cannot start, unless
KURSWAAGE_REQUIRE_ORCA=1, where that is a failure.
"""
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

SKIP = 77
# What a session walks through, and what each step says.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "session.json"), encoding="utf-8") as description:
    SESSION = json.load(description)
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")


def give_up(message):
    print(message, file=sys.stderr)
    sys.exit(1 if os.environ.get("KURSWAAGE_REQUIRE_ORCA") == "1" else SKIP)


class Orca:
    """Orca on this desktop, and what it has said so far.

    Its debug file is a terminal of ours: Orca writes a file block by block
    but a terminal line by line, so each line arrives as it is spoken."""

    def __init__(self, home):
        self.log = os.path.join(home, "orca.log")
        self.lines = []
        self.heard = 0  # lines already looked at by expect()
        master, slave = os.openpty()
        tty.setraw(slave)
        self.process = subprocess.Popen(["orca", "--replace", f"--debug-file={os.ttyname(slave)}"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Our end stays open: a terminal nobody holds reads as an error.
        self.terminal = slave
        threading.Thread(target=self._read, args=(master,), daemon=True).start()

    def _read(self, master):
        with open(self.log, "wb") as log, os.fdopen(master, "rb") as terminal:
            try:
                for line in terminal:
                    log.write(line)
                    match = SPEECH.search(line.decode("utf-8", "replace"))
                    if match:
                        self.lines.append(match.group(1))
            except OSError:  # Orca has gone
                pass

    def _await(self, wanted, seconds, failure):
        """Waits for a line not yet looked at for which wanted(line) holds; returns it."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            for index in range(self.heard, len(self.lines)):
                if wanted(self.lines[index]):
                    self.heard = index + 1
                    return self.lines[index]
            time.sleep(0.05)
        raise AssertionError(f"{failure}; it said: {self.lines[self.heard:]}")

    def expect(self, *fragments, seconds=10, what=None):
        """Waits until Orca says every fragment in one utterance; returns it."""
        return self._await(lambda line: all(f in line for f in fragments), seconds, f"Orca did not say {what or fragments!r}")

    def next(self, seconds=10):
        """The next thing Orca says that is not the echo of a key (those end in a blank)."""
        return self._await(lambda line: not line.endswith(" "), seconds, "Orca fell silent")

    def settle(self, quiet=0.7, seconds=10):
        """Waits until Orca has said nothing for `quiet` seconds, as a
        listener waits for the end of a sentence before the next key."""
        end = time.monotonic() + seconds
        count, since = len(self.lines), time.monotonic()
        while time.monotonic() < end and time.monotonic() - since < quiet:
            time.sleep(0.05)
            if len(self.lines) != count:
                count, since = len(self.lines), time.monotonic()


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def type_text(orca, text):
    """Types key by key, each once Orca has echoed the one before."""
    for character in text:
        key(character)
        orca.expect(character + " ", what=f"the echo of {character!r}")


def tab_to(orca, name, backwards=False, limit=100):
    """Tabs on, as a student does, until Orca names the wanted widget."""
    for _ in range(limit):
        # Each widget is heard to its end (some in two parts) first.
        orca.settle(quiet=0.4)
        orca.heard = len(orca.lines)
        key("shift+Tab" if backwards else "Tab")
        if orca.next().startswith(name):
            return
    raise AssertionError(f"{name!r} not reached by Tab")


def window_class_is_in_desktop_entry(pid):
    """Docks and task bars find the desktop entry by the window's class."""
    here = os.path.dirname(os.path.abspath(__file__))
    entry = glob.glob(os.path.join(here, "..", "resources", "desktop", "*.desktop"))[0]
    with open(entry, encoding="utf-8") as file:
        wanted = re.search(r"^StartupWMClass=(.*)$", file.read(), re.M).group(1)
    windows = subprocess.run(["xdotool", "search", "--pid", str(pid)], capture_output=True, text=True).stdout.split()
    classes = [subprocess.run(["xprop", "-id", window, "WM_CLASS"], capture_output=True, text=True).stdout
               for window in windows]
    assert any(line.rstrip().endswith(f', "{wanted}"') for line in classes), (wanted, classes)


def session(orca):
    # The window opens; empty results are not read as verdicts.
    opening = orca.expect("Kurswaage", seconds=20)
    for meaning in ("Begründung der Zulassung", "Ergebnis der Abiturprüfungen", "zugelassen: Zur"):
        assert meaning not in opening, opening
    print(f"opening: {opening}")

    # The first subject choice has the focus; choosing another says it.
    orca.expect("Fach 1", what="the first subject choice")
    key("Down")
    print("subject:", orca.expect("Deutsch", what="the chosen subject"))

    tab_to(orca, "Beispiel", backwards=True)
    key("space")
    # The example's steps after "Beispiel ", and what each must say.
    steps = [(step["name"], step["says"]) for step in SESSION["example"] if "says" in step]
    for button, result in steps:
        if button == "Abiturprüfung":
            # The question is said once, as the context of its answer.
            tab_to(orca, "Besondere Lernleistung?")
            start = orca.heard - 1
            orca.settle()
            heard = " ".join(orca.lines[start:])
            assert heard.count("Besondere Lernleistung?") == 1 and re.search(r"\b(ja|nein)\b", heard), heard
            print(f"question: {heard}")
        tab_to(orca, button)
        key("space" if button.startswith("Prüfen") else "Return")
        print(f"{button}: {orca.expect(result)}")

    # A list reads its lines with the arrow keys.
    tab_to(orca, "Kurse unter 05 NP, 3. KHJ")
    # (The list is narrow: its second line shows on two, broken where the
    # font puts it, and Down reads the first of them.)
    key("Down")
    print("list:", orca.expect("unter 05 NP im", what="the list's second line"))

    # The calculator computes on Return and is left with Escape.
    calculator, help_window = SESSION["calculator"], SESSION["help"]
    tab_to(orca, "Prüfungsfach 1, mündliche Nachprüfung")
    key("Return")
    orca.expect("Dialog", what="the calculator")
    for field, points in zip(("Prüfung, Punkte", "Nachprüfung, Punkte"), calculator["type"].values()):
        tab_to(orca, field)
        type_text(orca, points)
    key("Return")
    print("calculator:", orca.expect("Neue Notenpunkte, Ergebnis: " + calculator["shows"]["label_5"]))
    key("Escape")
    orca.expect("Kurswaage", what="the main window again")

    # The help window reads its text.
    tab_to(orca, "Hilfe")
    key("Return")
    orca.expect("Hilfe", what="the help window")
    tab_to(orca, "Hilfetext")
    beginning = help_window["begins"]["textBrowser"]
    first = orca.expect(beginning, what="the help text's first line")
    key("Down")
    second = orca.next()
    assert second.strip() and second != first and not second.startswith(beginning), second
    print(f"help: {first} / {second}")
    key("Escape")
    orca.expect("Kurswaage", what="the main window again")
    orca.settle()


def browser_session(orca, command):
    page = subprocess.Popen(command, stdin=subprocess.PIPE)
    try:
        print("Berechnen:", orca.expect(SESSION["example"][-1]["says"].rstrip("."), seconds=120))
    finally:
        page.stdin.close()
        assert page.wait(30) == 0, f"the page ended with status {page.returncode}"


def main():
    browser = sys.argv[1] == "--browser"
    orca = Orca(tempfile.mkdtemp(prefix="kurswaage-orca-"))
    program_process = None
    try:
        try:
            orca.expect(seconds=30, what="anything: Orca did not start")
        except AssertionError as error:
            give_up(str(error))
        if browser:
            browser_session(orca, sys.argv[2:])
            return
        env = {k: v for k, v in os.environ.items() if k != "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"}
        program_process = subprocess.Popen([sys.argv[1]], env=dict(env, QT_QPA_PLATFORM="xcb"))
        session(orca)
        window_class_is_in_desktop_entry(program_process.pid)
        key("Escape")
        assert program_process.wait(10) == 0, "the program did not end with status 0 on Escape"
    finally:
        print("Orca said:\n  " + "\n  ".join(orca.lines))
        if os.environ.get("KURSWAAGE_ORCA_LOG"):
            shutil.copy(orca.log, os.environ["KURSWAAGE_ORCA_LOG"])
        for process in (program_process, orca.process):
            if process and process.poll() is None:
                process.kill()
                process.wait(10)
        shutil.rmtree(os.path.dirname(orca.log), ignore_errors=True)


if __name__ == "__main__":
    main()
