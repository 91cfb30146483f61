// The page in WebKitGTK, Safari's engine, in a phone's window and a desktop
// browser's: it loads, fits the width, works the session's example through
// by real clicks (xdotool), takes a subject chosen in GTK's popup menu and
// refuses points typed out of range, with no script error on the way and
// nothing refused by its content policy.
//   tests/private-desktop gjs -m tests/web/webkit_page.mjs DIST [SCREENSHOT_DIR]
// Prints PASS or FAIL per check; the exit status is the number of failures.
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import Gtk from 'gi://Gtk?version=3.0';
import WebKit2 from 'gi://WebKit2?version=4.1';
import System from 'system';

const [dist, shots] = System.programArgs;
const here = GLib.path_get_dirname(GLib.filename_from_uri(import.meta.url)[0]);
const session = JSON.parse(new TextDecoder().decode(GLib.file_get_contents(`${here}/../session.json`)[1]));
const sleep = (ms) => new Promise((resolve) => GLib.timeout_add(GLib.PRIORITY_DEFAULT, ms, () => resolve()));
const fail = (message) => { throw new Error(message); };
// A promise of what FINISH makes of an asynchronous call's result.
const promise = (start, finish) => new Promise((resolve, reject) => start((_source, result) => {
    try { resolve(finish(result)); } catch (error) { reject(error); }
}));

// The project's server; it stops when its standard input closes.
const server = Gio.Subprocess.new(['node', `${here}/../../tools/web/serve.mjs`, dist],
                                  Gio.SubprocessFlags.STDOUT_PIPE | Gio.SubprocessFlags.STDIN_PIPE);
const origin = new Gio.DataInputStream({ base_stream: server.get_stdout_pipe() }).read_line_utf8(null)[0];

// Script errors and refusals of the content policy, kept by the page for the
// test: WebKitGTK writes its console to the system's journal, which a test
// desktop may not have. The test's scripts run in a world of their own,
// where its globals do not meet the page's.
const WORLD = 'webkit_page';
function keepTroubles() {
    globalThis.troubles = [];
    for (const type of ['error', 'unhandledrejection', 'securitypolicyviolation'])
        addEventListener(type, (event) => globalThis.troubles.push(
            `${type}: ${event.message ?? event.reason ?? event.violatedDirective} ${event.blockedURI ?? ''}`));
}
Gtk.init(null);
const content = new WebKit2.UserContentManager();
content.add_script(WebKit2.UserScript.new_for_world(`(${keepTroubles})()`, WebKit2.UserContentInjectedFrames.TOP_FRAME,
                                                    WebKit2.UserScriptInjectionTime.START, WORLD, null, null));
// Ephemeral: no service worker or storage of an earlier run stands in for the site.
const view = new WebKit2.WebView({ is_ephemeral: true, user_content_manager: content });
const window = new Gtk.Window({ decorated: false, child: view });
window.show_all();

// The value of a JavaScript expression on the page, where byId(id) is the element of that id.
const js = (expression) => promise(
    (done) => view.evaluate_javascript(`((byId) => (${expression}))((id) => document.getElementById(id))`,
                                       -1, WORLD, null, null, done),
    (result) => JSON.parse(view.evaluate_javascript_finish(result).to_json(0) ?? 'null'));
function xdotool(...args) {
    const process = Gio.Subprocess.new(['xdotool', ...args.map(String)], Gio.SubprocessFlags.NONE);
    return promise((done) => process.wait_check_async(null, done), (result) => process.wait_check_finish(result));
}

// Polls EXPRESSION until WANTED(value); else fails with what was there.
async function until(expression, wanted, what, seconds = 5) {
    for (const deadline = Date.now() + seconds * 1000; ; await sleep(50)) {
        const value = await js(expression);
        if (wanted(value))
            return value;
        if (Date.now() > deadline)
            fail(`${what}: ${JSON.stringify(value)}`);
    }
}

// A click at the element's centre once it is in view and keeps still (a
// moment after typing, WebKit may scroll back to the field's caret). The
// page gets mouse events on a path of their own: the next script could
// come first, so the click is awaited; for a select its press, as the
// release may go to the menu it opens.
async function click(id, event = 'click') {
    const scroll = `byId('${id}').scrollIntoView({block: 'center'})`;
    await js(`byId('${id}').addEventListener('${event}', () => { globalThis.clicked = '${id}'; }, {once: true})`);
    await js(scroll);
    for (let last = null, deadline = Date.now() + 3000; Date.now() < deadline; await sleep(100)) {
        const at = await js(`(({x, y, width, height}, centre = [x + width / 2, y + height / 2]) => byId('${id}')
            .contains(document.elementFromPoint(...centre)) && centre)(byId('${id}').getBoundingClientRect())`);
        if (at && at.join() === last?.join()) {
            const [, left, top] = view.get_window().get_origin();
            await xdotool('mousemove', Math.round(left + at[0]), Math.round(top + at[1]), 'click', 1);
            return until('globalThis.clicked', (seen) => seen === id, `${id} not clicked, the last click was`);
        }
        last = at || await js(scroll);
    }
    fail(`${id} is out of reach`);
}

