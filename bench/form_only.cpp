// The main window's Designer form on a plain QDialog, started with the
// program's desktop defaults but without any of its other code: no subject
// lists, no names for screen readers, no handlers, no embedded pictures.
// What Kurswaage costs beyond this is the cost of the program's own code.
#include "desktopsetup.h"
#include "ui_kurswaage.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    prepareDesktopDefaults();
    QApplication application(argc, argv);
    installGermanQtTexts(application);
    QDialog dialog;
    Ui::Kurswaage form;
    form.setupUi(&dialog);
    dialog.show();
    return application.exec();
}
