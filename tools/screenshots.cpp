// Renders the windows of Kurswaage into PNG files for the documentation:
//   xvfb-run -a build/kurswaage-screenshots docs
// The main window shows the example candidate worked through to the grade,
// the calculator a worked example, the help window the end of its text.
#include "app/kurswaage.h"
#include "dialogs/hilfe.h"
#include "dialogs/muendlichenachpruefung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
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

}  // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

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
