#pragma once

class QWidget;

// Keeps `window` inside the free area of its screen (without panels and
// docks): a form larger than that area, at 150 % on a 1920 × 1080 screen
// say, scrolls inside a window that fits. A form that fits is left exactly
// as it is, its size and its widgets. Called once the form is complete.
void fitIntoScreen(QWidget *window);

// Shows `window` as the whole screen, without a frame of its own: in a
// browser the page is the program, and the screen is the page's viewport.
// The form scrolls once the viewport is smaller than it, a tablet held
// upright or a phone, and follows the viewport when it changes.
void showFillingScreen(QWidget *window);
