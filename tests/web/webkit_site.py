#!/usr/bin/env python3
"""The site in WebKitGTK, the engine of Safari, on the X server it is started
on (tests/private-desktop): the page loads without an error and without asking any
other server; on every screen size of the session's description the form
fills the page without a control beyond its width or over another, and the
example, scrolled to by the wheel, works through real clicks (xdotool); the
calculator (typed points) and the help work too.

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


SESSION = json.loads((Path(__file__).parent.parent / "session.json").read_text(encoding="utf-8"))


def shows_value(found, value):
    """Whether a widget shows `value`: a result's text in the tree is its
    caption and then its value."""
    return bool(found) and (found["text"] == value or found["text"].endswith(" " + value))


def load(width=1400, height=800):
    window.resize(width, height)
    view.load_uri(origin + "/")
    wait(lambda: evaluate(SWITCH_ON), what="the switch of the screen reader")
    wait_for("Kurswaage", "pushButton_9", lambda f: f and f["visible"], "never shown")
    wait_for("Kurswaage", "Kurswaage", lambda f: f and (f["width"], f["height"]) == (width, height),
             f"does not fill a page of {width}×{height}")


def reach(name):
    """Scrolls the form by the mouse wheel until the widget is in view."""
    for _ in range(60):
        out = evaluate(f"window.kurswaageOutOfView('Kurswaage', '{name}')")
        assert out, f"{name} is not on the scrolling page"
        if not out["dx"] and not out["dy"]:
            return
        view_box = out["viewport"]
        origin_x, origin_y = view.get_window().get_origin()[1:]
        # Over the form's left margin: a field under the pointer would take
        # the wheel's buttons for a click.
        xdotool("mousemove", str(origin_x + int(view_box["x"] + 8)),
                str(origin_y + int(view_box["y"] + view_box["height"] / 2)))
        # Buttons 4 and 5 turn the wheel up and down, 6 and 7 left and right.
        if out["dy"]:
            xdotool("click", "5" if out["dy"] > 0 else "4")
        else:
            xdotool("click", "7" if out["dx"] > 0 else "6")
        last, still = None, 0
        while still < 3:
            time.sleep(0.1)
            now = widget("Kurswaage", name)
            still, last = (still + 1 if now == last else 0), now
    raise AssertionError(f"{name} cannot be scrolled into view")


def example_on(screen):
    """The example on a page of one screen's size: the form lies inside the
    page's width (a phone may scroll sideways where the smallest form is
    wider), no control overlaps another, every button is reached by
    scrolling, and the grade comes out."""
    width, height = screen["width"], screen["height"]
    load(width, height)
    problems = [problem for problem in evaluate(f"window.kurswaageLayoutProblems('Kurswaage', {width})")
                if not (screen.get("sideways") and "beyond" in problem)]
    assert not problems, problems
    for step in SESSION["example"]:
        reach(step["press"])
        click("Kurswaage", step["press"])
        for name, value in step.get("shows", {}).items():
            reach(name)
            wait_for("Kurswaage", name, lambda f, value=value: shows_value(f, value), f"does not show {value!r}")
    if screenshots:
        screenshot(screenshots / f"webkit-{width}x{height}.png")


def calculator():
    load()
    steps = SESSION["calculator"]
    click("Kurswaage", steps["open"])
    for field, text in steps["type"].items():
        type_into(steps["window"], field, text)
    click(steps["window"], steps["press"])
    for name, value in steps["shows"].items():
        wait_for(steps["window"], name, lambda f, value=value: shows_value(f, value), f"does not show {value!r}")
    click(steps["window"], steps["close"])
    wait_for(steps["window"], steps["window"], lambda f: not f or not f["visible"], "stays open")


def help_window():
    steps = SESSION["help"]
    click("Kurswaage", steps["open"])
    for name, beginning in steps["begins"].items():
        wait_for(steps["window"], name, lambda f, beginning=beginning: f and f["visible"] and f["text"].startswith(beginning))
    click(steps["window"], steps["close"])
    wait_for(steps["window"], steps["window"], lambda f: not f or not f["visible"], "stays open")


checks = [(f"{screen['what']}, {screen['width']}×{screen['height']}: the whole form, the example ends in 2,1",
           lambda screen=screen: example_on(screen)) for screen in SESSION["screens"]]
checks += [("the calculator computes", calculator), ("the help opens and closes", help_window)]
failures = 0
for number, (name, check) in enumerate(checks):
    try:
        check()
        print(f"PASS {name}", flush=True)
    except Exception as error:  # noqa: BLE001 - every check reports, then the next one runs
        failures += 1
        print(f"FAIL {name}: {error}", flush=True)
        if screenshots:
            screenshot(screenshots / f"webkit-failed-{number}.png")
if problems:
    failures += 1
    print("FAIL no console error, no request elsewhere:", *problems, sep="\n  ")
else:
    print("PASS no console error, no request elsewhere")
server.shutdown()
sys.exit(1 if failures else 0)
