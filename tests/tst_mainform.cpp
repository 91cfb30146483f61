// The main form as the student meets it: what is enabled, what it says,
// how it looks, what the spin boxes accept, and how the program ends.
#include "app/kurswaage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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
    void captions_data();
    void captions();
    void fonts_data();
    void fonts();
    void maximumSizes_data();
    void maximumSizes();
    void everySpinBoxHoldsZeroToFifteen();
    void subjectLists_data();
    void subjectLists();
    void subjectListsHold151Entries();
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

void MainFormTest::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char *rows[][2] = {
        {"groupBox", "über die Kurshalbjahre erbrachte Leistungen "},
        {"label", "Fach 1"}, {"label_2", "Fach 2"}, {"label_3", "Fach 3"}, {"label_4", "Fach 4"},
        {"label_5", "Fach 5"}, {"label_6", "Fach 6"}, {"label_10", "Fach 7"}, {"label_11", "Fach 8"},
        {"label_7", "Fach 9"}, {"label_8", "Fach 10"}, {"label_9", "Fach 11"}, {"label_18", "Fach12"},
        {"label_12", "Fach"}, {"label_13", "1. KHJ"}, {"label_14", "2. KHJl"}, {"label_15", "3. KHJ"},
        {"label_16", "4. KHJ"}, {"pushButton_7", "Prüfen"}, {"pushButton_6", "Prüfen"}, {"pushButton_8", "Prüfen"},
        {"pushButton_4", "Zulassung"}, {"pushButton_13", "Leeren"}, {"label_31", "Durchschnitt:"},
        {"label_32", ""}, {"label_36", ""}, {"label_37", ""}, {"label_33", ""}, {"label_22", ""},
        {"label_20", "Zur Abiturprüfung zugelassen:"}, {"label_21", ""},
        {"pushButton_18", "doppelt wichten"}, {"pushButton_11", "11. Fach"}, {"pushButton_12", "12. Fach"},
        {"pushButton_5", "Abiturprüfung"}, {"pushButton", "Berechnen"}, {"pushButton_9", "Beispiel "},
        {"pushButton_10", "Zurücksetzen"}, {"pushButton_2", "Hilfe"}, {"pushButton_3", "Beenden"},
        {"groupBox_2", "erbrachte Leistungen in den  Prüfungen"},
        {"label_23", "Prüfungsfach 1"}, {"label_24", "Prüfungsfach 2"}, {"label_25", "Prüfungsfach 3"},
        {"label_26", "Prüfungsfach 4"}, {"label_27", "mündliche Prüfung"},
        {"pushButton_17", "mdl."}, {"pushButton_16", "mdl."}, {"pushButton_14", "mdl."}, {"pushButton_15", "mdl."},
        {"groupBox_3", "Besondere Lernleistung?"}, {"radioButton", "ja"}, {"radioButton_2", "nein"},
        {"label_28", "Abiturprüfungen:"}, {"label_29", ""}, {"label_30", ""}, {"label_35", "Durchschnitt:"},
        {"label_34", ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
}

void MainFormTest::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QWidget *w = widget(name);
    if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(button->text(), caption);
    else
        QCOMPARE(qobject_cast<QGroupBox *>(w)->title(), caption);
}

void MainFormTest::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");  // empty: the application's
    QTest::addColumn<int>("pointSize");   // 0: the application's
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    const QString tnr = QStringLiteral("Times New Roman");
    QTest::newRow("course group") << "groupBox" << "" << 0 << false << false;
    QTest::newRow("course grid inherits") << "spinBox_14" << "" << 0 << false << false;
    QTest::newRow("exam group") << "groupBox_2" << "" << 0 << true << false;
    QTest::newRow("exam points inherit bold") << "spinBox_45" << "" << 0 << true << false;
    QTest::newRow("radio inherits bold") << "radioButton" << "" << 0 << true << false;
    for (const char *name : {"textBrowser", "textBrowser_2", "textBrowser_3"})
        QTest::newRow(name) << name << "Calibri" << 7 << false << false;
    QTest::newRow("textBrowser_4") << "textBrowser_4" << "" << 7 << false << false;
    for (const char *name : {"label_23", "label_24", "label_25", "label_26", "label_27"})
        QTest::newRow(name) << name << tnr << 14 << true << false;
    QTest::newRow("label_34") << "label_34" << "" << 10 << false << false;
    QTest::newRow("footer") << "label_17" << "" << 0 << false << false;
}

