// Renders the windows of Kurswaage into PNG files for the documentation:
//   xvfb-run -a build/kurswaage-screenshots docs [--dark]
// It starts like the program (scaling with the screen, Qt's German texts);
// --dark draws the windows in a dark colour scheme.
// The main window shows the example candidate worked through to the grade,
// the calculator a worked example, the help window the end of its text.
#include "app/desktopsetup.h"
#include "app/kurswaage.h"
#include "dialogs/hilfe.h"
#include "dialogs/muendlichenachpruefung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTextStream>

namespace {

void click(QWidget *window, const char *button)
{
    window->findChild<QAbstractButton *>(QString::fromLatin1(button))->click();
}

bool save(QWidget *window, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    const bool saved = window->grab().save(path);
    QTextStream(stderr) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

// A dark colour scheme as desktops offer it: light text on dark grey.
QPalette darkPalette()
{
    QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
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
        QApplication::setPalette(darkPalette());

    Kurswaage window;
    window.show();
    for (const char *button : {"pushButton_9", "pushButton_7", "pushButton_6", "pushButton_8", "pushButton_4",
                               "pushButton_5", "pushButton"})
        click(&window, button);
    application.processEvents();
    bool saved = save(&window, dir, QStringLiteral("main-window.png"));

    muendlicheNachpruefung oral;
    oral.show();
    oral.findChild<QSpinBox *>(QStringLiteral("spinBox"))->setValue(10);
    oral.findChild<QSpinBox *>(QStringLiteral("spinBox_2"))->setValue(5);
    click(&oral, "pushButton_4");
    application.processEvents();
    saved = save(&oral, dir, QStringLiteral("oral-dialog.png")) && saved;

    Hilfe help;
    help.show();
    application.processEvents();
    QScrollBar *scrollBar = help.findChild<QTextBrowser *>(QStringLiteral("textBrowser"))->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
    application.processEvents();
    saved = save(&help, dir, QStringLiteral("help-window.png")) && saved;
    return saved ? 0 : 1;
}
