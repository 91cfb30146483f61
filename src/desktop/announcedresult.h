#pragma once

class QLabel;
class QString;

// Shows `text` in a result label and names the label for screen readers
// with what it means and what it shows now ("Gesamtdurchschnitt: 2,1");
// while empty, with its meaning alone. The name changes with the text, so
// a screen reader speaks the new value.
void showAnnouncedResult(QLabel *label, const QString &meaning, const QString &text);
