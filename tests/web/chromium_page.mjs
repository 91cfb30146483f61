// The page in headless Chromium, on every screen of tests/session.json (a
// phone and tablets by touch, a desktop browser's window by mouse): it
// fits, works the example through as a student would, and keeps to its
// origin. On the phone also the points fields against bad input and an
// on-screen keyboard, a subject chosen, the calculator, the help and the
// page offline; on the desktop the tab order; axe-core throughout.
//   node chromium_page.mjs DIST_DIR SCREENSHOT_DIR
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { serve } from '../../tools/web/serve.mjs';
import { launchChromium } from '../../tools/web/chromium.mjs';

const [dist, shots] = process.argv.slice(2);
const read = (path) => readFileSync(new URL(path, import.meta.url), 'utf8');
const session = JSON.parse(read('../session.json'));
const axeSource = readFileSync(join(process.env.KURSWAAGE_NODE_MODULES, 'axe-core', 'axe.min.js'), 'utf8');
// The desktop window's tab order, which the page keeps.
const tabOrder = [...read('../../src/app/kurswaage.ui').matchAll(/<tabstop>(\w+)<\/tabstop>/g)].map((m) => m[1]);
const REFUSED = 'Nur ganze Punkte von 0 bis 15';
// The field tried: "Fach 1, 1. KHJ", which the example fills with 10, and its check.
const FIELD = 'spinBox', CHECK = 'pushButton_7';

const server = await serve(dist);
const browser = await launchChromium();
let failures = 0;

function equal(actual, expected, what) {
    if (JSON.stringify(actual) !== JSON.stringify(expected))
        throw new Error(`${what}: ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`);
}

async function check(name, body) {
    try {
        await body();
        console.log(`PASS ${name}`);
    } catch (error) {
        ++failures;
        console.log(`FAIL ${name}: ${error.message}`);
    }
}

// A fresh profile each time: nothing cached, no service worker yet.
async function open(screen, { dark = false } = {}) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    page.touch = !!screen.touch;
    page.problems = [];
    page.on('console', (message) => message.type() === 'error' && page.problems.push(message.text()));
    page.on('pageerror', (error) => page.problems.push(error.message));
    page.on('request', (request) => {
        if (!request.url().startsWith(server.origin + '/'))
            page.problems.push(`asked ${request.url()}`);
    });
    await page.setViewport({ width: screen.width, height: screen.height, isMobile: page.touch, hasTouch: page.touch });
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: dark ? 'dark' : 'light' }]);
    await page.goto(server.origin + '/');
    await page.waitForFunction(() => document.body.dataset.state === 'ready', { timeout: 30000 });
    return page;
}

const textOf = (page, id) => page.$eval(`#${id}`, (element) => element.textContent);
const said = (page) => page.$eval('#ansage', (element) => element.textContent.trim());

// A tap's click comes a moment after the finger has left: what it shows
// is awaited, for a few seconds at most.
async function shows(page, id, value, what = id) {
    await page.waitForFunction((id, value) => document.getElementById(id).textContent.trim() === value,
                               { timeout: 5000 }, id, value).catch(() => {});
    equal((await textOf(page, id)).trim(), value, what);
}

// A tap on a touch screen, a click elsewhere, on the element where it is.
async function press(page, id) {
    const element = await page.$(`#${id}`);
    // In the middle of the screen, clear of the half-years' captions that
    // stay at its top.
    await element.evaluate((target) => target.scrollIntoView({ block: 'center' }));
    await (page.touch ? element.tap() : element.click());
}

async function workThroughExample(page) {
    for (const step of session.example) {
        await press(page, step.press);
        for (const [id, value] of Object.entries(step.shows || {}))
            await shows(page, id, value, `${step.name}: ${id}`);
        if (step.says)
            await shows(page, 'ansage', step.says, `${step.name}: said`);
    }
    for (const [id, lines] of Object.entries(session.lists))
        equal(await page.$$eval(`#${id} li`, (items) => items.map((item) => item.textContent).join('\n')), lines, id);
    // The two verdict marks and "bestanden" in one colour, a weak course in
    // another, neither the text's.
    const [text, admitted, examined, passed, weak] = await page.evaluate(() => ['body', '#label_21', '#label_29',
        '#textBrowser_3 li', '#textBrowser_3 li + li'].map((selector) => getComputedStyle(document.querySelector(selector)).color));
    equal([admitted, examined, weak !== passed, passed !== text, weak !== text], [passed, passed, true, true, true], 'colours');
}

