// Read into the page by the browser tests: finds a widget of the program
// in the accessibility tree Qt's platform builds once the screen reader is
// switched on, as the elements a screen reader reads. Each element lies
// under its widget and is named by the chain of object names from the
// application down ("QApplication.Kurswaage.groupBox.spinBox_3").
//   kurswaageWidget("Kurswaage", "pushButton_9")
// answers where it is (CSS pixels), what it shows or says, whether it can
// be used, is shown, and lies on top where a click would go; or null. A
// window's elements go when it closes.
'use strict';
window.kurswaageWidget = function (windowName, name) {
    const host = document.getElementById('qt-shadow-container');
    if (!host || !host.shadowRoot)
        return null;
    const found = [...host.shadowRoot.querySelectorAll('[id]')].find((element) => {
        const names = element.id.split('.');
        return names.pop() === name && (name === windowName || names.includes(windowName));
    });
    if (!found)
        return null;
    // A window's own element is a dialog never opened; the window is the
    // element of Qt's that holds the tree.
    const shown = name === windowName ? found.closest('.qt-window') : found;
    const box = shown.getBoundingClientRect();
    // A click at the widget's centre reaches it: the window on top there is
    // its own, not one still closing above it, say.
    const top = host.shadowRoot.elementFromPoint(box.x + box.width / 2, box.y + box.height / 2);
    const onTop = !!top && top.closest('.qt-window') === found.closest('.qt-window');
    const field = found.tagName === 'INPUT' && found.type !== 'radio' && found.type !== 'checkbox';
    return {
        x: box.x, y: box.y, width: box.width, height: box.height,
        text: field ? found.value : found.textContent,
        name: found.getAttribute('aria-label'),
        enabled: found.getAttribute('aria-disabled') !== 'true',
        visible: found.getAttribute('aria-hidden') !== 'true' && box.width > 0,
        onTop,
    };
};
