#include "desktopsetup.h"
#include "kurswaage.h"
#include "screenfit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    prepareDesktopDefaults();
    QApplication application(argc, argv);
    installGermanQtTexts(application);
    Kurswaage dialog;
#ifdef Q_OS_WASM
    // The browser's page is the program: the form fills it.
    showFillingScreen(&dialog);
#else
    dialog.show();
#endif
    return application.exec();
}
