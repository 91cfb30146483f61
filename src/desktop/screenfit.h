#pragma once

class QWidget;

// Keeps `window` inside the free area of its screen (without panels and
// docks): a form larger than that area, at 150 % on a 1920 × 1080 screen
// say, scrolls inside a window that fits. A form that fits is left exactly
// as it is, its size and its widgets. Called once the form is complete.
void fitIntoScreen(QWidget *window);
