#!/usr/bin/python3
"""The example candidate worked through as a screen-reader user would.

Starts the program as a screen reader finds it (the accessibility bus
switched on, nothing forced in Qt), presses "Beispiel " and every step
through AT-SPI, and reads the results back as they are announced: each with
its meaning and its value, and announced anew when the value changes.

    dbus-run-session -- atspi_session.py PROGRAM    (on an X display)

Exits 77 (skipped) when AT-SPI cannot start here, unless
KURSWAAGE_REQUIRE_ATSPI=1, where that is a failure.
"""
import os
import subprocess
import sys
import time

SKIP = 77


def give_up(message):
    print(message, file=sys.stderr)
    sys.exit(1 if os.environ.get("KURSWAAGE_REQUIRE_ATSPI") == "1" else SKIP)


try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Gio, GLib
    import pyatspi
except (ImportError, ValueError) as error:
    give_up(f"AT-SPI for Python is missing (python3-pyatspi): {error}")


def switch_on_screen_reader():
    """What a screen reader does first: tell applications it is there."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 5000, None)


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(condition, what, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        value = condition()
        if value:
            return value
    raise AssertionError(f"timed out waiting for {what}")


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def by_name(window, name, role=None):
    for node in descendants(window):
        if node.name == name and (role is None or node.getRoleName() == role):
            return node
    raise AssertionError(f"nothing named {name!r}")


def main():
    program = sys.argv[1]
    try:
        switch_on_screen_reader()
    except GLib.Error as error:
        give_up(f"no accessibility bus: {error.message}")

    announced = []  # (old is unknown) new names, in the order they were announced
    pyatspi.Registry.registerEventListener(lambda event: announced.append(event.source.name),
                                           "object:property-change:accessible-name")
    # A screen reader's desktop has the registry running before programs start.
    pyatspi.Registry.getDesktop(0).childCount
    env = {k: v for k, v in os.environ.items() if k != "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"}
    process = subprocess.Popen([program], env=dict(env, QT_QPA_PLATFORM="xcb"))
    try:
        def find_window():
            desktop = pyatspi.Registry.getDesktop(0)
            desktop.clear_cache()  # programs join the desktop after it was first read
            for app in desktop:
                if app is not None and app.name == "kurswaage":
                    for window in app:
                        if window is not None and window.name == "Kurswaage":
                            return window
            return None
        window = wait_for(find_window, "the main window on the accessibility bus", 20)

        def press(name):
            button = by_name(window, name, "push button")
            wait_for(lambda: button.getState().contains(pyatspi.STATE_ENABLED), f"{name!r} enabled")
            actions = button.queryAction()
            actions.doAction(next(i for i in range(actions.nActions) if actions.getName(i) == "Press"))

        def name_of_result(meaning):
            for node in descendants(window):
                if node.getRoleName() == "label" and node.name.startswith(meaning + ": "):
                    return node.name
            return None

        def expect(meaning, value):
            expected = f"{meaning}: {value}"
            got = wait_for(lambda: name_of_result(meaning), f"a value for {meaning!r}")
            assert got == expected, f"{got!r} announced instead of {expected!r}"
            wait_for(lambda: expected in announced, f"{expected!r} announced", 5)
            print(f"announced: {expected}")

        press("Beispiel ")
        wait_for(lambda: by_name(window, "Fach 1, 1. KHJ").queryValue().currentValue == 10, "the example's points")
        for step, half_year in (("Prüfen, 1. KHJ", 1), ("Prüfen, 2. KHJ", 2), ("Prüfen, 3. KHJ", 3),
                                ("Zulassung", 4)):
            press(step)
            expect(f"Durchschnitt {half_year}. KHJ", "10.6")
        # A list reads its lines through the text interface.
        third = by_name(window, "Kurse unter 05 NP, 3. KHJ").queryText()
        lines = wait_for(lambda: third.getText(0, -1).strip() or None, "lines in the third list")
        assert lines == "bestanden\nunter 05 NP im 9. Fach", f"the third list reads {lines!r}"
        print(f"third list: {lines!r}")
        expect("Zur Abiturprüfung zugelassen", "\u2714")
        expect("Begründung der Zulassung", "Du bist zugelassen.")

        press("Abiturprüfung")
        expect("Abiturprüfungen", "\u2714")
        expect("Ergebnis der Abiturprüfungen", "bestanden")
        press("Berechnen")
        expect("Gesamtdurchschnitt", "2,1")
    finally:
        process.terminate()
        process.wait(10)


if __name__ == "__main__":
    main()
