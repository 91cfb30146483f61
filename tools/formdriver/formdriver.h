#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <functional>
#include <utility>

// Drives the program's windows by their widgets' object names, as a
// student would click through them: shared by the tests, the screenshot
// tool and the handler benchmark, so that each works the same example.
namespace formdriver {

// The widget called `name` below `parent`, of type T. Aborts when there is
// none, so that a renamed widget fails loudly instead of as a null pointer.
QWidget *findWidget(const QWidget *parent, const char *name, const QMetaObject &type);
template<typename T = QWidget>
T *find(const QWidget *parent, const char *name)
{
    return static_cast<T *>(findWidget(parent, name, T::staticMetaObject));
}

// A new window of the class called `className`: "Kurswaage" (the main
// form), "muendlicheNachpruefung" (the calculator) or "Hilfe".
QDialog *createWindow(const QString &className);

// Clicks a button; like the mouse, the click does nothing while it is
// disabled.
void click(QWidget *window, const char *button);

// "Beispiel ", the four checks of the half-years, "Abiturprüfung" and
// "Berechnen" in the main form: the example candidate to the grade "2,1".
void workThroughExample(QWidget *form);

// The lines of a list as shown: colour and text, empty lines left out.
QList<std::pair<QColor, QString>> listLines(const QWidget *window, const char *list);

// In the oral re-examination calculator: written and re-examination points
// typed in, "errechnen" pressed; answers the new points shown.
QString calculateOral(QWidget *calculator, int written, int reexamination);

// Calls `open`, which opens a modal window and waits in its exec(), and
// runs `inDialog` on that window meanwhile. Answers whether a modal window
// opened and `inDialog` closed it; one left open is closed afterwards, so
// that a failed check cannot leave the caller waiting.
bool withModalDialog(const std::function<void()> &open, const std::function<void(QWidget *)> &inDialog);

// Light text on dark grey, as dark desktop colour schemes have it.
QPalette darkPalette();

}  // namespace formdriver
