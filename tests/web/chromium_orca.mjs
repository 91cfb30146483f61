// The site in Chromium on a desktop with a screen reader (started by
// tests/screen_reader_session.py --browser): switches the page's tree on,
// works the example through by keyboard, and stays open until standard
// input closes, while the screen reader's words are checked.
//   node chromium_orca.mjs DIST_DIR
import { once } from 'node:events';
import { serve } from '../../tools/web/serve.mjs';
import { launchChromium, pressByKeyboard, session, switchScreenReaderOn } from './page.mjs';

const server = await serve(process.argv[2]);
const browser = await launchChromium({ onDesktop: true });
try {
    const [page] = await browser.pages();
    await page.goto(server.origin + '/');
    await switchScreenReaderOn(page);
    for (const step of session.example)
        await pressByKeyboard(page, step.name);
    process.stdin.resume();
    await once(process.stdin, 'end');
} finally {
    await browser.close();
    await server.stop();
}
