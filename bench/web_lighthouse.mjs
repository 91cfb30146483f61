// The web page's start-up as Lighthouse scores it, against a plain form:
// the same page and looks with no script, no WebAssembly and no service
// worker, i.e. what the page would cost were it only HTML and CSS. Each
// round runs Lighthouse on both sites in turn, each in a fresh Chromium, in
// Lighthouse's default mobile profile (simulated slow 4G, 4x slower CPU).
// Prints a Markdown table for the README; progress goes to stderr.
//   KURSWAAGE_BENCH_NODE_MODULES=.../node_modules node bench/web_lighthouse.mjs SITE_DIR [ROUNDS]
import { createRequire } from 'node:module';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, extname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { serve } from '../tools/web/serve.mjs';

// Lighthouse lives where scripts/build-web installed bench/web/package.json;
// ES modules know no NODE_PATH, so it is resolved from there. Both packages
// are ES modules (with top-level await), so they are imported, not required.
const modules = process.env.KURSWAAGE_BENCH_NODE_MODULES;
if (!modules)
    throw new Error('KURSWAAGE_BENCH_NODE_MODULES names no node_modules folder');
const resolve = createRequire(join(modules, '..', 'package.json')).resolve;
const { default: lighthouse } = await import(pathToFileURL(resolve('lighthouse')));
const chromeLauncher = await import(pathToFileURL(resolve('chrome-launcher')));

const [site, roundsText = '5'] = process.argv.slice(2);
const rounds = Number(roundsText);
if (!site || !(Number.isInteger(rounds) && rounds > 0))
    throw new Error('usage: node bench/web_lighthouse.mjs SITE_DIR [ROUNDS]');

// Writes a file the way the site's build does: with gzip and brotli copies
// beside it where the server would send one, so both sites are served alike.
function write(path, body) {
    mkdirSync(dirname(path), { recursive: true });
    writeFileSync(path, body);
    if (['.html', '.css', '.js', '.wasm', '.webmanifest'].includes(extname(path))) {
        writeFileSync(path + '.gz', gzipSync(body, { level: 9 }));
        writeFileSync(path + '.br', brotliCompressSync(body,
            { params: { [constants.BROTLI_PARAM_QUALITY]: constants.BROTLI_MAX_QUALITY } }));
    }
}

