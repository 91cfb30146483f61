// The windows on a screen of KURSWAAGE_SCREEN_DPI dots per inch (an X
// server started by tests/private-desktop): the main window scales by dpi / 96,
// unrounded, and keeps the layout of a 96-dpi screen; every window lies
// inside the screen and every field and button in it can be reached.
// KURSWAAGE_EXPECTED_RATIO is the device pixel ratio to expect; QT_*
// settings of the run may change it. KURSWAAGE_SCROLLING names the windows
// that must scroll on this screen; the others stay as designed.
// KURSWAAGE_MAY_SHRINK=1: the main form's text may shrink to fit; else it
// keeps its designed size.
#include "desktopsetup.h"
#include "formdriver.h"
#include "kurswaage.h"
#include "ui_kurswaage.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>

class HighDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void windowScalesUnrounded()
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

    void windowFitsTheScreen_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"Kurswaage", "muendlicheNachpruefung", "Hilfe"})
            QTest::newRow(window) << window;
    }

    void windowFitsTheScreen()
    {
        QFETCH(QString, window);
        QScopedPointer<QDialog> dialog(formdriver::createWindow(window));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        const QRect available = dialog->screen()->availableGeometry();
        // The window with the window manager's frame. Qt 6 now and then reports
        // a frame of no size while the window is being framed: then the window.
        const auto frame = [&dialog] {
            const QRect frame = dialog->frameGeometry();
            return frame.isEmpty() ? dialog->geometry() : frame;
        };
        QTRY_VERIFY2(available.contains(frame()), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(frame().x()).arg(frame().y())
                                                                .arg(frame().width()).arg(frame().height())));

        auto *area = dialog->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(area != nullptr, qEnvironmentVariable("KURSWAAGE_SCROLLING").split(' ').contains(window));
        for (QWidget *widget : dialog->findChildren<QWidget *>()) {
            const bool input = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QAbstractSpinBox *>(widget)
                || qobject_cast<QComboBox *>(widget) || qobject_cast<QTextBrowser *>(widget);
            if (!input || !widget->isVisibleTo(dialog.data()))
                continue;
            if (area)
                area->ensureWidgetVisible(widget, 0, 0);
            QWidget *hit = dialog->childAt(widget->mapTo(dialog.data(), widget->rect().center()));
            QVERIFY2(hit && (hit == widget || widget->isAncestorOf(hit)), qPrintable(widget->objectName()));
        }
    }

    // The main form as laid out for this screen: no sideways scrolling, no
    // widget over another, its text as designed (see KURSWAAGE_MAY_SHRINK).
    void mainFormWorksAtThisWidth()
    {
        Kurswaage form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *area = form.findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly);
        QWidget *page = area ? area->widget() : &form;
        QTRY_VERIFY(!area || !area->horizontalScrollBar()->isVisible());

        QList<QWidget *> shown;
        for (QWidget *widget : page->findChildren<QWidget *>()) {
            if (widget->isVisibleTo(page) && !qobject_cast<QScrollBar *>(widget))
                shown.append(widget);
        }
        const auto placed = [page](const QWidget *widget) { return QRect(widget->mapTo(page, QPoint()), widget->size()); };
        for (int i = 0; i < shown.size(); ++i) {
            for (int j = i + 1; j < shown.size(); ++j) {
                if (shown[i]->isAncestorOf(shown[j]) || shown[j]->isAncestorOf(shown[i]))
                    continue;
                QVERIFY2(!placed(shown[i]).intersects(placed(shown[j])),
                         qPrintable(shown[i]->objectName() + " over " + shown[j]->objectName()));
            }
        }

        // Under the panels in either layout: the admission line, then its
        // reason, both from the half-year panel's left edge.
        const QRect panel = placed(formdriver::find(&form, "groupBox")), admissionLine = placed(formdriver::find(&form, "label_20")),
                    reason = placed(formdriver::find(&form, "label_22"));
        QVERIFY(panel.bottom() < admissionLine.top() && admissionLine.bottom() < reason.top());
        QCOMPARE(admissionLine.left(), panel.left());
        QCOMPARE(reason.left(), panel.left());

        // Every text as designed, unless KURSWAAGE_MAY_SHRINK says that even
        // the narrow layout may not fit this screen: then, if shrunk, all alike,
        // to no less than 80 %.
        const bool mayShrink = qEnvironmentVariableIntValue("KURSWAAGE_MAY_SHRINK") == 1;
        QDialog design;
        Ui::Kurswaage().setupUi(&design);
        const auto size = [](const QFont &font) { return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize(); };
        QList<double> scales;
        for (QWidget *designed : design.findChildren<QWidget *>()) {
            // Qt's own parts (a scroll area's viewport) share their names.
            if (designed->objectName().isEmpty() || designed->objectName().startsWith("qt_"))
                continue;
            if (QWidget *shown = form.findChild<QWidget *>(designed->objectName()))
                scales.append(size(shown->font()) / size(designed->font()));
        }
        const auto [smallest, largest] = std::minmax_element(scales.cbegin(), scales.cend());
        const bool asDesigned = qAbs(*smallest - 1) < 1e-9 && qAbs(*largest - 1) < 1e-9;
        const bool shrunkAlike = *largest - *smallest < 0.01 && *smallest >= 0.8 - 1e-9 && *largest <= 1 + 1e-9;
        QVERIFY2(asDesigned || (mayShrink && shrunkAlike),
                 qPrintable(QStringLiteral("text scaled by %1 to %2").arg(*smallest).arg(*largest)));
    }
};

int main(int argc, char *argv[])
{
    prepareDesktopDefaults();  // as the program starts
    QApplication application(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
