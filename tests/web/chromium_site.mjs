// The site in headless Chromium, driven as a student would: mouse clicks,
// key presses, taps and an on-screen keyboard, and what the page then
// shows and says to a screen reader.
//   node chromium_site.mjs DIST_DIR [SCREENSHOT_DIR]
import assert from 'node:assert/strict';
import { serve } from './serve.mjs';
import { centre, formReader, launchChromium, pressByKeyboard, session, showsValue, switchScreenReaderOn, waitForWidget, widget } from './page.mjs';

const [dist, screenshots] = process.argv.slice(2);
const server = await serve(dist);
const browser = await launchChromium();
const problems = [];  // console errors, page errors, requests elsewhere
// Counts a screenshot's colours: the site's own policy loads no data:
// pictures. Opened first, so that it never lies above the page under test.
const blank = await browser.newPage();

async function openPage(viewport) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    page.on('console', (message) => {
        if (message.type() === 'error')
            problems.push(`console: ${message.text()}`);
    });
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    // Every request the page makes, answered only when it is the site's own.
    await page.setRequestInterception(true);
    page.on('request', (request) => {
        const url = new URL(request.url());
        if (url.protocol === 'blob:' || url.protocol === 'data:' || url.origin === server.origin)
            return request.continue();
        problems.push(`request elsewhere: ${request.url()}`);
        return request.abort();
    });
    await page.evaluateOnNewDocument(formReader);
    await page.goto(server.origin + '/');
    await switchScreenReaderOn(page);
    await waitForWidget(page, 'Kurswaage', 'pushButton_9', (found) => found && found.visible);
    return page;
}

async function click(page, window, name) {
    const found = await waitForWidget(page, window, name, (f) => f && f.visible && f.enabled && f.onTop, 'not clickable');
    const { x, y } = centre(found);
    await page.mouse.click(x, y);
}

// Clicks into a field, selects what it holds and types `text` over it.
async function typeInto(page, window, name, text) {
    await click(page, window, name);
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyA');
    await page.keyboard.up('Control');
    await page.keyboard.type(text);
}

// The pixels of a widget as shown: how many colours, and whether any is a
// colour rather than a grey (text and frames are grey, the help's picture
// is not).
async function pixels(page, found) {
    await page.bringToFront();
    const picture = await page.screenshot({ clip: { x: found.x, y: found.y, width: found.width, height: found.height }, encoding: 'base64' });
    return blank.evaluate(async (data) => {
        const image = new Image();
        image.src = 'data:image/png;base64,' + data;
        await image.decode();
        const canvas = new OffscreenCanvas(image.width, image.height);
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        const rgba = context.getImageData(0, 0, image.width, image.height).data;
        const seen = new Set();
        let coloured = false;
        for (let i = 0; i < rgba.length; i += 4) {
            const [r, g, b] = [rgba[i], rgba[i + 1], rgba[i + 2]];
            seen.add((r << 16) | (g << 8) | b);
            coloured ||= Math.max(r, g, b) - Math.min(r, g, b) > 80;
        }
        return { colours: seen.size, coloured };
    }, picture);
}

async function inked(page, found) {
    return (await pixels(page, found)).colours > 1;
}

async function coloured(page, found) {
    return (await pixels(page, found)).coloured;
}

