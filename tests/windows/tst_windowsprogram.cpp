// The real kurswaage.exe on Qt's windows platform, under Wine: it starts,
// the example candidate clicked through with the mouse as
// tests/session.json describes it shows its grade where the same dialog
// in this process, at this screen's scale, shows it, and "Beenden" ends it
// with exit status 0.
//
// The program runs as a process of its own (KURSWAAGE_EXE names it) and is
// driven as a student drives it, by mouse input through Windows. Where its
// widgets lie and what its result looks like come from the same dialog
// built in this process on the same screen: widgets inside a Qt window are
// no windows of their own, so nothing outside the program can find them.
#include "desktopsetup.h"
#include "formdriver.h"
#include "kurswaage.h"
#include "../sessiondescription.h"

#include <QtTest>
#include <QtWidgets>

#include <windows.h>

namespace {

// The process's visible top-level window called "Kurswaage", once it has one.
HWND mainWindowOf(DWORD processId)
{
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, L"Kurswaage"));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// What Windows holds of the window's client area, in device pixels.
QImage grabClientArea(HWND window)
{
    QImage image = QGuiApplication::primaryScreen()->grabWindow(WId(window)).toImage();
    image.setDevicePixelRatio(1);  // compared pixel by pixel with the dialog's
    return image.convertToFormat(QImage::Format_RGB32);
}

// A left click through Windows' input queue, at a point of the client area.
void clickAt(HWND window, QPoint devicePoint)
{
    POINT point{devicePoint.x(), devicePoint.y()};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

}  // namespace

class WindowsProgramTest : public QObject
{
    Q_OBJECT

    QProcess program;
    HWND window = nullptr;
    // The same dialog in this process, never shown on the screen: where its
    // widgets are and how they look.
    QScopedPointer<Kurswaage> reference;

    qreal scale() const { return reference->devicePixelRatioF(); }

    QPoint centreOf(const char *name) const
    {
        const QWidget *widget = formdriver::find(reference.data(), name);
        const QPoint centre = widget->mapTo(reference.data(), widget->rect().center());
        return (QPointF(centre) * scale()).toPoint();
    }

    // The device pixels inside the result's label, two pixels in from each
    // edge, where rounding at fractional scales cannot reach.
    QRect resultArea() const
    {
        const QWidget *label = formdriver::find(reference.data(), "label_34");
        const QRect logical(label->mapTo(reference.data(), QPoint(0, 0)), label->size());
        const QRectF device(QPointF(logical.topLeft()) * scale(), QSizeF(logical.size()) * scale());
        return device.toAlignedRect().adjusted(2, 2, -2, -2);
    }

    QImage referenceImage() const
    {
        QImage image = reference->grab().toImage().convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1);  // compared pixel by pixel with the screen's
        return image;
    }

    void click(const char *name)
    {
        clickAt(window, centreOf(name));
        // The program handles each click before the next arrives; the pause
        // only spares Wine's input queue a burst.
        QTest::qWait(150);
    }

private slots:
    void initTestCase()
    {
        const QString executable = qEnvironmentVariable("KURSWAAGE_EXE");
        QVERIFY2(QFileInfo::exists(executable), "KURSWAAGE_EXE names no file");
        reference.reset(new Kurswaage);
        reference->setAttribute(Qt::WA_DontShowOnScreen);
        reference->show();

        program.setProgram(QDir::toNativeSeparators(executable));
        program.start();
        QVERIFY2(program.waitForStarted(20000), qPrintable(program.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT((window = mainWindowOf(DWORD(program.processId()))) != nullptr, 30000);
    }

    void exampleShowsItsGrade()
    {
        const QJsonArray example = sessionDescription()["example"].toArray();
        QVERIFY(!example.isEmpty());
        const QJsonObject last = example.last().toObject()["shows"].toObject();
        const QImage before = referenceImage();
        for (const QJsonValue &step : example)
            formdriver::click(reference.data(), qPrintable(step["press"].toString()));
        QCOMPARE(formdriver::find<QLabel>(reference.data(), "label_34")->text(), last["label_34"].toString());
        // The label grows to hold the grade: its place then, before and after.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QRect area = resultArea();
        const QImage empty = before.copy(area), graded = referenceImage().copy(area);
        QVERIFY(graded != empty);  // else the comparison below would prove nothing
        // The program has painted its first frame.
        QTRY_COMPARE_WITH_TIMEOUT(grabClientArea(window).copy(area), empty, 10000);

        for (const QJsonValue &step : example)
            click(qPrintable(step["press"].toString()));
        QTRY_COMPARE_WITH_TIMEOUT(grabClientArea(window).copy(area), graded, 10000);
        const QString shot = qEnvironmentVariable("KURSWAAGE_SCREENSHOT");
        if (!shot.isEmpty())
            grabClientArea(window).save(shot);
    }

    void beendenEndsWithStatusZero()
    {
        click("pushButton_3");  // Beenden
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    void cleanupTestCase()
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }
};

int main(int argc, char *argv[])
{
    prepareDesktopDefaults();
    QApplication application(argc, argv);
    installGermanQtTexts(application);
    WindowsProgramTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowsprogram.moc"
