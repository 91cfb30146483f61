// Starts the program on the page: fetches its WebAssembly with a progress
// bar, then hands the page's container to Qt. The program's .js comes in through a
// script element, not eval(), so that the page's security policy can allow
// nothing but the site's own files. Which program, and the size of its
// .wasm, the site writes into index.html.
'use strict';
(function () {
    const script = document.currentScript;
    const program = script.dataset.program;
    const wasmBytes = Number(script.dataset.wasmBytes);
    const loading = document.getElementById('laden');
    const status = document.getElementById('ladestand');
    const progress = document.getElementById('fortschritt');
    const container = document.getElementById('programm');

    function fail(text) {
        status.textContent = text;
        progress.hidden = true;
        loading.hidden = false;
        container.hidden = true;
        document.body.dataset.state = 'failed';
    }

    // Called by the program when "Beenden" has closed it.
    window.kurswaageEnded = function () {
        fail('Kurswaage ist beendet. Lade die Seite neu, um wieder zu beginnen.');
        document.body.dataset.state = 'ended';
    };

    // Qt draws the windows into 2D canvases: WebAssembly is all it needs.
    if (typeof WebAssembly !== 'object') {
        fail('Dieser Browser kann Kurswaage nicht ausführen: Es fehlt WebAssembly. '
             + 'Kurswaage läuft in jedem aktuellen Browser und als Programm für Windows und Linux.');
        return;
    }

    // Qt asks for the clipboard permissions when it starts and leaves a
    // refusal unhandled; Safari and WebKit know no such permission and
    // refuse. The answer is the same; only the refusal counts as handled.
    if (navigator.permissions && navigator.permissions.query) {
        const query = navigator.permissions.query.bind(navigator.permissions);
        navigator.permissions.query = function (descriptor) {
            const answer = query(descriptor);
            answer.catch(function () {});
            return answer;
        };
    }

    // The second visit, and every visit without a network, comes from the
    // service worker's copy of these files.
    if ('serviceWorker' in navigator && window.isSecureContext)
        navigator.serviceWorker.register('service-worker.js').catch(function () {});

    async function fetchProgram() {
        const response = await fetch(program + '.wasm');
        if (!response.ok || !response.body)
            throw new Error(response.status + ' ' + response.statusText);
        // The byte count is that of the uncompressed file, whatever the
        // server sends: the stream yields uncompressed bytes.
        progress.max = wasmBytes;
        const reader = response.body.getReader();
        const bytes = new Uint8Array(wasmBytes);
        let received = 0;
        for (;;) {
            const { done, value } = await reader.read();
            if (done)
                break;
            if (received + value.length > bytes.length)
                throw new Error('unerwartete Dateigröße');
            bytes.set(value, received);
            received += value.length;
            progress.value = received;
            status.textContent = 'Kurswaage wird geladen … ' + Math.round(100 * received / wasmBytes) + ' %';
        }
        if (received !== wasmBytes)
            throw new Error('unvollständig geladen');
        return bytes;
    }

    function loadScript(source) {
        return new Promise(function (resolve, reject) {
            const element = document.createElement('script');
            element.src = source;
            element.onload = resolve;
            element.onerror = function () { reject(new Error(source)); };
            document.body.appendChild(element);
        });
    }

    // Qt names a program's entry function after it: "bare-dialog-web"
    // becomes bare_dialog_web_entry.
    const entryName = program.replace(/[^a-zA-Z0-9_]/g, '_') + '_entry';

    // Qt's platform puts a visually hidden button into each window that
    // switches its accessibility tree on, labelled in English; a German page
    // labels it in German.
    function labelScreenReaderSwitches(root) {
        for (const button of root.querySelectorAll('button.hidden-visually-read-by-screen-reader'))
            button.textContent = 'Bildschirmleser einschalten';
    }

    Promise.all([fetchProgram(), loadScript(program + '.js')]).then(function ([wasm]) {
        status.textContent = 'Kurswaage startet …';
        return window[entryName]({
            instantiateWasm: function (imports, started) {
                WebAssembly.instantiate(wasm, imports).then(function (result) {
                    started(result.instance, result.module);
                }, function (error) {
                    fail('Kurswaage konnte nicht starten: ' + error);
                });
                return {};
            },
            locateFile: function (file) { return file; },
            print: function (text) { console.log(text); },
            printErr: function (text) { console.warn(text); },
            onAbort: function (text) { fail('Kurswaage wurde beendet: ' + text); },
            // main() is called below, once the module is there, so that
            // what it throws reaches this page.
            noInitialRun: true,
            // Qt sizes its screen by the container: it must be shown first.
            qtContainerElements: [container],
            qtFontDpi: 96,
            preRun: [function () {
                loading.hidden = true;
                container.hidden = false;
            }],
        });
    }).then(function (module) {
        try {
            module.callMain([]);
        } catch (thrown) {
            // QApplication::exec() leaves main() this way and goes on
            // running from the browser's event loop.
            if (thrown !== 'unwind')
                throw thrown;
        }
        // Qt's windows live in a shadow root inside the container, where
        // its switches come with each window that opens.
        // Once one is pressed, the tree is there and no switch comes again.
        const shadow = document.getElementById('qt-shadow-container').shadowRoot;
        labelScreenReaderSwitches(shadow);
        const switches = new MutationObserver(function () { labelScreenReaderSwitches(shadow); });
        switches.observe(shadow, { childList: true, subtree: true });
        shadow.addEventListener('click', function (event) {
            if (event.target.matches('button.hidden-visually-read-by-screen-reader'))
                switches.disconnect();
        }, true);
        // Every field that takes typing here takes points: phones show
        // their keyboard of digits for Qt's hidden field of typed text.
        for (const field of document.querySelectorAll('body > input'))
            field.inputMode = 'numeric';
        document.body.dataset.state = 'running';
    }).catch(function (error) {
        fail('Kurswaage konnte nicht geladen werden: ' + (error && error.message || error));
    });
}());
