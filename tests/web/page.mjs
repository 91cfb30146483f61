// What the browser tests and the benchmark share: Debian's Chromium,
// headless, drawing WebGL in software, and a way to the program's widgets.
import puppeteer from 'puppeteer-core';

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
