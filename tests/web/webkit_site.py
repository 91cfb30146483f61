#!/usr/bin/env python3
"""The site in WebKitGTK, the engine of Safari, on the X server it is started
on (tests/under-x): the page loads without an error and without asking any
other server, and the example, the calculator (typed points) and the help work
through real clicks and keys (xdotool).

  webkit_site.py DIST_DIR [SCREENSHOT_DIR]
"""
import functools
import http.server
import json
import subprocess
import sys
import threading
import time
from pathlib import Path

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import GLib, Gtk, WebKit2  # noqa: E402

dist, screenshots = Path(sys.argv[1]), (Path(sys.argv[2]) if len(sys.argv) > 2 else None)

# Reports every console error, error and rejected promise to the test.
WATCH = """
(function () {
    const report = (text) => window.webkit.messageHandlers.problems.postMessage(String(text));
    const error = console.error;
    console.error = function (...parts) { report('console: ' + parts.join(' ')); error.apply(console, parts); };
    window.addEventListener('error', (event) => report('error: ' + event.message));
    window.addEventListener('unhandledrejection', (event) => report('rejection: ' + event.reason));
    document.addEventListener('securitypolicyviolation', (event) => report('policy: ' + event.blockedURI));
}());
"""


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietHandler, directory=str(dist)))
threading.Thread(target=server.serve_forever, daemon=True).start()
origin = f"http://127.0.0.1:{server.server_address[1]}"

problems = []
content = WebKit2.UserContentManager()
# The reader of the page's accessibility tree, as in Chromium.
FORM_READER = (Path(__file__).parent / "form_reader.js").read_text(encoding="utf-8")
for script in (WATCH, FORM_READER):
    content.add_script(WebKit2.UserScript(script, WebKit2.UserContentInjectedFrames.TOP_FRAME,
                                          WebKit2.UserScriptInjectionTime.START, None, None))
content.connect("script-message-received::problems", lambda _m, value: problems.append(value.get_js_value().to_string()))
content.register_script_message_handler("problems")
view = WebKit2.WebView.new_with_user_content_manager(content)


def resource_started(_view, _resource, request):
    uri = request.get_uri()
    if not (uri.startswith(origin + "/") or uri.startswith(("blob:", "data:", "about:"))):
        problems.append(f"request elsewhere: {uri}")


view.connect("resource-load-started", resource_started)
window = Gtk.Window()
window.set_decorated(False)
window.add(view)
window.set_default_size(1400, 800)
window.move(0, 0)
window.show_all()


def wait(condition, seconds=60, what="the page"):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while Gtk.events_pending():
            Gtk.main_iteration_do(False)
        answer = condition()
        if answer:
            return answer
        time.sleep(0.02)
    raise AssertionError(f"timed out waiting for {what}")


def evaluate(script):
    """The JSON of what `script` answers, run in the page."""
    answer = []
    view.evaluate_javascript(f"JSON.stringify({script})", -1, None, None, None,
                             lambda v, result: answer.append(v.evaluate_javascript_finish(result).to_string()))
    return json.loads(wait(lambda: answer, what=script)[0])


def widget(window_name, name):
    return evaluate(f"window.kurswaageWidget('{window_name}', '{name}')")


def wait_for(window_name, name, test=lambda found: found, what="shown"):
    found = [None]

    def check():
        found[0] = widget(window_name, name)
        return test(found[0])
    try:
        wait(check, 30, f"{window_name}/{name}")
    except AssertionError:
        raise AssertionError(f"{window_name}/{name} {what}; last seen {found[0]}") from None
    return found[0]


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)
    wait(lambda: True)


