// Linked into every start-up probe, beside an unchanged main(): as soon as
// the application object exists, watches for the first paint of a widget.
// Once that frame has been flushed (the event loop is back), writes
//   frame PLATFORM QT-VERSION
// to standard output and quits the application, so that main() returns the
// way it does when the student closes the window.
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

namespace {

class FirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [] {
                std::printf("frame %s %s\n", qPrintable(QGuiApplication::platformName()), qVersion());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

void watchForFirstFrame()
{
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new FirstFrame(application));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstFrame)
