#include "desktopsetup.h"
#include "kurswaage.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    prepareDesktopDefaults();
    QApplication application(argc, argv);
    installGermanQtTexts(application);
    Kurswaage dialog;
    dialog.show();
    return application.exec();
}
