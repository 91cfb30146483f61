#pragma once

class QCoreApplication;
class QWidget;

// How the program settles into the desktop it starts on. Both keep every
// QT_* setting of the user: they only change Qt's defaults.

// Before the application object exists: scale with the screen on Qt 5 as
// Qt 6 does (150 % stays 150 %), leave out Qt's OpenGL integration, which
// no widget here uses, and name the desktop entry the windows belong to.
void prepareDesktopDefaults();

// Qt's own texts (context menus, standard buttons) in German, like every
// text of the program, whatever the system's language. Answers whether
// Qt's German translation was found; without it Qt speaks English.
bool installGermanQtTexts(QCoreApplication &application);

// What every window does once its form is built: captions whole at any
// font (keepCaptionsWhole), keyboard and screen-reader access
// (makeAccessible), and a size that fits the screen (fitIntoScreen), in
// this order, since the fitting needs the captions' final sizes.
void settleIntoDesktop(QWidget *window);
