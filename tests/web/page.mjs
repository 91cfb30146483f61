// What the browser tests and the benchmark share: Debian's Chromium,
// headless, and a way to the program's widgets through the page's
// accessibility tree.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';

// puppeteer-core lives in the build folder (scripts/build-web installs it
// there); ES modules know no NODE_PATH, so it is required from there.
const modules = process.env.KURSWAAGE_NODE_MODULES;
if (!modules)
    throw new Error('KURSWAAGE_NODE_MODULES names no node_modules folder');
const puppeteer = createRequire(join(modules, '..', 'package.json'))('puppeteer-core');

// Headless, unless a screen reader is to read it: then in a window on the
// display, with its accessibility tree given to the desktop's.
export function launchChromium({ onDesktop = false } = {}) {
    return puppeteer.launch({
        executablePath: process.env.KURSWAAGE_CHROMIUM || '/usr/bin/chromium',
        headless: !onDesktop,
        defaultViewport: onDesktop ? null : undefined,
        args: ['--no-sandbox', '--no-first-run', '--disable-background-networking']
            .concat(onDesktop ? ['--force-renderer-accessibility', '--start-maximized', '--disable-features=Translate'] : []),
    });
}

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

// Whether a widget's text shows `value`: a result's text in the tree is
// its caption and then its value.
export function showsValue(found, value) {
    return !!found && (found.text === value || found.text.endsWith(' ' + value));
}

// Where a widget of an open window is and what it shows, or null.
export function widget(page, window, name) {
    return page.evaluate((w, n) => window.kurswaageWidget ? window.kurswaageWidget(w, n) : null, window, name);
}

// Waits until `test` holds for the widget's report.
export async function waitForWidget(page, window, name, test = (found) => found, what = '') {
    const deadline = Date.now() + 30000;
    let found = null;
    while (Date.now() < deadline) {
        found = await widget(page, window, name);
        if (test(found))
            return found;
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    throw new Error(`${window}/${name}: ${what || 'never shown'}; last seen ${JSON.stringify(found)}`);
}

export function centre(found) {
    return { x: found.x + found.width / 2, y: found.y + found.height / 2 };
}
