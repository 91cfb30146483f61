#pragma once

#include <QColor>

// Colours of the verdicts: green for passed, red for failed, readable on
// the background they are drawn on.
namespace verdictcolours {

// WCAG 2 relative luminance (0 black .. 1 white) and contrast ratio
// (1 .. 21) of two colours.
double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b);

// Qt::darkGreen or Qt::red on a light background, as the program always
// showed them. On a dark background, against which they are hard to read,
// the lightest-needed shade of the same hue that reaches a contrast of
// 4.5 : 1.
QColor forVerdict(bool passed, const QColor &background);

}  // namespace verdictcolours
