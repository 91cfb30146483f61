#include "desktopsetup.h"
#include "kurswaage.h"
#include "screenfit.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include <emscripten/val.h>
#endif

int main(int argc, char *argv[])
{
    prepareDesktopDefaults();
    QApplication application(argc, argv);
    installGermanQtTexts(application);
    Kurswaage dialog;
#ifdef Q_OS_WASM
    // The browser's page is the program: the form fills it. After
    // "Beenden" the page says so (the loader's kurswaageEnded), instead
    // of showing the last frame of a program that no longer answers.
    showFillingScreen(&dialog);
    QObject::connect(&dialog, &QDialog::finished, [] {
        const emscripten::val ended = emscripten::val::global("kurswaageEnded");
        if (ended.typeOf().as<std::string>() == "function")
            ended();
    });
#else
    dialog.show();
#endif
    return application.exec();
}
