// The browser tests' one page driver, for Chromium (Node) and WebKitGTK
// (gjs) alike: it walks through what tests/session.json describes and
// reads back what the page's accessibility tree shows (form_reader.js).
// A browser comes as `page`, which answers three things its own way:
//   page.query(expression)   what a script in the page answers (JSON)
//   page.press(point)        a click, or a tap on a touch screen
//   page.scroll(out, by)     the form moved `by` CSS pixels: a finger's
//                            drag, or the mouse wheel (out: kurswaageOutOfView)
// and may bring page.type(text) for a keyboard.

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Whether a widget shows `value`: a result's text in the tree is its
// caption and then its value.
export function showsValue(found, value) {
    return !!found && (found.text === value || found.text.endsWith(' ' + value));
}

export function widget(page, window, name) {
    return page.query(`window.kurswaageWidget ? window.kurswaageWidget(${JSON.stringify(window)}, ${JSON.stringify(name)}) : null`);
}

// Waits until `test` holds for the widget's report.
export async function waitForWidget(page, window, name, test = (found) => found, what = 'never shown') {
    const deadline = Date.now() + 30000;
    let found = null;
    while (Date.now() < deadline) {
        found = await widget(page, window, name);
        if (test(found))
            return found;
        await sleep(50);
    }
    throw new Error(`${window}/${name}: ${what}; last seen ${JSON.stringify(found)}`);
}

export function centre(found) {
    return { x: found.x + found.width / 2, y: found.y + found.height / 2 };
}

export async function press(page, window, name) {
    const found = await waitForWidget(page, window, name, (f) => f && f.visible && f.enabled && f.onTop, 'not pressable');
    await page.press(centre(found));
}

// Waits until the widget shows `value`, and until it is drawn: Qt's next
// frame comes a little after the text is set.
export async function shows(page, window, name, value) {
    await waitForWidget(page, window, name, (f) => showsValue(f, value), `does not show ${JSON.stringify(value)}`);
    const drawn = `window.kurswaageDrawn(${JSON.stringify(window)}, ${JSON.stringify(name)})`;
    for (const deadline = Date.now() + 5000; !(await page.query(drawn)); await sleep(100)) {
        if (Date.now() > deadline)
            throw new Error(`${name} shows ${value} in its text, but nothing is drawn`);
    }
}

// Scrolls the form until the widget is in view, then waits until it stands still.
export async function reach(page, name) {
    for (let attempt = 0; attempt < 60; ++attempt) {
        const out = await page.query(`window.kurswaageOutOfView('Kurswaage', ${JSON.stringify(name)})`);
        if (!out)
            throw new Error(`${name} is not on the scrolling page`);
        if (!out.dx && !out.dy)
            return;
        // Towards the middle, a third of the view at a time.
        const clamp = (value, limit) => Math.max(-limit, Math.min(limit, value));
        await page.scroll(out, { dx: out.dx ? clamp(out.toMiddle.dx, out.viewport.width / 3) : 0,
                                 dy: out.dy ? clamp(out.toMiddle.dy, out.viewport.height / 3) : 0 });
        for (let still = 0, last = null; still < 3; await sleep(100)) {
            const now = JSON.stringify(await widget(page, 'Kurswaage', name));
            still = now === last ? still + 1 : 0;
            last = now;
        }
    }
    throw new Error(`${name} cannot be scrolled into view`);
}

// The example on a page of one screen's size: the form fills the page and
// lies inside its width (a phone may scroll sideways where the smallest
// form is wider), no control overlaps another, and every button and result
// reached by scrolling, the example ends in its grade.
export async function workThroughExample(page, session, screen) {
    const form = await widget(page, 'Kurswaage', 'Kurswaage');
    const filled = [form.x, form.y, form.width, form.height].join();
    if (filled !== [0, 0, screen.width, screen.height].join())
        throw new Error(`the form does not fill the page: ${filled}`);
    const problems = (await page.query(`window.kurswaageLayoutProblems('Kurswaage', ${screen.width})`))
        .filter((problem) => !(screen.sideways && problem.includes('beyond')));
    if (problems.length)
        throw new Error(problems.join('; '));
    for (const step of session.example) {
        await reach(page, step.press);
        await press(page, 'Kurswaage', step.press);
        // A finger's next touch comes no sooner than a quick student's:
        // within a quarter of a second Qt's scrolling takes it for part of
        // the tap before and loses it.
        await sleep(300);
        for (const [name, value] of Object.entries(step.shows || {})) {
            await reach(page, name);
            await shows(page, 'Kurswaage', name, value);
        }
    }
}

// The calculator: points typed, computed, left. `whileOpen` checks more
// before it closes.
export async function useCalculator(page, session, whileOpen = async () => {}) {
    const { open, window, type, press: compute, shows: results, close } = session.calculator;
    await press(page, 'Kurswaage', open);
    await waitForWidget(page, window, window, (f) => f && f.visible, 'does not open');
    for (const [field, text] of Object.entries(type)) {
        await press(page, window, field);
        await page.type(text);
        await shows(page, window, field, text);
    }
    await whileOpen();
    await press(page, window, compute);
    for (const [name, value] of Object.entries(results))
        await shows(page, window, name, value);
    await press(page, window, close);
    await waitForWidget(page, window, window, (f) => !f || !f.visible, 'stays open');
}

// The help: its text shown, then closed.
export async function useHelp(page, session, whileOpen = async () => {}) {
    const { open, window, begins, close } = session.help;
    await press(page, 'Kurswaage', open);
    for (const [name, beginning] of Object.entries(begins))
        await waitForWidget(page, window, name, (f) => f && f.visible && f.text.startsWith(beginning), `does not begin ${beginning}`);
    await whileOpen();
    await press(page, window, close);
    await waitForWidget(page, window, window, (f) => !f || !f.visible, 'stays open');
}

// Runs each check in turn, says PASS or FAIL with the reason, and answers
// how many failed.
export async function runChecks(checks, print, onFailure = async () => {}) {
    let failures = 0;
    for (const [name, check] of checks) {
        try {
            await check();
            print(`PASS ${name}`);
        } catch (error) {
            ++failures;
            print(`FAIL ${name}: ${error.message}`);
            await onFailure(failures);
        }
    }
    return failures;
}
