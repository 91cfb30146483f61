#pragma once

#include <Qt>

#include <vector>

class QWidget;

// Where one part of a form lies in the form's grid (the window's layout):
// a widget or a layout of that grid, by object name.
struct GridPlace {
    const char *part;
    int row;
    int column;
    int rowSpan;
    int columnSpan;
    Qt::Alignment alignment;
};

// A narrower layout of `window`'s form, for a screen too narrow for the
// designed one: the parts named in `places` move there, the others stay.
// In `relaxedRows`, layouts by object name, fixed gaps may close up.
// Set before fitIntoScreen.
void setNarrowLayout(QWidget *window, std::vector<GridPlace> places, std::vector<const char *> relaxedRows);

// Keeps `window` inside the free area of its screen (without panels and
// docks). A form that fits is left exactly as it is, its size and its
// widgets. A wider one, at 150 % on a 1920 × 1080 screen say, moves onto a
// page that follows the window's width: in its narrow layout first, if it
// has one, then smaller, down to 80 % of its size; the page scrolls only
// where even that is too wide, and upwards and downwards. Called once the
// form is complete.
void fitIntoScreen(QWidget *window);
