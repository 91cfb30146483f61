// The main window on a screen of KURSWAAGE_SCREEN_DPI dots per inch (an X
// server started by tests/under-x): it scales by dpi / 96, unrounded, and
// keeps the layout of a 96-dpi screen. KURSWAAGE_EXPECTED_RATIO is the
// device pixel ratio to expect; QT_* settings of the run may change it.
#include "desktopsetup.h"
#include "kurswaage.h"

#include <QTest>

class HighDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void windowScalesUnrounded();
};

void HighDpiTest::windowScalesUnrounded()
{
    bool ok = false, dpiOk = false;
    const double expected = qEnvironmentVariable("KURSWAAGE_EXPECTED_RATIO").toDouble(&ok);
    const int screenDpi = qEnvironmentVariableIntValue("KURSWAAGE_SCREEN_DPI", &dpiOk);
    QVERIFY2(ok && dpiOk, "KURSWAAGE_EXPECTED_RATIO or KURSWAAGE_SCREEN_DPI is not set");
    Kurswaage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), expected);
    // Scaled by dpi / 96, the layout is that of a 96-dpi screen, enlarged.
    if (qFuzzyCompare(expected * 96, double(screenDpi)))
        QCOMPARE(window.logicalDpiY(), 96);
    const QSize frame = window.grab().size();
    QVERIFY(qAbs(frame.width() - window.width() * expected) <= 1);
    QVERIFY(qAbs(frame.height() - window.height() * expected) <= 1);
}

int main(int argc, char *argv[])
{
    prepareDesktopDefaults();  // as the program starts
    QApplication application(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