const texts = (ids) => `Object.fromEntries(${JSON.stringify(ids)}.map((id) => [id, byId(id).textContent.trim()]))`;
const same = (wanted) => (seen) => Object.entries(wanted).every(([id, text]) => seen[id] === text);
// What the first half-year's "Prüfen" shows.
const firstHalfYear = session.example.find((step) => step.press === 'pushButton_7').shows;

const checks = ({ width, height }) => [
    ['the engine loads', async () => {
        window.resize(width, height);
        // A query of its own tells this load from the page of the size before.
        view.load_uri(`${origin}/?${width}x${height}`);
        await until(`[location.search, document.body?.dataset.state, globalThis.troubles, innerWidth, innerHeight]`,
                    ([search, state, troubles, ...size]) => search === `?${width}x${height}` && (state !== 'failed'
                        ? state === 'ready' && size.join() === `${width},${height}`
                        : fail(`state failed, troubles: ${JSON.stringify(troubles)}`)),
                    'not ready in a minute', 60);
    }],
    ['nothing scrolls sideways', () => until('[document.documentElement.scrollWidth, innerWidth]',
                                             ([scroll, inner]) => scroll <= inner, 'scroll width, window width', 0)],
    ['the example by clicks', async () => {
        for (const step of session.example) {
            await click(step.press);
            const wanted = { ...step.shows, ...(step.says && { ansage: step.says }) };
            await until(texts(Object.keys(wanted)), same(wanted), `after ${step.press}`);
        }
        await until(`Object.fromEntries(${JSON.stringify(Object.keys(session.lists))}.map((id) =>
            [id, [...byId(id).children].map((line) => line.textContent).join('\\n')]))`,
                    same(session.lists), 'the lists', 0);
    }],
    ['a subject chosen in the popup menu', async () => {
        await click('comboBox_14', 'mousedown');
        await until('0', () => Gtk.Window.list_toplevels().some((menu) => menu !== window && menu.get_mapped()),
                    'no popup menu');
        await xdotool('key', 'Down', 'Return');
        await until(`byId('comboBox_14').value`, (seen) => seen === 'Deutsch', 'Fach 1');
        await click('pushButton_7');  // and the page still answers
        await until(texts(Object.keys(firstHalfYear)), same(firstHalfYear), 'after the choice, pushButton_7');
    }],
    // Keystroke by keystroke: "1" is taken, the "6" after it refused.
    ['typed 16 points refused', async () => {
        await click('spinBox');
        await xdotool('key', 'ctrl+a');
        await xdotool('type', '1');
        await until(`byId('spinBox').value`, (seen) => seen === '1', 'typed 1');
        await xdotool('type', '6');
        await until(`byId('spinBox-fehler')?.hidden === false && byId('spinBox-fehler').textContent`,
                    (seen) => seen === 'Nur ganze Punkte von 0 bis 15', 'the message');
        await click('pushButton_7');
        await until(`byId('spinBox').value`, (seen) => seen === '1', 'points before: 1, now');
    }],
    ['no script error nor refusal', () => until('troubles', (seen) => !seen.length, 'there were', 0)],
];

// Once the page never loaded, there is nothing to wait for.
let failures = 0, broken = null;
for (const screen of session.screens.filter((s) => s.width === 390 || s.width === 1400)) {
    for (const [name, check] of checks(screen)) {
        const title = `${screen.what}, ${screen.width}×${screen.height}: ${name}`;
        try {
            await (broken ? fail(broken) : check());
            print(`PASS ${title}`);
        } catch (error) {
            failures++;
            broken ??= name === 'the engine loads' ? `no page: ${error.message}` : null;
            print(`FAIL ${title}: ${error.message}`);
        }
    }
    if (shots && !broken)  // the whole page, as it ends at this size
        await promise((done) => view.get_snapshot(WebKit2.SnapshotRegion.FULL_DOCUMENT, WebKit2.SnapshotOptions.NONE,
                                                  null, done),
                      (result) => view.get_snapshot_finish(result).writeToPNG(
                          `${shots}/webkit-${screen.width}x${screen.height}.png`));
}
server.get_stdin_pipe().close(null);
server.wait(null);
System.exit(failures);
