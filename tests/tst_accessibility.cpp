// What a screen reader finds: every input and every result of the three
// windows has a name of its own, and naming them changed nothing visible.
#include "kurswaage.h"
#include "hilfe.h"
#include "muendlichenachpruefung.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>

class AccessibilityTest : public QObject
{
    Q_OBJECT

    // Name of every input and result below `window`, found by walking the
    // accessibility tree as an assistive technology does.
    static QMap<QObject *, QString> namesOf(QWidget *window, const QStringList &results)
    {
        QMap<QObject *, QString> names;
        QList<QAccessibleInterface *> pending = {QAccessible::queryAccessibleInterface(window)};
        while (!pending.isEmpty()) {
            QAccessibleInterface *iface = pending.takeLast();
            for (int i = 0; i < iface->childCount(); ++i)
                pending << iface->child(i);
            QObject *object = iface->object();
            if (qobject_cast<QSpinBox *>(object) || qobject_cast<QComboBox *>(object)
                || qobject_cast<QAbstractButton *>(object) || qobject_cast<QTextBrowser *>(object)
                || (object && results.contains(object->objectName())))
                names[object] = iface->text(QAccessible::Name);
            // On Linux a combo box is announced by its label and its value.
            const auto labels = iface->relations(QAccessible::Label);
            if (qobject_cast<QComboBox *>(object) && !labels.isEmpty())
                names[object] = labels.first().first->text(QAccessible::Name);
        }
        return names;
    }

private slots:
    void everyInputAndResultNamedOnce_data();
    void everyInputAndResultNamedOnce();
    void namesAsTheStudentReadsThem();
};

void AccessibilityTest::everyInputAndResultNamedOnce_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<int>("count");
    // 53 spin boxes, 17 combo boxes, 20 buttons, 4 lists, 9 results
    QTest::newRow("main form") << "Kurswaage"
                               << QStringList{"label_32", "label_36", "label_37", "label_33", "label_21", "label_22",
                                              "label_29", "label_30", "label_34"} << 103;
    QTest::newRow("calculator") << "muendlicheNachpruefung" << QStringList{"label_5"} << 7;
    QTest::newRow("help") << "Hilfe" << QStringList{} << 2;
}

void AccessibilityTest::everyInputAndResultNamedOnce()
{
    QFETCH(QString, window);
    QFETCH(QStringList, results);
    QFETCH(int, count);
    QScopedPointer<QDialog> dialog(window == "Kurswaage" ? static_cast<QDialog *>(new Kurswaage)
                                   : window == "Hilfe"   ? static_cast<QDialog *>(new Hilfe)
                                                         : new muendlicheNachpruefung);
    dialog->show();
    const QMap<QObject *, QString> names = namesOf(dialog.data(), results);
    QCOMPARE(names.size(), count);
    QSet<QString> seen;
    for (auto it = names.begin(); it != names.end(); ++it) {
        QVERIFY2(!it.value().trimmed().isEmpty(), qPrintable(it.key()->objectName()));
        QVERIFY2(!seen.contains(it.value()), qPrintable(it.value()));
        seen << it.value();
        if (auto *w = qobject_cast<QWidget *>(it.key()))
            QVERIFY(w->toolTip().isEmpty());
    }
}

void AccessibilityTest::namesAsTheStudentReadsThem()
{
    Kurswaage form;
    const QList<std::pair<const char *, const char *>> expected = {
        {"spinBox_14", "Fach 3, 2. KHJ"}, {"spinBox_53", "Fach 12, 4. KHJ"}, {"spinBox_48", "Prüfungsfach 1, Punkte"},
        {"spinBox_45", "mündliche Prüfung, Punkte"}, {"label_32", "Durchschnitt 1. KHJ"}, {"comboBox_13", "mündliche Prüfung, Fachwahl"},
        {"comboBox_14", "Fach 1, Fachwahl"},
        {"label_34", "Gesamtdurchschnitt"}, {"pushButton_8", "Prüfen, 3. KHJ"}, {"groupBox_3", "Besondere Lernleistung?"}};
    for (auto [name, accessible] : expected) {
        QWidget *w = form.findChild<QWidget *>(name);
        QCOMPARE(w->accessibleName(), QString::fromUtf8(accessible));
    }
    QVERIFY(form.findChild<QWidget *>("pushButton_4")->accessibleName().isEmpty());  // "Zulassung" says itself
    // the captions stay as they were
    QCOMPARE(form.findChild<QAbstractButton *>("pushButton_8")->text(), QString("Prüfen"));
    QVERIFY(form.findChild<QLabel *>("label_34")->text().isEmpty());
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