// Waits until the widget shows `value` and it is drawn: the browser shows
// Qt's next frame a little after the text is set, as a user sees it.
async function shows(page, window, name, value) {
    const found = await waitForWidget(page, window, name, (f) => showsValue(f, value), `does not show ${JSON.stringify(value)}`);
    const deadline = Date.now() + 5000;
    while (!(await inked(page, found))) {
        assert.ok(Date.now() < deadline, `${name} shows ${value} in its text, but nothing is drawn`);
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
}

// What a screen reader reads of the page: the accessibility tree's
// named nodes, as "role name" with their value where they have one.
async function readTree(page) {
    const client = await page.createCDPSession();
    const { nodes } = await client.send('Accessibility.getFullAXTree');
    await client.detach();
    return nodes.filter((node) => !node.ignored && node.name && node.name.value)
        .map((node) => `${node.role.value} ${node.name.value}${node.value ? ' = ' + node.value.value : ''}`);
}

// Everything the page's live region says from now on, in order.
function listen(page) {
    return page.evaluate(() => {
        window.heard = [];
        const region = document.getElementById('ansage');
        new MutationObserver(() => window.heard.push(region.textContent))
            .observe(region, { childList: true, characterData: true, subtree: true });
    });
}

const checks = {
    async 'a screen reader: the example by keyboard, German names in the tree, every result said'(page) {
        await listen(page);
        for (const step of session.example)
            await pressByKeyboard(page, step.name);
        const said = session.example.filter((step) => step.says).map((step) => step.says);
        await page.waitForFunction((last) => window.heard.at(-1) === last, { timeout: 10000 }, said.at(-1))
            .catch(async () => assert.fail(`the live region said: ${JSON.stringify(await page.evaluate(() => window.heard))}`));
        assert.deepEqual(await page.evaluate(() => window.heard), said);
        const tree = await readTree(page);
        for (const node of ['button Prüfen, 1. KHJ', 'button Abiturprüfung', 'spinbutton Fach 1, 1. KHJ = 10',
                            'combobox Fach 1, Fachwahl', 'radio nein', 'textbox Gesamtdurchschnitt: 2,1'])
            assert.ok(tree.some((line) => line.startsWith(node)), `no "${node}" in the tree:\n${tree.join('\n')}`);
    },

    async 'points are typed, and nothing above 15 is taken'(page) {
        await typeInto(page, 'Kurswaage', 'spinBox', '12');
        await page.keyboard.press('Tab');
        await shows(page, 'Kurswaage', 'spinBox', '12');
        await typeInto(page, 'Kurswaage', 'spinBox', '99');
        await page.keyboard.press('Tab');
        const typed = await widget(page, 'Kurswaage', 'spinBox');
        assert.ok(Number(typed.text) <= 15, `the spin box took ${typed.text}`);
    },

    async 'the calculator computes, modal, and closes'(page) {
        const { open, window, type, press, shows: results, close } = session.calculator;
        await click(page, 'Kurswaage', open);
        await waitForWidget(page, window, window, (f) => f && f.visible, 'does not open');
        for (const [field, text] of Object.entries(type))
            await typeInto(page, window, field, text);
        // The form below takes no click while the calculator is open.
        const example = centre(await widget(page, 'Kurswaage', session.example[0].press));
        await page.mouse.click(example.x, example.y);
        await click(page, window, press);
        for (const [name, value] of Object.entries(results))
            await shows(page, window, name, value);
        assert.equal((await widget(page, 'Kurswaage', 'spinBox_48')).text, '0', 'the form took a click under the calculator');
        await click(page, window, close);
        await waitForWidget(page, window, window, (f) => !f || !f.visible, 'stays open');
        await click(page, 'Kurswaage', session.example[0].press);
        await waitForWidget(page, 'Kurswaage', 'spinBox_48', (f) => f.text !== '0', 'the form takes no click after the calculator');
    },

    async 'the help opens above the form with its picture and closes'(page) {
        const { open, window: help, begins, close } = session.help;
        await click(page, 'Kurswaage', open);
        const [[name, beginning]] = Object.entries(begins);
        const text = await waitForWidget(page, help, name, (f) => f && f.visible && f.text.startsWith(beginning));
        // The logo ends the text.
        await click(page, help, name);
        await page.keyboard.down('Control');
        await page.keyboard.press('End');
        await page.keyboard.up('Control');
        const deadline = Date.now() + 5000;
        while (!(await coloured(page, text)))
            assert.ok(Date.now() < deadline, 'the help shows no picture at its end');
        const window = await widget(page, help, help);
        const viewport = page.viewport();
        assert.ok(window.x >= 0 && window.y >= 0 && window.x + window.width <= viewport.width
                  && window.y + window.height <= viewport.height, `help outside the page: ${JSON.stringify(window)}`);
        await click(page, help, close);
        await waitForWidget(page, help, help, (f) => !f || !f.visible, 'stays open');
    },

    async 'Beenden ends the program, and the page says so'(page) {
        await click(page, 'Kurswaage', 'pushButton_3');  // Beenden
        await page.waitForFunction(() => document.body.dataset.state === 'ended', { timeout: 10000 });
        assert.ok(await page.$eval('#ladestand', (line) => line.checkVisibility() && line.textContent.includes('beendet')));
    },
};

// A tablet held upright: the form fills the page; a tap on a points field
// brings up the keyboard of digits, whose typing reaches the field, and
// nothing above 15 is taken. Chromium's Input.insertText types as an
// on-screen keyboard does: input events, no key codes; Android's keyboards
// also send keys with the key code 229 ahead of their text.
async function tablet() {
    const page = await openPage({ width: 768, height: 1024, hasTouch: true, isMobile: true });
    const form = await widget(page, 'Kurswaage', 'Kurswaage');
    assert.deepEqual([form.x, form.y, form.width, form.height], [0, 0, 768, 1024]);
    const field = centre(await widget(page, 'Kurswaage', 'spinBox'));
    await page.touchscreen.tap(field.x, field.y);
    await page.waitForFunction(() => document.activeElement && document.activeElement.inputMode === 'numeric', { timeout: 10000 })
        .catch(() => assert.fail('a tap on a points field brings up no keyboard of digits'));
    const keyboard = await page.createCDPSession();
    // What the field holds goes first, as a student deletes it.
    for (let i = 0; i < 3; ++i) {
        await keyboard.send('Input.dispatchKeyEvent', { type: 'keyDown', key: 'Unidentified', windowsVirtualKeyCode: 229 });
        await keyboard.send('Input.dispatchKeyEvent', { type: 'keyUp', key: 'Unidentified', windowsVirtualKeyCode: 229 });
        await page.evaluate(() => document.activeElement.dispatchEvent(new InputEvent('input', { inputType: 'deleteContentBackward' })));
    }
    await keyboard.send('Input.insertText', { text: '1' });
    await keyboard.send('Input.dispatchKeyEvent', { type: 'keyDown', key: 'Unidentified', windowsVirtualKeyCode: 229 });
    await keyboard.send('Input.insertText', { text: '4' });
    await keyboard.send('Input.dispatchKeyEvent', { type: 'keyUp', key: 'Unidentified', windowsVirtualKeyCode: 229 });
    await waitForWidget(page, 'Kurswaage', 'spinBox', (f) => f.text === '14', 'takes no typing of an on-screen keyboard');
    await keyboard.send('Input.insertText', { text: '9' });
    await new Promise((resolve) => setTimeout(resolve, 500));
    assert.equal((await widget(page, 'Kurswaage', 'spinBox')).text, '14', 'the field took 149');
    await keyboard.detach();
    await page.close();
}

// Drags the page as a finger does, slowly, and holds still before letting
// go, so that it stops where the finger did.
async function drag(page, from, by) {
    await page.touchscreen.touchStart(from.x, from.y);
    for (let step = 1; step <= 10; ++step)
        await page.touchscreen.touchMove(from.x - by.dx * step / 10, from.y - by.dy * step / 10);
    await new Promise((resolve) => setTimeout(resolve, 300));
    await page.touchscreen.touchEnd();
}

// Scrolls the form until the widget is in view: by finger on a touch
// screen, else by the mouse wheel; then waits until it stands still.
async function reach(page, screen, name) {
    for (let attempt = 0; attempt < 30; ++attempt) {
        const out = await page.evaluate((n) => window.kurswaageOutOfView('Kurswaage', n), name);
        assert.ok(out, `${name} is not on the scrolling page`);
        if (!out.dx && !out.dy)
            return;
        const view = out.viewport;
        const from = { x: view.x + view.width / 2, y: view.y + view.height / 2 };
        const clamp = (value, limit) => Math.max(-limit, Math.min(limit, value));
        // Towards the middle, a third of the view at a time.
        const by = { dx: out.dx ? clamp(out.toMiddle.dx, view.width / 3) : 0,
                     dy: out.dy ? clamp(out.toMiddle.dy, view.height / 3) : 0 };
        if (screen.touch) {
            await drag(page, from, by);
        } else {
            await page.mouse.move(from.x, from.y);
            await page.mouse.wheel({ deltaX: by.dx, deltaY: by.dy });
        }
        let last = null;
        for (let still = 0; still < 3;) {
            await new Promise((resolve) => setTimeout(resolve, 100));
            const now = JSON.stringify(await widget(page, 'Kurswaage', name));
            still = now === last ? still + 1 : 0;
            last = now;
        }
    }
    assert.fail(`${name} cannot be scrolled into view`);
}

// The example on a page of one screen's size, by taps on a touch screen,
// else by clicks: the form lies inside the page's width (a phone may
// scroll sideways where the smallest form is wider), no control overlaps
// another, every button is reached by scrolling, and the grade comes out.
// Answers the height of the form's first button, for the size of its text.
async function workThroughOn(screen) {
    const { width, height, touch } = screen;
    const page = await openPage({ width, height, hasTouch: !!touch, isMobile: !!touch });
    try {
        const form = await widget(page, 'Kurswaage', 'Kurswaage');
        assert.deepEqual([form.x, form.y, form.width, form.height], [0, 0, width, height], 'the form does not fill the page');
        const problems = (await page.evaluate((w) => window.kurswaageLayoutProblems('Kurswaage', w), width))
            .filter((problem) => !(screen.sideways && problem.includes('beyond')));
        assert.deepEqual(problems, []);
        for (const step of session.example) {
            await reach(page, screen, step.press);
            const found = await waitForWidget(page, 'Kurswaage', step.press, (f) => f && f.visible && f.enabled && f.onTop, 'not pressable');
            const { x, y } = centre(found);
            await (touch ? page.touchscreen.tap(x, y) : page.mouse.click(x, y));
            // A finger's next touch comes no sooner than a quick student's:
            // within a quarter of a second Qt's scrolling takes it for
            // part of the tap before and loses it.
            await new Promise((resolve) => setTimeout(resolve, 300));
            for (const [name, value] of Object.entries(step.shows || {})) {
                await reach(page, screen, name);
                await shows(page, 'Kurswaage', name, value);
            }
        }
        if (screenshots)
            await page.screenshot({ path: `${screenshots}/chromium-${width}x${height}.png` });
        await reach(page, screen, session.example[0].press);
        return (await widget(page, 'Kurswaage', session.example[0].press)).height;
    } finally {
        await page.close();
    }
}

// With the server gone, a reload comes from the service worker's copy.
async function offline() {
    const page = await openPage({ width: 1400, height: 800 });
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null || location.reload(), { timeout: 30000 });
    const caches = await page.evaluate(async () => (await caches.keys()).length);
    assert.equal(caches, 1);
    await server.stop();
    await page.reload();
    await switchScreenReaderOn(page);
    await waitForWidget(page, 'Kurswaage', 'pushButton_9', (found) => found && found.visible, 'no program offline');
    await page.close();
}

