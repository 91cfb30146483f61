// Renders the windows of Kurswaage into PNG files for the documentation:
//   xvfb-run -a build/tools/kurswaage-screenshots docs [--dark] [--screen]
// It starts like the program (scaling with the screen, Qt's German texts);
// --dark draws the windows in a dark colour scheme; --screen also saves the
// whole screen with the main window on it (screen.png), frame and all.
// The main window shows the example candidate worked through to the grade,
// the calculator a worked example, the help window the end of its text.
#include "desktopsetup.h"
#include "formdriver.h"
#include "hilfe.h"
#include "kurswaage.h"
#include "muendlichenachpruefung.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextStream>
#include <QTimer>

namespace {

bool save(QWidget *window, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    const bool saved = window->grab().save(path);
    QTextStream(stderr) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

}  // namespace

int main(int argc, char *argv[])
{
    prepareDesktopDefaults();
    QApplication application(argc, argv);
    installGermanQtTexts(application);
    const QStringList arguments = QApplication::arguments();
    const QDir dir(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("."));
    if (arguments.contains(QStringLiteral("--dark")))
        QApplication::setPalette(formdriver::darkPalette());

    Kurswaage window;
    window.show();
    formdriver::workThroughExample(&window);
    application.processEvents();
    bool saved = save(&window, dir, QStringLiteral("main-window.png"));
    if (arguments.contains(QStringLiteral("--screen"))) {
        QEventLoop frameDrawn;  // a second for the window manager's frame
        QTimer::singleShot(1000, &frameDrawn, &QEventLoop::quit);
        frameDrawn.exec();
        const QString path = dir.filePath(QStringLiteral("screen.png"));
        const bool grabbed = window.screen()->grabWindow(0).save(path);
        QTextStream(stderr) << (grabbed ? "wrote " : "could not write ") << path << '\n';
        saved = grabbed && saved;
    }

    muendlicheNachpruefung oral;
    oral.show();
    formdriver::calculateOral(&oral, 10, 5);
    application.processEvents();
    saved = save(&oral, dir, QStringLiteral("oral-dialog.png")) && saved;

    Hilfe help;
    help.show();
    application.processEvents();
    QScrollBar *scrollBar = formdriver::find<QTextBrowser>(&help, "textBrowser")->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
    application.processEvents();
    saved = save(&help, dir, QStringLiteral("help-window.png")) && saved;
    return saved ? 0 : 1;
}
