// Starts like the program does and reports when the first frame is on the
// screen, then exits. Built twice: as Kurswaage's main window and as a bare
// QDialog of the same size, so that the driver can compare the two.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>

#ifdef PROBE_KURSWAAGE
#include "app/kurswaage.h"
using Window = Kurswaage;
#else
// The same size as the main window, nothing in it.
class Window : public QDialog
{
public:
    Window() { resize(1291, 561); }
};
#endif

namespace {

// The first paint of the window; the frame is flushed once the event loop
// is back, which is when the probe reports.
class FirstFrame : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, [] {
                std::puts("frame");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen = false;
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Window window;
    FirstFrame firstFrame;
    window.installEventFilter(&firstFrame);
    window.show();
    return application.exec();
}
