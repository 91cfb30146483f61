// Starts the program on the page: fetches its WebAssembly with a progress
// bar, then hands the canvas to Qt. The program's .js comes in through a
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
    const canvas = document.getElementById('programm');

    function fail(text) {
        status.textContent = text;
        progress.hidden = true;
        loading.hidden = false;
        canvas.hidden = true;
        document.body.dataset.state = 'failed';
    }

    // Called by the program when "Beenden" has closed it.
    window.kurswaageEnded = function () {
        fail('Kurswaage ist beendet. Lade die Seite neu, um wieder zu beginnen.');
        document.body.dataset.state = 'ended';
    };

    if (typeof WebAssembly !== 'object' || !document.createElement('canvas').getContext('webgl')) {
        fail('Dieser Browser kann Kurswaage nicht ausführen: Es fehlt WebAssembly oder WebGL. '
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

    Promise.all([fetchProgram(), loadScript(program + '.js')]).then(function ([wasm]) {
        status.textContent = 'Kurswaage startet …';
        return window.createQtAppInstance({
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
            preRun: [function (module) {
                // Qt sizes its screen by the canvas: it must be shown first.
                loading.hidden = true;
                canvas.hidden = false;
                module.qtContainerElements = [canvas];
                module.qtFontDpi = 96;
            }],
        });
    }).then(function (module) {
        // The browser tests reach the program's widgets through this.
        window.kurswaage = module;
        document.body.dataset.state = 'running';
    }).catch(function (error) {
        fail('Kurswaage konnte nicht geladen werden: ' + error.message);
    });
}());
