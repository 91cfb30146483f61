#pragma once

class QWidget;

// What every window does for keyboard and screen-reader users:
// - Return or Enter on a focused push button presses it, as Space does;
// - the mouse wheel changes a spin box or combo box only while it has the
//   focus (otherwise it scrolls what is around it, if anything);
// - lists and help texts can be read line by line with the arrow keys,
//   from the first line on when tabbed into;
// - a new subject choice is said while the choice has the focus;
// - in the browser, a window that opens takes the keyboard, and the page's
//   accessibility tree hears of every new value of a spin box.
// Call once, after the window's form is built.
void makeAccessible(QWidget *window);

// In the browser the page's tree places an element once, when its widget
// is shown. After the widgets of `window` move (laid out anew, scrolled),
// this places them all again, once for all the events in hand. A desktop's
// screen reader asks where a widget is when it needs to know.
void widgetsMoved(QWidget *window);
