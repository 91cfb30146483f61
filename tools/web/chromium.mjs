// Debian's Chromium through puppeteer-core, for the browser tests and the
// benchmark: headless, or in a window on the desktop with its accessibility
// tree given to the desktop's, for a screen reader to read.
import { createRequire } from 'node:module';
import { join } from 'node:path';

// puppeteer-core lives in the build folder (scripts/build-web installs it
// there); ES modules know no NODE_PATH, so it is required from there.
const modules = process.env.KURSWAAGE_NODE_MODULES;
if (!modules)
    throw new Error('KURSWAAGE_NODE_MODULES names no node_modules folder');
const puppeteer = createRequire(join(modules, '..', 'package.json'))('puppeteer-core');

// With `app`, the window shows that address alone, as an installed web
// app: the page has the keyboard's focus from the start, not an address bar.
export function launchChromium({ onDesktop = false, app = null } = {}) {
    return puppeteer.launch({
        executablePath: process.env.KURSWAAGE_CHROMIUM || '/usr/bin/chromium',
        headless: !onDesktop,
        defaultViewport: onDesktop ? null : undefined,
        args: ['--no-sandbox', '--no-first-run', '--disable-background-networking']
            .concat(onDesktop ? ['--force-renderer-accessibility', '--start-maximized', '--disable-features=Translate'] : [])
            .concat(app ? [`--app=${app}`] : []),
    });
}

