#pragma once

#include <QStringList>

class QLabel;
class QWidget;

// Shows `text` in a result label and names the label for screen readers
// with what it means and what it shows now ("Gesamtdurchschnitt: 2,1").
// An empty result has no name, so that reading the window out does not
// sound like a verdict. Returns the name.
QString showAnnouncedResult(QLabel *label, const QString &meaning, const QString &text);

// Has the screen reader say `parts` once, as sentences, without moving the
// focus: the results a button has just shown, for instance. Nothing is
// said for no parts.
void announce(QWidget *window, const QStringList &parts);

// Is told each announcement as it is made, besides the screen reader,
// until set to nullptr: for tests, which run without one.
using AnnouncementWitness = void (*)(QWidget *window, const QString &text);
void setAnnouncementWitness(AnnouncementWitness witness);
