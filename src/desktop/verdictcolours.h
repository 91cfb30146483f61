#pragma once

#include <QColor>

class QTextBrowser;

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

// Text in the colours its document was written in where they read at
// 4.5 : 1 on the browser's background, in the palette's text colour where
// they do not (black help text in a dark scheme); again whenever the
// palette changes.
void keepTextReadable(QTextBrowser *browser);

}  // namespace verdictcolours