// Nothing scrolls sideways, no text is cut off; on a touch screen every
// control takes a finger (44 × 44 CSS px; a radio button by its label)
// and fields have 16 px text, so that iOS does not zoom into them.
function layoutProblems(touch) {
    const problems = [];
    if (document.documentElement.scrollWidth > innerWidth)
        problems.push(`the page is ${document.documentElement.scrollWidth} px wide`);
    for (const element of document.querySelectorAll('main *, dialog[open] *')) {
        const box = element.getBoundingClientRect();
        if (!box.width || getComputedStyle(element).display === 'inline')
            continue;
        if (element.scrollWidth > element.clientWidth + 1 && element.tagName !== 'SELECT')
            problems.push(`${element.id || element.tagName} cuts its text off`);
        const target = element.type === 'radio' ? element.parentElement.getBoundingClientRect() : box;
        if (touch && element.matches('input, select, button') && (target.width < 44 || target.height < 44))
            problems.push(`${element.id} is ${target.width}×${target.height}`);
        if (element.matches('input:not([type=radio]), select') && parseFloat(getComputedStyle(element).fontSize) < 16)
            problems.push(`${element.id} has small text`);
    }
    return problems;
}

async function fits(page) {
    const problems = await page.evaluate(layoutProblems, page.touch);
    if (problems.length)
        throw new Error(problems.join('; '));
}

