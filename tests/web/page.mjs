// What the browser tests and the benchmark share: Debian's Chromium,
// headless, drawing WebGL in software, and a way to the program's widgets.
import { createRequire } from 'node:module';
import { join } from 'node:path';

// puppeteer-core lives in the build folder (scripts/build-web installs it
// there); ES modules know no NODE_PATH, so it is required from there.
const modules = process.env.KURSWAAGE_NODE_MODULES;
if (!modules)
    throw new Error('KURSWAAGE_NODE_MODULES names no node_modules folder');
const puppeteer = createRequire(join(modules, '..', 'package.json'))('puppeteer-core');

export function launchChromium() {
    return puppeteer.launch({
        executablePath: process.env.KURSWAAGE_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        // No GPU here: SwiftShader draws Qt's WebGL.
        args: ['--no-sandbox', '--enable-unsafe-swiftshader', '--use-angle=swiftshader'],
    });
}

// Where a widget of an open window is and what it shows, or null.
export function widget(page, window, name) {
    return page.evaluate((w, n) => window.kurswaage ? window.kurswaage.kurswaageWidget(w, n) : null, window, name);
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
