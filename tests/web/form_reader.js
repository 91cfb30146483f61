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
// Where a widget lies: its element's place, with the size Qt gave it. A
// browser adds its own padding and border to a field's element around it.
function widgetBox(element) {
    const box = element.getBoundingClientRect();
    const [width, height] = [parseFloat(element.style.width), parseFloat(element.style.height)];
    if (!(width >= 0 && height >= 0))
        return box;
    return { x: box.x, y: box.y, left: box.x, top: box.y, width, height, right: box.x + width, bottom: box.y + height };
}

// A widget's element in the page's tree.
function elementOf(windowName, name) {
    const host = document.getElementById('qt-shadow-container');
    if (!host || !host.shadowRoot)
        return null;
    return [...host.shadowRoot.querySelectorAll('[id]')].find((element) => {
        const names = element.id.split('.');
        return names.pop() === name && (name === windowName || names.includes(windowName));
    });
}

window.kurswaageWidget = function (windowName, name) {
    const host = document.getElementById('qt-shadow-container');
    const found = elementOf(windowName, name);
    if (!found)
        return null;
    // A window's own element is a dialog never opened; the window is the
    // element of Qt's that holds the tree.
    const shown = name === windowName ? found.closest('.qt-window') : found;
    const box = widgetBox(shown);
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

// Whether anything is drawn where the widget lies, as its window's canvas
// holds what Qt drew: more than one colour there.
window.kurswaageDrawn = function (windowName, name) {
    const found = elementOf(windowName, name);
    const canvas = found && found.closest('.qt-window').querySelector('canvas');
    if (!canvas)
        return false;
    const box = widgetBox(found), place = canvas.getBoundingClientRect(), scale = canvas.width / place.width;
    const rgba = new Uint32Array(canvas.getContext('2d').getImageData(
        Math.round((box.x - place.x) * scale), Math.round((box.y - place.y) * scale),
        Math.max(1, Math.round(box.width * scale)), Math.max(1, Math.round(box.height * scale))).data.buffer);
    return rgba.some((pixel) => pixel !== rgba[0]);
};

// The boxes of a window's controls as shown: buttons, fields, choices and
// texts, not the panels and pages that hold them.
function controlsOf(host, windowName) {
    return [...host.shadowRoot.querySelectorAll('button[id], input[id], textarea[id], [role="combobox"][id]')]
        .filter((element) => element.id.split('.').includes(windowName) && element.getAttribute('aria-hidden') !== 'true')
        .map((element) => ({ name: element.id.split('.').pop(), box: widgetBox(element) }))
        .filter((control) => control.box.width > 0 && control.box.height > 0);
}

// What is wrong with a window's layout on a page `width` CSS pixels wide:
// controls beyond its edges, and controls that overlap. Positions are the
// form's, scrolled or not, as its widgets lie on its page.
window.kurswaageLayoutProblems = function (windowName, width) {
    const host = document.getElementById('qt-shadow-container');
    const controls = controlsOf(host, windowName);
    const problems = [];
    for (const { name, box } of controls) {
        if (box.left < -0.5 || box.right > width + 0.5)
            problems.push(`${name} lies beyond the page's width: ${Math.round(box.left)}..${Math.round(box.right)}`);
    }
    for (let i = 0; i < controls.length; ++i) {
        for (let j = i + 1; j < controls.length; ++j) {
            const [a, b] = [controls[i].box, controls[j].box];
            const across = Math.min(a.right, b.right) - Math.max(a.left, b.left);
            const down = Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top);
            if (across > 0.5 && down > 0.5)
                problems.push(`${controls[i].name} overlaps ${controls[j].name}`);
        }
    }
    return problems;
};

// How far the page must scroll, in CSS pixels, to bring a widget's centre
// into the part of the page one sees (the scrolling page's viewport, which
// the scroll bars do not cover); 0, 0 where it is in view. Also how far
// that centre lies from the middle of the view.
window.kurswaageOutOfView = function (windowName, name) {
    const host = document.getElementById('qt-shadow-container');
    const viewport = [...host.shadowRoot.querySelectorAll('[id$=".screenFit.qt_scrollarea_viewport"]')]
        .find((element) => element.id.split('.').includes(windowName));
    const found = window.kurswaageWidget(windowName, name);
    if (!viewport || !found)
        return null;
    const view = viewport.getBoundingClientRect();
    const [x, y] = [found.x + found.width / 2, found.y + found.height / 2];
    const margin = 8;
    const off = (at, from, to) => (at < from + margin ? at - from - margin : at > to - margin ? at - to + margin : 0);
    return { dx: off(x, view.left, view.right), dy: off(y, view.top, view.bottom),
             // how far from the middle of the view, where a scroll should bring it
             toMiddle: { dx: x - (view.left + view.right) / 2, dy: y - (view.top + view.bottom) / 2 },
             viewport: { x: view.x, y: view.y, width: view.width, height: view.height } };
};
