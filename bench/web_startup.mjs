// The web build's cost to a student: what the first visit transfers (as
// gzip and as brotli) and the time from opening the page to the first frame
// Qt draws, in headless Chromium, against an empty dialog built and served
// the same way. Each round opens both in fresh browser profiles (nothing
// cached), in turn.
//   node web_startup.mjs KURSWAAGE_SITE EMPTY_DIALOG_SITE [ROUNDS]
import { statSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import os from 'node:os';
import { serve } from '../tools/web/serve.mjs';
import { launchChromium } from '../tools/web/chromium.mjs';

const [programSite, emptySite, roundsText] = process.argv.slice(2);
const rounds = Number(roundsText || 15);

// Notes the moment Qt first draws a window into its canvas (a 2D one: Qt
// puts each window's pixels there), before the page's own scripts run.
const FIRST_DRAW = `(() => {
    const draw = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (...args) {
        if (window.firstDraw === undefined)
            window.firstDraw = performance.now();
        return draw.apply(this, args);
    };
})();`;

function bytes(site, paths, suffix) {
    let total = 0;
    for (const path of paths) {
        const file = join(site, path);
        total += statSync(existsSync(file + suffix) ? file + suffix : file).size;
    }
    return total;
}

async function firstVisit(browser, site) {
    const server = await serve(site);
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1400, height: 800 });
    await page.evaluateOnNewDocument(FIRST_DRAW);
    await page.goto(server.origin + '/');
    await page.waitForFunction(() => window.firstDraw !== undefined, { timeout: 60000, polling: 'raf' });
    const frame = await page.evaluate(() => window.firstDraw);
    await page.waitForNetworkIdle({ idleTime: 300 });
    const paths = [...new Set(server.sent.map((sent) => sent.path))];
    await context.close();
    await server.stop();
    return { frame, paths };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await launchChromium();
const results = { program: [], empty: [] };
let paths = {};
for (let round = 0; round < rounds; ++round) {
    for (const [name, site] of [['program', programSite], ['empty', emptySite]]) {
        const visit = await firstVisit(browser, site);
        results[name].push(visit.frame);
        paths[name] = visit.paths;
    }
}
const version = await browser.version();
await browser.close();

const size = {};
for (const [name, site] of [['program', programSite], ['empty', emptySite]])
    size[name] = { raw: bytes(site, paths[name], ''), gzip: bytes(site, paths[name], '.gz'), brotli: bytes(site, paths[name], '.br') };
const mib = (n) => (n / 1048576).toFixed(2) + ' MiB';
console.log(`${os.cpus()[0].model}, ${os.cpus().length} cores, ${version}, ${rounds} rounds, first visit, nothing cached`);
for (const kind of ['raw', 'gzip', 'brotli'])
    console.log(`transfer ${kind.padEnd(6)}  Kurswaage ${mib(size.program[kind])}  empty dialog ${mib(size.empty[kind])}  ratio ${(size.program[kind] / size.empty[kind]).toFixed(3)}`);
const frame = { program: median(results.program), empty: median(results.empty) };
console.log(`first frame (median)  Kurswaage ${frame.program.toFixed(0)} ms  empty dialog ${frame.empty.toFixed(0)} ms  ratio ${(frame.program / frame.empty).toFixed(3)}`);
console.log(`files of the first visit: ${paths.program.join(' ')}`);
