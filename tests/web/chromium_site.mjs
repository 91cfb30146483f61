// The site in headless Chromium, driven as a student would: mouse clicks,
// key presses, taps and an on-screen keyboard, and what the page then
// shows and says to a screen reader.
//   node chromium_site.mjs DIST_DIR [SCREENSHOT_DIR]
import assert from 'node:assert/strict';
import { serve } from '../../tools/web/serve.mjs';
import { driven, formReader, launchChromium, pressByKeyboard, session, switchScreenReaderOn } from './page.mjs';
import { centre, press, runChecks, sleep, useCalculator, useHelp, waitForWidget, widget, workThroughExample } from './site_session.mjs';

const [dist, screenshots] = process.argv.slice(2);
const server = await serve(dist);
const browser = await launchChromium();
const problems = [];  // console errors, page errors, requests elsewhere

// A new tab of the site, driven by touch where the viewport has it.
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
    const driver = driven(page, { touch: viewport.hasTouch });
    await waitForWidget(driver, 'Kurswaage', 'pushButton_9', (found) => found && found.visible);
    return driver;
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

// Checks on a desktop browser's page, each in a tab of its own.
const checks = {
    async 'a screen reader: the example by keyboard, German names in the tree, every result said'({ tab }) {
        await listen(tab);
        for (const step of session.example)
            await pressByKeyboard(tab, step.name);
        const said = session.example.filter((step) => step.says).map((step) => step.says);
        await tab.waitForFunction((last) => window.heard.at(-1) === last, { timeout: 10000 }, said.at(-1))
            .catch(async () => assert.fail(`the live region said: ${JSON.stringify(await tab.evaluate(() => window.heard))}`));
        assert.deepEqual(await tab.evaluate(() => window.heard), said);
        const tree = await readTree(tab);
        for (const node of ['button Prüfen, 1. KHJ', 'button Abiturprüfung', 'spinbutton Fach 1, 1. KHJ = 10',
                            'combobox Fach 1, Fachwahl', 'radio nein', 'textbox Gesamtdurchschnitt: 2,1'])
            assert.ok(tree.some((line) => line.startsWith(node)), `no "${node}" in the tree:\n${tree.join('\n')}`);
    },

    async 'the calculator computes, modal, and closes'(page) {
        const formPoints = () => widget(page, 'Kurswaage', 'spinBox_48');
        // The form below takes no click while the calculator is open.
        await useCalculator(page, session, async () => {
            await page.press(centre(await widget(page, 'Kurswaage', session.example[0].press)));
            await sleep(300);
            assert.equal((await formPoints()).text, '0', 'the form took a click under the calculator');
        });
        await press(page, 'Kurswaage', session.example[0].press);
        await waitForWidget(page, 'Kurswaage', 'spinBox_48', (f) => f.text !== '0', 'the form takes no click after the calculator');
    },

    async 'the help opens inside the page and closes'(page) {
        await useHelp(page, session, async () => {
            const window = await widget(page, session.help.window, session.help.window);
            const viewport = page.tab.viewport();
            assert.ok(window.x >= 0 && window.y >= 0 && window.x + window.width <= viewport.width
                      && window.y + window.height <= viewport.height, `help outside the page: ${JSON.stringify(window)}`);
        });
    },

    async 'Beenden ends the program, and the page says so'(page) {
        await press(page, 'Kurswaage', 'pushButton_3');  // Beenden
        await page.tab.waitForFunction(() => document.body.dataset.state === 'ended', { timeout: 10000 });
        assert.ok(await page.tab.$eval('#ladestand', (line) => line.checkVisibility() && line.textContent.includes('beendet')));
    },
};

// A tablet held upright: a tap on a points field brings up the keyboard
// of digits, whose typing reaches the field, and nothing above 15 is
// taken. Chromium's Input.insertText types as an on-screen keyboard does:
// input events, no key codes; Android's keyboards also send keys with the
// key code 229 ahead of their text.
async function onScreenKeyboard() {
    const page = await openPage({ width: 768, height: 1024, hasTouch: true, isMobile: true });
    await press(page, 'Kurswaage', 'spinBox');
    await page.tab.waitForFunction(() => document.activeElement && document.activeElement.inputMode === 'numeric', { timeout: 10000 })
        .catch(() => assert.fail('a tap on a points field brings up no keyboard of digits'));
    const keyboard = await page.tab.createCDPSession();
    const key229 = (type) => keyboard.send('Input.dispatchKeyEvent', { type, key: 'Unidentified', windowsVirtualKeyCode: 229 });
    // What the field holds goes first, as a student deletes it.
    for (let i = 0; i < 3; ++i) {
        await key229('keyDown');
        await key229('keyUp');
        await page.tab.evaluate(() => document.activeElement.dispatchEvent(new InputEvent('input', { inputType: 'deleteContentBackward' })));
    }
    await keyboard.send('Input.insertText', { text: '1' });
    await key229('keyDown');
    await keyboard.send('Input.insertText', { text: '4' });
    await key229('keyUp');
    await waitForWidget(page, 'Kurswaage', 'spinBox', (f) => f.text === '14', 'takes no typing of an on-screen keyboard');
    await keyboard.send('Input.insertText', { text: '9' });
    await sleep(500);
    assert.equal((await widget(page, 'Kurswaage', 'spinBox')).text, '14', 'the field took 149');
    await keyboard.detach();
    await page.tab.close();
}

// With the server gone, a reload comes from the service worker's copy.
async function offline() {
    const { tab } = await openPage({ width: 1400, height: 800 });
    await tab.evaluate(() => navigator.serviceWorker.ready);
    await tab.waitForFunction(() => navigator.serviceWorker.controller !== null || location.reload(), { timeout: 30000 });
    assert.equal(await tab.evaluate(async () => (await caches.keys()).length), 1);
    await server.stop();
    await tab.reload();
    await switchScreenReaderOn(tab);
    await waitForWidget(driven(tab), 'Kurswaage', 'pushButton_9', (found) => found && found.visible, 'no program offline');
    await tab.close();
}

// Every screen of the session, by taps on a touch screen, else by clicks.
const screenChecks = session.screens.map((screen) => [
    `${screen.what}, ${screen.width}×${screen.height}: the whole form, the example by ${screen.touch ? 'taps' : 'clicks'} ends in 2,1`,
    async () => {
        const page = await openPage({ width: screen.width, height: screen.height, hasTouch: !!screen.touch, isMobile: !!screen.touch });
        try {
            await workThroughExample(page, session, screen);
            if (screenshots)
                await page.tab.screenshot({ path: `${screenshots}/chromium-${screen.width}x${screen.height}.png` });
        } finally {
            await page.tab.close();
        }
    }]);
const failures = await runChecks([
    ...screenChecks,
    ...Object.entries(checks).map(([name, check]) => [name, async () => {
        const page = await openPage({ width: 1400, height: 800 });
        await check(page);
        await page.tab.close();
    }]),
    ['a tablet upright: an on-screen keyboard types digits, nothing above 15', onScreenKeyboard],
    ['offline after the first visit', offline],
    ['no console error, no request elsewhere', () => assert.deepEqual(problems, [])],
], console.log);
await browser.close();
await server.stop().catch(() => {});
console.log(failures ? `${failures} check(s) failed` : 'all checks passed');
process.exit(failures ? 1 : 0);
