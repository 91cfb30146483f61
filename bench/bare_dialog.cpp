// An empty QDialog of the main window's size, started the way any Qt
// program starts: no settings of its own.
#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.resize(1291, 561);
    dialog.show();
    return application.exec();
}
