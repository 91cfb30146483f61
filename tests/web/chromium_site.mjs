// The site in headless Chromium, driven as a student would: mouse clicks,
// key presses and taps on the page, and what the page then shows.
//   node chromium_site.mjs DIST_DIR [SCREENSHOT_DIR]
import assert from 'node:assert/strict';
import { serve } from './serve.mjs';
import { centre, launchChromium, waitForWidget, widget } from './page.mjs';

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
    await page.goto(server.origin + '/');
    await waitForWidget(page, 'Kurswaage', 'pushButton_9', (found) => found && found.visible);
    return page;
}

async function click(page, window, name) {
    const found = await waitForWidget(page, window, name, (f) => f && f.visible && f.enabled, 'not clickable');
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

// The pixels of a widget as shown: more than one colour means something is
// drawn there.
async function inked(page, found) {
    await page.bringToFront();
    const picture = await page.screenshot({ clip: { x: found.x, y: found.y, width: found.width, height: found.height }, encoding: 'base64' });
    const colours = await blank.evaluate(async (data) => {
        const image = new Image();
        image.src = 'data:image/png;base64,' + data;
        await image.decode();
        const canvas = new OffscreenCanvas(image.width, image.height);
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        const pixels = context.getImageData(0, 0, image.width, image.height).data;
        const seen = new Set();
        for (let i = 0; i < pixels.length; i += 4)
            seen.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
        return seen.size;
    }, picture);
    return colours > 1;
}

// Waits until the widget holds `text` and it is drawn: the browser shows
// Qt's next frame a little after the text is set, as a user sees it.
async function shows(page, window, name, text) {
    const found = await waitForWidget(page, window, name, (f) => f && f.text === text, `does not show ${JSON.stringify(text)}`);
    const deadline = Date.now() + 5000;
    while (!(await inked(page, found))) {
        assert.ok(Date.now() < deadline, `${name} shows ${text} in its text, but nothing is drawn`);
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
}

const checks = {
    async 'the example, clicked through, ends in 2,1'(page) {
        await click(page, 'Kurswaage', 'pushButton_9');  // Beispiel
        for (const check of ['pushButton_7', 'pushButton_6', 'pushButton_8', 'pushButton_4'])
            await click(page, 'Kurswaage', check);
        await shows(page, 'Kurswaage', 'label_22', 'Du bist zugelassen.');
        await click(page, 'Kurswaage', 'pushButton_5');  // Abiturprüfung
        await shows(page, 'Kurswaage', 'label_30', 'bestanden');
        await click(page, 'Kurswaage', 'pushButton');  // Berechnen
        await shows(page, 'Kurswaage', 'label_34', '2,1');
        if (screenshots)
            await page.screenshot({ path: `${screenshots}/chromium-${page.viewport().width}x${page.viewport().height}.png` });
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

    async 'the calculator computes 8.33333 for 10 and 5, modal, and closes'(page) {
        await click(page, 'Kurswaage', 'pushButton_17');  // mdl.
        // It takes the keyboard when it opens, as on a desktop: keys typed
        // before would go to the form it blocks.
        await waitForWidget(page, 'muendlicheNachpruefung', 'muendlicheNachpruefung', (f) => f && f.active, 'takes no keys when it opens');
        await typeInto(page, 'muendlicheNachpruefung', 'spinBox', '10');
        await typeInto(page, 'muendlicheNachpruefung', 'spinBox_2', '5');
        // The form below takes no click while the calculator is open.
        const example = centre(await widget(page, 'Kurswaage', 'pushButton_9'));
        await page.mouse.click(example.x, example.y);
        await click(page, 'muendlicheNachpruefung', 'pushButton_4');  // errechnen
        await shows(page, 'muendlicheNachpruefung', 'label_5', '8.33333');
        assert.equal((await widget(page, 'Kurswaage', 'spinBox_48')).text, '0', 'the form took a click under the calculator');
        await click(page, 'muendlicheNachpruefung', 'pushButton_3');  // Verlassen
        await waitForWidget(page, 'muendlicheNachpruefung', 'muendlicheNachpruefung', (f) => f === null, 'stays open');
        await click(page, 'Kurswaage', 'pushButton_9');
        await waitForWidget(page, 'Kurswaage', 'spinBox_48', (f) => f.text !== '0', 'the form takes no click after the calculator');
    },

    async 'the help opens above the form with its picture and closes'(page) {
        await click(page, 'Kurswaage', 'pushButton_2');  // Hilfe
        const text = await waitForWidget(page, 'Hilfe', 'textBrowser', (f) => f && f.visible);
        assert.ok(text.pictures >= 1, 'the help shows no picture');
        assert.ok(await inked(page, text));
        const window = await widget(page, 'Hilfe', 'Hilfe');
        const viewport = page.viewport();
        assert.ok(window.x >= 0 && window.y >= 0 && window.x + window.width <= viewport.width
                  && window.y + window.height <= viewport.height, `help outside the page: ${JSON.stringify(window)}`);
        await click(page, 'Hilfe', 'pushButton');  // Schließen
        await waitForWidget(page, 'Hilfe', 'Hilfe', (f) => f === null, 'stays open');
    },

    async 'Beenden ends the program, and the page says so'(page) {
        await click(page, 'Kurswaage', 'pushButton_3');  // Beenden
        await page.waitForFunction(() => document.body.dataset.state === 'ended', { timeout: 10000 });
        assert.ok(await page.$eval('#ladestand', (line) => line.checkVisibility() && line.textContent.includes('beendet')));
    },
};

// A tablet held upright: the form fills the page's width and scrolls to
// what lies beyond it; taps work.
async function tablet() {
    const page = await openPage({ width: 768, height: 1024, hasTouch: true, isMobile: true });
    const form = await widget(page, 'Kurswaage', 'Kurswaage');
    assert.deepEqual([form.x, form.y, form.width, form.height], [0, 0, 768, 1024]);
    const example = await widget(page, 'Kurswaage', 'pushButton_9');
    let mark = await widget(page, 'Kurswaage', 'label_34');
    assert.ok(mark.x + mark.width > 768, 'the form fits a tablet upright: no scrolling tried');
    await page.touchscreen.tap(centre(example).x, centre(example).y);
    await waitForWidget(page, 'Kurswaage', 'spinBox_48', (f) => f.text !== '0', 'a tap on Beispiel did nothing');
    // Sideways with the wheel, over the form where no field takes it.
    for (let i = 0; i < 20 && mark.x + mark.width > 768; ++i) {
        await page.mouse.move(380, 1000);
        await page.mouse.wheel({ deltaX: 120 });
        mark = await widget(page, 'Kurswaage', 'label_34');
    }
    assert.ok(mark.x >= 0 && mark.x + mark.width <= 768, `the form does not scroll: ${JSON.stringify(mark)}`);
    if (screenshots)
        await page.screenshot({ path: `${screenshots}/chromium-768x1024.png` });
    await page.close();
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

for (const [name, check] of Object.entries(checks)) {
    await run(name, async () => {
        const page = await openPage({ width: 1400, height: 800 });
        await check(page);
        await page.close();
    });
}
await run('a tablet upright: fills the page, scrolls, takes taps', tablet);
await run('offline after the first visit', offline);
await run('no console error, no request elsewhere', () => assert.deepEqual(problems, []));
await browser.close();
await server.stop().catch(() => {});
console.log(failures ? `${failures} check(s) failed` : 'all checks passed');
process.exit(failures ? 1 : 0);