void MainFormTest::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    const QFont font = widget(name)->font();
    QCOMPARE(font.family(), family.isEmpty() ? QApplication::font().family() : family);
    QCOMPARE(font.pointSize(), pointSize ? pointSize : QApplication::font().pointSize());
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), italic);
}

void MainFormTest::maximumSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("maximum");
    const int unlimited = QWIDGETSIZE_MAX;
    for (const char *name : {"pushButton_7", "pushButton_6", "pushButton_8", "pushButton_4", "pushButton_13"})
        QTest::newRow(name) << name << QSize(80, unlimited);
    for (const char *name : {"textBrowser", "textBrowser_2", "textBrowser_3", "textBrowser_4"})
        QTest::newRow(name) << name << QSize(80, 50);
    QTest::newRow("pushButton_18") << "pushButton_18" << QSize(90, 60);
    for (const char *name : {"pushButton_11", "pushButton_12", "pushButton_5", "pushButton", "pushButton_9",
                             "pushButton_10", "pushButton_2", "pushButton_3"})
        QTest::newRow(name) << name << QSize(90, unlimited);
    QTest::newRow("label_35") << "label_35" << QSize(unlimited, 20);
    QTest::newRow("label_34 unlimited") << "label_34" << QSize(unlimited, unlimited);
    QTest::newRow("mdl. unlimited") << "pushButton_17" << QSize(unlimited, unlimited);
}

void MainFormTest::maximumSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, maximum);
    QCOMPARE(widget(name)->maximumSize(), maximum);
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

void MainFormTest::subjectLists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("entries");
    const QString exam = "-------|Deutsch|Geschichte|Englisch|Französisch|Russisch|Latein|Mathe|Biologie|Physik|Chemie";
    const QString extra = "Zusatz|Biologie|Chemie|Physik|Informatik|Englisch|Französisch|Russisch|Latein|Musik|Kunst|"
                          "Geografie|Sozialkunde";
    const QPair<const char *, QString> lists[] = {
        {"comboBox_14", exam}, {"comboBox_15", exam}, {"comboBox_16", exam}, {"comboBox_9", exam},
        {"comboBox_10", exam}, {"comboBox_11", exam}, {"comboBox_12", exam},
        {"comboBox", "Sprache|Englisch|Französisch|Russisch|Latein"},
        {"comboBox_3", "---|Französisch|Latein|Russisch|Englisch|Biologie|Chemie|Physik"},
        {"comboBox_2", "Naturwissenschaft|Physik|Biologie|Chemie"}, {"comboBox_5", "---|Ethik|Religion"},
        {"comboBox_7", "---|Sport|Attest"}, {"comboBox_4", "---|Musik|Kunst"}, {"comboBox_6", "---|Geografie|Sozialkunde"},
        {"comboBox_8", extra}, {"comboBox_17", extra},  // rows 11 and 12, filled although disabled
        {"comboBox_13", "-------|Informatik|Musik|Kunst|Ethik|Religion|Geografie|Sozialkunde|" + exam},
    };
    for (const auto &[name, entries] : lists)
        QTest::newRow(name) << name << entries.split('|');
}

void MainFormTest::subjectLists()
{
    QFETCH(QString, name);
    QFETCH(QStringList, entries);
    auto *box = widget<QComboBox>(name);
    QStringList actual;
    for (int i = 0; i < box->count(); ++i) {
        actual << box->itemText(i);
        QVERIFY(box->itemIcon(i).isNull());
        QVERIFY(!box->itemData(i).isValid());
    }
    QCOMPARE(actual, entries);
    QCOMPARE(box->currentIndex(), 0);
}

void MainFormTest::subjectListsHold151Entries()
{
    int total = 0;
    const QList<QComboBox *> boxes = form->findChildren<QComboBox *>();
    for (QComboBox *box : boxes)
        total += box->count();
    QCOMPARE(boxes.size(), 17);
    QCOMPARE(total, 151);
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
