// The site in Chromium on a desktop with a screen reader (started by
// tests/screen_reader_session.py --browser): switches the page's tree on,
// works the example through by keyboard, says "pressed Berechnen" once
// the grade is in the page, and stays open until standard input closes,
// while the screen reader's words are checked.
//   node chromium_orca.mjs DIST_DIR
import { once } from 'node:events';
import { serve } from '../../tools/web/serve.mjs';
import { driven, formReader, launchChromium, pressByKeyboard, session, switchScreenReaderOn } from './page.mjs';
import { waitForWidget } from './site_session.mjs';

const server = await serve(process.argv[2]);
const browser = await launchChromium({ onDesktop: true });
try {
    const [page] = await browser.pages();
    await page.evaluateOnNewDocument(formReader);
    await page.goto(server.origin + '/');
    await switchScreenReaderOn(page);
    await waitForWidget(driven(page), 'Kurswaage', 'pushButton_9', (found) => found && found.visible);
    for (const step of session.example)
        await pressByKeyboard(page, step.name);
    await page.waitForFunction((last) => document.getElementById('ansage').textContent === last, {}, session.example.at(-1).says);
    console.log('pressed Berechnen');
    process.stdin.resume();
    await once(process.stdin, 'end');
} finally {
    await browser.close();
    await server.stop();
}
