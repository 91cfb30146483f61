// The main form as the student meets it: what is enabled, which slots
// answer the buttons, what the spin boxes accept, where Tab goes, and how
// the program ends.
#include "app/kurswaage.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMetaMethod>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

class MainFormTest : public QObject
{
    Q_OBJECT

    template<typename T = QWidget>
    T *widget(const QString &name)
    {
        T *w = form->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }

    QScopedPointer<Kurswaage> form;

private slots:
    void init() { form.reset(new Kurswaage); }
    void cleanup() { form.reset(); }

    void windowBeforeShowing();
    void startState();
    void slotsInOrderAndConnected();
    void everySpinBoxHoldsZeroToFifteen();
    void tabGoesAcrossRowOne();
    void programEnds_data();
    void programEnds();
};

void MainFormTest::windowBeforeShowing()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Kurswaage"));
    QCOMPARE(form->objectName(), QStringLiteral("Kurswaage"));
    QCOMPARE(form->size(), QSize(1291, 561));
}

void MainFormTest::startState()
{
    const QStringList expectedDisabled = {
        "pushButton_12", "pushButton_6", "pushButton_8", "pushButton_4",
        "label_9", "comboBox_8", "spinBox_44", "spinBox_33", "spinBox_22", "spinBox_11",
        "label_18", "comboBox_17", "spinBox_50", "spinBox_51", "spinBox_52", "spinBox_53",
    };
    QStringList disabled;
    int named = 0;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        ++named;
        if (!w->isEnabled())
            disabled << w->objectName();
    }
    QCOMPARE(named, 133);
    disabled.sort();
    QStringList expected = expectedDisabled;
    expected.sort();
    QCOMPARE(disabled, expected);
    QVERIFY(widget<QRadioButton>("radioButton_2")->isChecked());
    QVERIFY(!widget<QRadioButton>("radioButton")->isChecked());
    QVERIFY(!widget<QGroupBox>("groupBox")->isCheckable());
}

void MainFormTest::slotsInOrderAndConnected()
{
    const QStringList buttons = {"pushButton_2", "pushButton_4", "pushButton_9", "pushButton_7", "pushButton_6",
                                 "pushButton_8", "pushButton_10", "pushButton_5", "pushButton", "pushButton_13",
                                 "pushButton_17", "pushButton_16", "pushButton_14", "pushButton_15",
                                 "pushButton_11", "pushButton_12", "pushButton_18"};
    const QMetaObject *meta = form->metaObject();
    QCOMPARE(meta->methodCount() - meta->methodOffset(), buttons.size());
    const QMetaMethod clicked = QMetaMethod::fromSignal(&QAbstractButton::clicked);
    for (int i = 0; i < buttons.size(); ++i) {
        const QMetaMethod slot = meta->method(meta->methodOffset() + i);
        QCOMPARE(QString::fromLatin1(slot.methodSignature()), "on_" + buttons[i] + "_clicked()");
        QCOMPARE(slot.access(), QMetaMethod::Private);
        // disconnect() answers whether the connection existed
        QVERIFY2(QObject::disconnect(widget(buttons[i]), clicked, form.data(), slot), qPrintable(buttons[i]));
    }
}

void MainFormTest::everySpinBoxHoldsZeroToFifteen()
{
    const QList<QSpinBox *> spinBoxes = form->findChildren<QSpinBox *>();
    QCOMPARE(spinBoxes.size(), 53);
    for (QSpinBox *spinBox : spinBoxes) {
        QVERIFY2(spinBox->minimum() == 0 && spinBox->maximum() == 15 && spinBox->value() == 0,
                 qPrintable(spinBox->objectName()));
        spinBox->setValue(99);
        QCOMPARE(spinBox->value(), 15);
        spinBox->setValue(-3);
        QCOMPARE(spinBox->value(), 0);
    }
}

void MainFormTest::tabGoesAcrossRowOne()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.data()));
    widget("comboBox_6")->setFocus();
    for (const char *next : {"spinBox", "spinBox_12", "spinBox_23", "spinBox_34", "spinBox_2"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
    }
}

void MainFormTest::programEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Beenden") << "button";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close button") << "close";
}

// Each way of leaving ends the event loop with status 0, as main() returns.
void MainFormTest::programEnds()
{
    QFETCH(QString, how);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.data()));
    QTimer::singleShot(0, form.data(), [&] {
        if (how == "button")
            QTest::mouseClick(widget("pushButton_3"), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(form.data(), Qt::Key_Escape);
        else
            form->close();
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form->isVisible());
}

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
