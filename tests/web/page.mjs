// What the Chromium tests share: the switch of the page's accessibility
// tree, keys pressed on its elements, the session's description, and a
// tab as the page driver uses it.
import { readFileSync } from 'node:fs';
export { launchChromium } from '../../tools/web/chromium.mjs';
import { sleep } from './site_session.mjs';

// Switches the page's accessibility tree on as a screen-reader user does:
// finds the switch by its German name and activates it.
export async function switchScreenReaderOn(page) {
    const button = await page.waitForSelector('aria/Bildschirmleser einschalten[role="button"]', { timeout: 60000 });
    await button.evaluate((element) => element.click());
}

// Presses a button as a keyboard user of the page's tree does: moves the
// focus to it by its name and presses Enter.
export async function pressByKeyboard(page, name) {
    const button = await page.waitForSelector(`aria/${name}[role="button"]`);
    await page.waitForFunction((element) => element.getAttribute('aria-disabled') !== 'true', {}, button);
    await button.focus();
    await page.keyboard.press('Enter');
}

// The page's reader of the tree (form_reader.js), read into every page
// before its own scripts.
export const formReader = readFileSync(new URL('./form_reader.js', import.meta.url), 'utf8');

// What a session walks through, and what each step shows and says.
export const session = JSON.parse(readFileSync(new URL('../session.json', import.meta.url), 'utf8'));

// A Chromium tab as the page driver (site_session.mjs) uses it: clicks and
// the mouse wheel, or on a touch screen taps and a finger's drags; the
// keyboard.
export function driven(tab, { touch = false } = {}) {
    return {
        tab,
        query: (expression) => tab.evaluate(expression),
        press: ({ x, y }) => (touch ? tab.touchscreen.tap(x, y) : tab.mouse.click(x, y)),
        async scroll(out, by) {
            const from = { x: out.viewport.x + out.viewport.width / 2, y: out.viewport.y + out.viewport.height / 2 };
            if (!touch) {
                await tab.mouse.move(from.x, from.y);
                return tab.mouse.wheel({ deltaX: by.dx, deltaY: by.dy });
            }
            // Slowly, and still for a moment before letting go, so that the
            // page stops where the finger did.
            await tab.touchscreen.touchStart(from.x, from.y);
            for (let step = 1; step <= 10; ++step)
                await tab.touchscreen.touchMove(from.x - by.dx * step / 10, from.y - by.dy * step / 10);
            await sleep(300);
            await tab.touchscreen.touchEnd();
        },
        // Over what the field holds.
        async type(text) {
            await tab.keyboard.down('Control');
            await tab.keyboard.press('KeyA');
            await tab.keyboard.up('Control');
            await tab.keyboard.type(text);
        },
    };
}