async function accessible(page) {
    await page.evaluate(axeSource);
    const violations = await page.evaluate(async () => (await axe.run(document, {
        runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'],
    })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
    if (violations.length)
        throw new Error(violations.join('; '));
}

// Points as an on-screen keyboard or a paste gives them, over what the
// field holds. `by`: insert (Input.insertText), ime (a key with keyCode
// 229 first, as Android's keyboards send), empty (the field emptied), or
// a key's name.
async function enter(page, id, text, by) {
    await page.focus(`#${id}`);
    await page.$eval(`#${id}`, (field) => field.select());
    const cdp = await page.createCDPSession();
    if (by === 'ime')
        await cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', windowsVirtualKeyCode: 229, key: 'Unidentified' });
    if (by === 'insert' || by === 'ime')
        await cdp.send('Input.insertText', { text });
    else if (by === 'empty')
        await page.keyboard.press('Backspace');
    else
        await page.keyboard.press(by);
    await cdp.detach();
}

// What a field takes: [what is entered, how, points it holds then, refused].
// The field starts at 10 (the example's).
const POINTS = [
    ['16', 'insert', 10, true],
    ['-1', 'insert', 10, true],
    ['1,5', 'insert', 10, true],
    ['abc', 'insert', 10, true],
    ['', 'empty', 10, true],
    ['12', 'insert', 12, false],
    [' 7 ', 'insert', 7, false],
    ['9', 'ime', 9, false],
    ['', 'ArrowUp', 10, false],
    ['15', 'insert', 15, false],
    ['', 'ArrowUp', 15, false],
    ['0', 'insert', 0, false],
    ['012', 'insert', 12, false],
    ['', 'ArrowDown', 11, false],
    ['0', 'insert', 0, false],
    ['', 'ArrowDown', 0, false],
    ['', 'PageUp', 10, false],
];

async function pointsFields(page) {
    const field = FIELD;
    for (const [text, by, points, refused] of POINTS) {
        await enter(page, field, text, by);
        const shown = await page.$eval(`#${field}`, (element) => {
            const message = document.getElementById(element.getAttribute('aria-describedby'));
            return { now: element.getAttribute('aria-valuenow'), message: message && !message.hidden && message.textContent };
        });
        equal(shown, { now: String(points), message: refused && REFUSED }, `${JSON.stringify(text)} by ${by}`);
        if (refused)
            equal(await said(page), REFUSED, `${JSON.stringify(text)}: said`);
    }
    // A refused entry never reaches a result: the check takes the points kept.
    await enter(page, field, '10', 'insert');
    await enter(page, field, '99', 'insert');
    const { press: check, shows: results } = session.example.find((step) => step.press === CHECK);
    await press(page, check);
    for (const [id, value] of Object.entries(results))
        await shows(page, id, value);
    equal(await page.$eval(`#${field}`, (element) => element.value), '10', 'the refused field afterwards');
}

// A subject chosen from the keyboard, and the page answers at once after it.
async function chooseSubject(page) {
    await page.focus('#comboBox_14');
    await page.keyboard.press('ArrowDown');
    equal(await page.$eval('#comboBox_14', (choice) => choice.value), 'Deutsch', 'subject');
    // "Zurücksetzen" after it: points and lists back to the start.
    await press(page, 'pushButton_10');
    await page.waitForFunction(() => document.getElementById('spinBox').value === '0'
        && !document.querySelector('.liste li'), { timeout: 5000 });
}

async function useDialogs(page) {
    const { open: mdl, window, type, press: compute, shows: results, close } = session.calculator;
    await press(page, mdl);
    await page.waitForFunction((id) => document.getElementById(id).open, { timeout: 5000 }, window);
    for (const [id, text] of Object.entries(type))
        await enter(page, `${window}-${id}`, text, 'insert');
    await press(page, `${window}-${compute}`);
    for (const [id, value] of Object.entries(results))
        await shows(page, `${window}-${id}`, value);
    await fits(page);
    await accessible(page);
    await press(page, `${window}-${close}`);
    await page.waitForFunction((id) => !document.getElementById(id).open, { timeout: 5000 }, window);

    const help = session.help;
    await press(page, help.open);
    await page.waitForFunction((id) => document.getElementById(id).open, { timeout: 5000 }, help.window);
    for (const [id, beginning] of Object.entries(help.begins)) {
        if (!(await textOf(page, `${help.window}-${id}`)).trim().startsWith(beginning))
            throw new Error(`${id} does not begin with ${beginning}`);
    }
    await fits(page);
    await accessible(page);
    await press(page, `${help.window}-${help.close}`);
    await page.waitForFunction((id) => !document.getElementById(id).open, { timeout: 5000 }, help.window);
}

// From the page's start, Tab goes through the controls in the desktop
// window's order (of a group of radio buttons, Tab reaches the chosen one).
async function tabsInOrder(page) {
    const expected = await page.evaluate((order) => order.filter((id) => {
        const element = document.getElementById(id);
        return element && element.matches('input, select, button') && !element.disabled
            && (element.type !== 'radio' || element.checked);
    }), tabOrder);
    const reached = [];
    for (let i = 0; i < expected.length + 5; ++i) {
        await page.keyboard.press('Tab');
        reached.push(await page.evaluate(() => document.activeElement.id));
    }
    equal(reached.filter((id) => tabOrder.includes(id)).slice(0, expected.length), expected, 'tab order');
}

// After a first visit the service worker has the site: it opens and works
// without a network. Nothing a student typed is stored.
async function offline(page) {
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.setOfflineMode(true);
    page.problems.length = 0;
    await page.reload();
    await page.waitForFunction(() => document.body.dataset.state === 'ready', { timeout: 30000 });
    await workThroughExample(page);
    page.problems = page.problems.filter((problem) => !problem.includes('ERR_INTERNET_DISCONNECTED'));
    equal(await page.evaluate(() => [localStorage.length, sessionStorage.length, document.cookie]), [0, 0, ''], 'stored');
}

for (const screen of session.screens) {
    const page = await open(screen);
    if (!screen.touch)
        await check(`${screen.what}: tab order`, () => tabsInOrder(page));
    await check(`${screen.what}: fits`, () => fits(page));
    await check(`${screen.what}: the example`, () => workThroughExample(page));
    await check(`${screen.what}: fits after the example`, () => fits(page));
    await page.screenshot({ path: join(shots, `page-${screen.width}x${screen.height}.png`), fullPage: true });
    if (screen.width === 390) {
        await check(`${screen.what}: axe-core`, () => accessible(page));
        await check(`${screen.what}: points fields`, () => pointsFields(page));
        await check(`${screen.what}: a subject chosen`, () => chooseSubject(page));
        await check(`${screen.what}: calculator and help`, () => useDialogs(page));
        await check(`${screen.what}: offline`, () => offline(page));
        // "Beenden" leaves a page that says the program has ended.
        await check(`${screen.what}: Beenden`, async () => {
            await press(page, 'pushButton_3');
            await page.waitForFunction(() => document.getElementById('Kurswaage').hidden
                && !document.getElementById('beendet').hidden, { timeout: 5000 });
        });
    }
    await check(`${screen.what}: no error, no other server`, () => equal(page.problems, [], 'problems'));
    await page.browserContext().close();
}

const dark = await open(session.screens.find((screen) => !screen.touch), { dark: true });
await check('dark: the example', () => workThroughExample(dark));
await check('dark: axe-core, colours included', () => accessible(dark));
await dark.screenshot({ path: join(shots, 'page-dark.png'), fullPage: true });
await dark.emulateMediaType('print');
await dark.screenshot({ path: join(shots, 'page-print.png'), fullPage: true });

await browser.close();
await server.stop();
process.exit(failures ? 1 : 0);