def click(window_name, name):
    found = wait_for(window_name, name, lambda f: f and f.get("visible") and f.get("enabled") and f.get("onTop"),
                     "not clickable")
    origin_x, origin_y = view.get_window().get_origin()[1:]
    xdotool("mousemove", str(origin_x + found["x"] + found["width"] // 2),
            str(origin_y + found["y"] + found["height"] // 2), "click", "1")


def type_into(window_name, name, text):
    click(window_name, name)
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "50", text)
    # Keys reach the page after the input method, later than clicks.
    shows(window_name, name, text)


def shows(window_name, name, text):
    wait_for(window_name, name, lambda f: f and f["text"] == text, f"does not show {text!r}")


def screenshot(path):
    done = []
    view.get_snapshot(WebKit2.SnapshotRegion.VISIBLE, WebKit2.SnapshotOptions.NONE, None,
                      lambda v, result: done.append(v.get_snapshot_finish(result)))
    wait(lambda: done, what="a snapshot")[0].write_to_png(str(path))


# Qt's switch of its accessibility tree, by its German label, activated as
# a screen reader activates a button.
SWITCH_ON = """(function () {
    const host = document.getElementById('qt-shadow-container');
    const button = host && host.shadowRoot && [...host.shadowRoot.querySelectorAll('button')]
        .find((b) => b.textContent === 'Bildschirmleser einschalten');
    if (button)
        button.click();
    return !!button;
}())"""


def load():
    view.load_uri(origin + "/")
    wait(lambda: evaluate(SWITCH_ON), what="the switch of the screen reader")
    wait_for("Kurswaage", "pushButton_9", lambda f: f and f["visible"], "never shown")


def example():
    xdotool("mousemove", "700", "700")
    click("Kurswaage", "pushButton_9")  # Beispiel
    for check in ("pushButton_7", "pushButton_6", "pushButton_8", "pushButton_4"):
        click("Kurswaage", check)
    shows("Kurswaage", "label_22", "Begründung der Zulassung: Du bist zugelassen.")
    click("Kurswaage", "pushButton_5")  # Abiturprüfung
    click("Kurswaage", "pushButton")  # Berechnen
    shows("Kurswaage", "label_34", "Gesamtdurchschnitt: 2,1")
    if screenshots:
        screenshot(screenshots / "webkit-1400x800.png")


def calculator():
    click("Kurswaage", "pushButton_17")  # mdl.
    type_into("muendlicheNachpruefung", "spinBox", "10")
    type_into("muendlicheNachpruefung", "spinBox_2", "5")
    click("muendlicheNachpruefung", "pushButton_4")  # errechnen
    wait_for("muendlicheNachpruefung", "label_5", lambda f: f and f["text"].endswith("8.33333"), "shows no 8.33333")
    click("muendlicheNachpruefung", "pushButton_3")  # Verlassen
    wait_for("muendlicheNachpruefung", "muendlicheNachpruefung", lambda f: not f or not f["visible"], "stays open")


def help_window():
    click("Kurswaage", "pushButton_2")  # Hilfe
    wait_for("Hilfe", "textBrowser", lambda f: f and f["visible"])
    click("Hilfe", "pushButton")  # Schließen
    wait_for("Hilfe", "Hilfe", lambda f: not f or not f["visible"], "stays open")


def tablet():
    window.resize(768, 1024)
    wait_for("Kurswaage", "Kurswaage", lambda f: f and f["width"] == 768 and f["height"] == 1024,
             "does not fill a tablet's page")
    if screenshots:
        screenshot(screenshots / "webkit-768x1024.png")


failures = 0
for name, check in [("loads", load), ("the example ends in 2,1", example), ("the calculator computes 8.33333", calculator), ("the help opens and closes", help_window),
                    ("a tablet's page", tablet)]:
    try:
        check()
        print(f"PASS {name}", flush=True)
    except Exception as error:  # noqa: BLE001 - every check reports, then the next one runs
        failures += 1
        print(f"FAIL {name}: {error}", flush=True)
        if screenshots:
            screenshot(screenshots / f"webkit-failed-{check.__name__}.png")
if problems:
    failures += 1
    print("FAIL no console error, no request elsewhere:", *problems, sep="\n  ")
else:
    print("PASS no console error, no request elsewhere")
server.shutdown()
sys.exit(1 if failures else 0)
