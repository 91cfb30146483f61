#pragma once

class QWidget;

// What every window does for keyboard and screen-reader users:
// - Return or Enter on a focused push button presses it, as Space does;
// - the mouse wheel changes a spin box or combo box only while it has the
//   focus (otherwise it scrolls what is around it, if anything);
// - lists and help texts can be read line by line with the arrow keys,
//   from the first line on when tabbed into;
// - a new subject choice is said while the choice has the focus.
// Call once, after the window's form is built.
void makeAccessible(QWidget *window);
