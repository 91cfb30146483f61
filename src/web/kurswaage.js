// The page's behaviour: each button hands the points fields to the engine
// (kurswaage-engine.wasm, the same steps as the desktop program's) and
// shows what comes back. Points fields take whole points from 0 to 15
// and refuse anything else at the field.
'use strict';
(function () {
    const REFUSED = 'Nur ganze Punkte von 0 bis 15';
    const byId = (id) => document.getElementById(id);
    const live = byId('ansage');
    let engine = null;
    let pointsFields = [];   // object names in the order the engine takes them
    let spokenBefore = false;

    // Screen readers say a live region's text when it changes; a
    // no-break space on every other turn lets the same words be said twice.
    function announce(text) {
        if (!text)
            return;
        spokenBefore = !spokenBefore;
        live.textContent = text + (spokenBefore ? '\u00a0' : '');
    }

    // ---- Points fields ----------------------------------------------------

    // Whole points 0 to 15, blanks around them and leading zeros allowed;
    // null for anything else.
    function parsePoints(text) {
        const trimmed = text.trim();
        if (!/^0*[0-9]{1,2}$/.test(trimmed))
            return null;
        const points = Number(trimmed);
        return points <= 15 ? points : null;
    }

    function setError(field, refused) {
        const id = field.id + '-fehler';
        let message = byId(id);
        if (!refused) {
            field.removeAttribute('aria-invalid');
            if (message)
                message.hidden = true;
            return;
        }
        if (!message) {
            message = document.createElement('span');
            message.id = id;
            message.className = 'fehler';
            message.textContent = REFUSED;
            field.insertAdjacentElement('afterend', message);
            field.setAttribute('aria-describedby', id);
        }
        if (message.hidden !== false || field.getAttribute('aria-invalid') !== 'true')
            announce(REFUSED);
        message.hidden = false;
        field.setAttribute('aria-invalid', 'true');
    }

    // The points a field holds: what it last took.
    const pointsOf = (field) => Number(field.getAttribute('aria-valuenow'));

    function setPoints(field, points) {
        field.value = String(points);
        field.setAttribute('aria-valuenow', String(points));
        setError(field, false);
    }

    function takeInput(field) {
        const points = parsePoints(field.value);
        if (points === null) {
            setError(field, true);  // the field keeps its last points
        } else {
            field.setAttribute('aria-valuenow', String(points));
            setError(field, false);
        }
    }

    // Shows the points a field holds again, in place of refused or padded text.
    function settle(field) {
        if (field.value !== field.getAttribute('aria-valuenow'))
            field.value = field.getAttribute('aria-valuenow');
    }

    // The arrow keys step like a spin box's, Page Up and Down by ten.
    const STEPS = { ArrowUp: 1, ArrowDown: -1, PageUp: 10, PageDown: -10 };

    function setUpPointsField(field) {
        // Digits typed replace the points, rather than making 0 into 012.
        field.addEventListener('focus', () => field.select());
        field.addEventListener('input', () => takeInput(field));
        field.addEventListener('change', () => settle(field));
        field.addEventListener('keydown', (event) => {
            const step = STEPS[event.key];
            if (step === undefined || event.altKey || event.ctrlKey || event.metaKey)
                return;
            event.preventDefault();
            setPoints(field, Math.min(15, Math.max(0, pointsOf(field) + step)));
        });
    }

    // ---- The main form ----------------------------------------------------

    function show(state) {
        for (const [id, points] of Object.entries(state.values))
            setPoints(byId(id), points);
        for (const [id, shown] of Object.entries(state.results)) {
            const output = byId(id);
            output.textContent = shown.text;
            output.className = shown.mark;
            if (shown.name)
                output.setAttribute('aria-label', shown.name);
            else
                output.removeAttribute('aria-label');
        }
        for (const [id, lines] of Object.entries(state.lists)) {
            const list = byId(id);
            // A list only grows, until "Leeren" empties it.
            if (lines.length < list.children.length)
                list.replaceChildren();
            for (const line of lines.slice(list.children.length)) {
                const item = document.createElement('li');
                item.textContent = line.text;
                item.className = line.mark;
                list.append(item);
            }
        }
        for (const [id, enabled] of Object.entries(state.enabled)) {
            const control = byId(id);
            if (control.tagName === 'LABEL')
                control.classList.toggle('gesperrt', !enabled);
            else
                control.disabled = !enabled;
        }
        announce(state.say);
    }

    function press(step) {
        pointsFields.forEach((id, index) => {
            const field = byId(id);
            settle(field);
            engine._kw_set_points(index, pointsOf(field));
        });
        const state = JSON.parse(engine.UTF8ToString(engine._kw_press(step)));
        show(state);
        if (state.opens === 'Hilfe')
            openHelp();
        else if (state.opens === 'muendlicheNachpruefung')
            openCalculator();
    }

    function end() {
        for (const dialog of document.querySelectorAll('dialog'))
            dialog.close();
        byId('Kurswaage').hidden = true;
        const ended = byId('beendet');
        ended.hidden = false;
        announce(ended.textContent);
    }

    // ---- The calculator and the help --------------------------------------

    const CALCULATOR = 'muendlicheNachpruefung-';
    const calculator = byId('muendlicheNachpruefung');
    const calculatorResult = byId(CALCULATOR + 'label_5');

    function showCalculatorResult(text, name) {
        calculatorResult.textContent = text;
        if (name)
            calculatorResult.setAttribute('aria-label', name);
        else
            calculatorResult.removeAttribute('aria-label');
    }

    function computeOralReexamination() {
        const written = byId(CALCULATOR + 'spinBox'), oral = byId(CALCULATOR + 'spinBox_2');
        settle(written);
        settle(oral);
        const answer = JSON.parse(engine.UTF8ToString(engine.ccall(
            'kw_oral_reexamination', 'number', ['number', 'number', 'string'],
            [pointsOf(written), pointsOf(oral), calculatorResult.dataset.meaning])));
        showCalculatorResult(answer.text, answer.name);
        announce(answer.say);
    }

    // "Verwerfen": the points and the result go; the chosen subject stays.
    function discardCalculation() {
        setPoints(byId(CALCULATOR + 'spinBox'), 0);
        setPoints(byId(CALCULATOR + 'spinBox_2'), 0);
        showCalculatorResult('', '');
    }

    // Every "mdl." opens a fresh calculator: nothing passes between it and the form.
    function openCalculator() {
        discardCalculation();
        byId(CALCULATOR + 'comboBox').selectedIndex = 0;
        calculator.showModal();
    }

    const help = byId('Hilfe');
    function openHelp() {
        if (!help.open)
            help.show();
        byId('Hilfe-textBrowser').focus();
    }

    // ---- Start ------------------------------------------------------------

    for (const field of document.querySelectorAll('input[role="spinbutton"]'))
        setUpPointsField(field);

    function failed() {
        document.body.dataset.state = 'failed';
        byId('nicht-geladen').hidden = false;
    }
    if (typeof WebAssembly !== 'object' || typeof createKurswaageEngine !== 'function') {
        failed();
        return;
    }
    createKurswaageEngine().then((module) => {
        engine = module;
        pointsFields = JSON.parse(engine.UTF8ToString(engine._kw_points_fields()));
        for (const button of document.querySelectorAll('button[data-step]'))
            button.addEventListener('click', () => press(Number(button.dataset.step)));
        byId('pushButton_3').addEventListener('click', end);
        byId(CALCULATOR + 'pushButton_4').addEventListener('click', computeOralReexamination);
        byId(CALCULATOR + 'pushButton_2').addEventListener('click', discardCalculation);
        byId(CALCULATOR + 'pushButton_3').addEventListener('click', () => calculator.close());
        // Return in a points field computes, as the desktop's default button does.
        calculator.addEventListener('keydown', (event) => {
            if (event.key === 'Enter' && event.target.matches('input'))
                computeOralReexamination();
        });
        byId('Hilfe-pushButton').addEventListener('click', () => help.close());
        help.addEventListener('keydown', (event) => {
            if (event.key === 'Escape')
                help.close();
        });
        document.body.dataset.state = 'ready';
        // F1 asks for help, as in a desktop program.
        document.addEventListener('keydown', (event) => {
            if (event.key === 'F1') {
                event.preventDefault();
                byId('pushButton_2').click();
            }
        });
    }, failed);

    // The second visit, and every visit without a network, comes from the
    // service worker's copy of the site.
    if ('serviceWorker' in navigator && window.isSecureContext)
        navigator.serviceWorker.register('service-worker.js').catch(() => {});
})();