let failures = 0;
async function run(name, check) {
    try {
        await check();
        console.log(`PASS ${name}`);
    } catch (error) {
        ++failures;
        console.log(`FAIL ${name}: ${error.message}`);
    }
}

// Every screen of the table; the text on none smaller than 80 % of the
// largest's (the form shrinks no further).
const buttonHeights = [];
for (const screen of session.screens)
    await run(`${screen.what}, ${screen.width}×${screen.height}: the whole form, the example by ${screen.touch ? 'taps' : 'clicks'} ends in 2,1`,
              async () => buttonHeights.push(await workThroughOn(screen)));
await run('no text smaller than 80 % of the designed size', () => {
    assert.equal(buttonHeights.length, session.screens.length, 'not every screen was worked through');
    assert.ok(Math.min(...buttonHeights) >= 0.8 * Math.max(...buttonHeights) - 1, `button heights ${buttonHeights}`);
});
for (const [name, check] of Object.entries(checks)) {
    await run(name, async () => {
        const page = await openPage({ width: 1400, height: 800 });
        await check(page);
        await page.close();
    });
}
await run('a tablet upright: fills the page; an on-screen keyboard types digits, nothing above 15', tablet);
await run('offline after the first visit', offline);
await run('no console error, no request elsewhere', () => assert.deepEqual(problems, []));
await browser.close();
await server.stop().catch(() => {});
console.log(failures ? `${failures} check(s) failed` : 'all checks passed');
process.exit(failures ? 1 : 0);