// The plain form: index.html less its scripts, its manifest and any link
// that would preload script or WebAssembly, and the stylesheets and icons
// it links, and what those stylesheets pull in.
function plainForm(from) {
    const to = mkdtempSync(join(tmpdir(), 'kurswaage-plain-'));
    const html = readFileSync(join(from, 'index.html'), 'utf8')
        .replace(/<script\b[^>]*>[\s\S]*?<\/script\s*>/gi, '')
        .replace(/<link\b[^>]*>/gi, (link) => /\brel=["']?(manifest|modulepreload)\b/i.test(link)
            || /\bhref=["']?[^"'\s>]+\.(m?js|wasm)\b/i.test(link) ? '' : link);
    write(join(to, 'index.html'), html);
    const local = (url) => !/^([a-z]+:|\/\/|#|data:)/i.test(url);
    const copy = (path) => {
        const body = readFileSync(join(from, path));
        write(join(to, path), body);
        if (extname(path) === '.css')  // fonts and images a stylesheet names
            for (const [, , url] of body.toString().matchAll(/url\(\s*(["']?)([^"')]+)\1\s*\)/g))
                if (local(url))
                    copy(join(dirname(path), url.split(/[?#]/)[0]));
    };
    for (const [link] of html.matchAll(/<link\b[^>]*>/gi)) {
        const href = /\bhref=["']?([^"'\s>]+)/i.exec(link)?.[1];
        if (href && local(href))
            copy(href.split(/[?#]/)[0].replace(/^\//, ''));
    }
    return to;
}

// One Lighthouse run on a fresh Chromium: a new profile, so nothing cached.
async function measure(origin) {
    const chrome = await chromeLauncher.launch({
        chromePath: process.env.KURSWAAGE_CHROMIUM || '/usr/bin/chromium',
        chromeFlags: ['--headless=new', '--no-sandbox'],
    });
    try {
        const { lhr } = await lighthouse(origin + '/',
            { port: chrome.port, logLevel: 'error', onlyCategories: ['performance'] });
        if (lhr.runtimeError)
            throw new Error(`Lighthouse on ${origin}: ${lhr.runtimeError.code} ${lhr.runtimeError.message}`);
        for (const warning of lhr.runWarnings)
            console.error(`warning: ${warning}`);
        const audit = (id) => lhr.audits[id].numericValue ?? NaN;
        return { lhr, score: lhr.categories.performance.score * 100,
            fcp: audit('first-contentful-paint'), lcp: audit('largest-contentful-paint'), tti: audit('interactive'),
            tbt: audit('total-blocking-time'), bytes: audit('total-byte-weight') };
    } finally {
        await chrome.kill();
    }
}

// The middle run, or the mean of the middle two.
const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b), half = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[half] : (sorted[half - 1] + sorted[half]) / 2;
};

const plainDir = plainForm(site);
const servers = { page: await serve(site), plain: await serve(plainDir) };
const runs = { page: [], plain: [] };
let firstVisit;  // bytes the server sent for the page during its first run
try {
    for (let round = 1; round <= rounds; ++round) {
        for (const name of ['page', 'plain']) {
            console.error(`round ${round}/${rounds}: ${name}`);
            const before = servers[name].sent.length;
            runs[name].push(await measure(servers[name].origin));
            if (name === 'page' && firstVisit === undefined)
                firstVisit = servers.page.sent.slice(before);
        }
    }
} finally {
    await Promise.all(Object.values(servers).map((server) => server.stop()));
    rmSync(plainDir, { recursive: true, force: true });
}

const m = (name, key) => median(runs[name].map((run) => run[key]));
const seconds = (ms) => Number.isNaN(ms) ? '–' : `${(ms / 1000).toFixed(2)} s`;
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const row = (label, name) => `| ${label} | ${m(name, 'score').toFixed(0)} | ${seconds(m(name, 'fcp'))} | ` +
    `${seconds(m(name, 'lcp'))} | ${seconds(m(name, 'tti'))} | ${m(name, 'tbt').toFixed(0)} ms | ` +
    `${kib(m(name, 'bytes'))} |`;
const ratio = (key) => (m('page', key) / m('plain', key)).toFixed(2);
const { lhr } = runs.page[0];
// Everything the server sent during the page's first run: a service worker
// fetching the files again costs the student too; Lighthouse's own second
// fetches of the manifest and icons are left out of the distinct files' sum.
const sum = (sent) => sent.reduce((total, { bytes }) => total + bytes, 0);
const distinct = [...new Map(firstVisit.map((sent) => [sent.path, sent])).values()];
console.log(`Lighthouse ${lhr.lighthouseVersion}, default mobile profile (simulated slow 4G, 4x CPU slowdown), ` +
    `${lhr.environment.hostUserAgent.match(/Chrome\/[\d.]+/)?.[0] ?? 'Chromium'}, ` +
    `median of ${rounds} first visit${rounds === 1 ? '' : 's'}, benchmark index ${lhr.environment.benchmarkIndex}:

| Site | Score | FCP | LCP | TTI | TBT | Transfer |
|---|---:|---:|---:|---:|---:|---:|
${row('Kurswaage page', 'page')}
${row('Plain form (no script)', 'plain')}
| Ratio page/plain | | ${ratio('fcp')} | | ${ratio('tti')} | | |

First visit as the server counted it: ${kib(sum(firstVisit))} in ${firstVisit.length} responses ` +
    `(${distinct.length} distinct files, ${kib(sum(distinct))}).`);
