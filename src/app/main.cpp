#include "app/kurswaage.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Kurswaage dialog;
    dialog.show();
    return application.exec();
}
