// The site in WebKitGTK, the engine of Safari, on the private desktop it
// is started on (tests/private-desktop), through the browser tests' page
// driver: on every screen size of the session the form fills the page and
// the example works through real clicks and the mouse wheel (xdotool); the
// calculator takes points typed on the keyboard. (That the page asks no
// other server and logs no error, Chromium checks.)
//   gjs -m webkit_site.mjs DIST_DIR
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import Gtk from 'gi://Gtk?version=3.0';
import WebKit2 from 'gi://WebKit2?version=4.1';
import System from 'system';
import { runChecks, sleep, useCalculator, waitForWidget, workThroughExample } from './site_session.mjs';

const [dist] = System.programArgs;
const here = GLib.path_get_dirname(GLib.filename_from_uri(import.meta.url)[0]);
const read = (path) => new TextDecoder().decode(GLib.file_get_contents(path)[1]);
const session = JSON.parse(read(`${here}/../session.json`));

// The site as a plain host serves it, by the server the Chromium tests use.
const server = Gio.Subprocess.new(['node', `${here}/../../tools/web/serve.mjs`, dist],
                                  Gio.SubprocessFlags.STDOUT_PIPE | Gio.SubprocessFlags.STDIN_PIPE);
const origin = new Gio.DataInputStream({ base_stream: server.get_stdout_pipe() }).read_line_utf8(null)[0];

Gtk.init(null);
const content = new WebKit2.UserContentManager();
content.add_script(new WebKit2.UserScript(read(`${here}/form_reader.js`), WebKit2.UserContentInjectedFrames.TOP_FRAME,
                                          WebKit2.UserScriptInjectionTime.START, null, null));
const view = WebKit2.WebView.new_with_user_content_manager(content);
const window = new Gtk.Window();
window.set_decorated(false);
window.add(view);
window.move(0, 0);
window.show_all();

function xdotool(...args) {
    const process = Gio.Subprocess.new(['xdotool', ...args.map(String)], Gio.SubprocessFlags.NONE);
    return new Promise((resolve, reject) => process.wait_check_async(null, (_process, result) => {
        try {
            resolve(process.wait_check_finish(result));
        } catch (error) {
            reject(error);
        }
    }));
}

// The screen position of a point of the page.
function onScreen({ x, y }) {
    const [, left, top] = view.get_window().get_origin();
    return [Math.round(left + x), Math.round(top + y)];
}

const page = {
    query: (expression) => new Promise((resolve, reject) => {
        view.evaluate_javascript(`JSON.stringify(${expression})`, -1, null, null, null, (_view, result) => {
            try {
                resolve(JSON.parse(view.evaluate_javascript_finish(result).to_string()));
            } catch (error) {
                reject(error);
            }
        });
    }),
    press: (point) => xdotool('mousemove', ...onScreen(point), 'click', 1),
    // Over the form's left margin: a field under the pointer would take
    // the wheel's buttons for a click. Buttons 4 and 5 turn the wheel up
    // and down, 6 and 7 left and right.
    async scroll(out, by) {
        await xdotool('mousemove', ...onScreen({ x: out.viewport.x + 8, y: out.viewport.y + out.viewport.height / 2 }));
        await xdotool('click', by.dy ? (by.dy > 0 ? 5 : 4) : (by.dx > 0 ? 7 : 6));
    },
    async type(text) {
        await xdotool('key', 'ctrl+a');
        await xdotool('type', '--delay', 50, text);
    },
};

// Qt's switch of its accessibility tree, by its German label, activated as
// a screen reader activates a button.
const SWITCH_ON = `(function () {
    const host = document.getElementById('qt-shadow-container');
    const button = host && host.shadowRoot && [...host.shadowRoot.querySelectorAll('button')]
        .find((b) => b.textContent === 'Bildschirmleser einschalten');
    if (button)
        button.click();
    return !!button;
}())`;

async function load({ width, height }) {
    window.resize(width, height);
    view.load_uri(origin + '/');
    for (const deadline = Date.now() + 60000; !(await page.query(SWITCH_ON)); await sleep(100)) {
        if (Date.now() > deadline)
            throw new Error('no switch of the screen reader');
    }
    await waitForWidget(page, 'Kurswaage', 'Kurswaage', (f) => f && f.width === width && f.height === height,
                        `does not fill a page of ${width}×${height}`);
}

const desktop = { width: 1400, height: 800 };
const checks = session.screens.map((screen) => [
    `${screen.what}, ${screen.width}×${screen.height}: the whole form, the example by clicks ends in 2,1`,
    async () => {
        await load(screen);
        await workThroughExample(page, session, screen);
    }]);
checks.push(['the calculator takes typed points', async () => {
    await load(desktop);
    await useCalculator(page, session);
}]);

const loop = new GLib.MainLoop(null, false);
let failures = 1;
runChecks(checks, print)
    .then((count) => { failures = count; })
    .catch((error) => print(`FAIL ${error}`))
    .finally(() => loop.quit());
loop.run();
server.force_exit();
System.exit(failures ? 1 : 0);
