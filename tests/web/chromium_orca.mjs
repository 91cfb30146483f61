// The page in Chromium on a desktop with a screen reader (started by
// tests/screen_reader_session.py --browser): works the example through
// by keyboard, each button reached by the focus and pressed with Enter,
// and stays open until standard input closes, while the screen reader's
// words are checked.
//   node chromium_orca.mjs DIST_DIR
import { once } from 'node:events';
import { readFileSync } from 'node:fs';
import { serve } from '../../tools/web/serve.mjs';
import { launchChromium } from '../../tools/web/chromium.mjs';

const session = JSON.parse(readFileSync(new URL('../session.json', import.meta.url), 'utf8'));
const server = await serve(process.argv[2]);
// As an installed page: the focus in the page, where a student starts.
const browser = await launchChromium({ onDesktop: true, app: server.origin + '/' });
try {
    const page = await (await browser.waitForTarget((target) => target.url().startsWith(server.origin))).page();
    await page.waitForFunction(() => document.body.dataset.state === 'ready', { timeout: 60000 });
    // At a student's pace: Orca says each button, then what it showed.
    for (const step of session.example) {
        await page.focus(`#${step.press}`);
        await new Promise((resolve) => setTimeout(resolve, 1500));
        await page.keyboard.press('Enter');
        await new Promise((resolve) => setTimeout(resolve, 1500));
    }
    process.stdin.resume();
    await once(process.stdin, 'end');
} finally {
    await browser.close();
    await server.stop();
}
