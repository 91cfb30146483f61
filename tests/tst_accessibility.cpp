// What a screen reader finds and says, and what the keyboard does: every
// input and every result of the three windows has a name of its own; each
// step's results are announced once; Return presses the focused button;
// the mouse wheel changes only the field that has the focus.
#include "announcedresult.h"
#include "formdriver.h"
#include "kurswaage.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>

using formdriver::find;

namespace {

// What the windows have announced.
QStringList announced;

void witness(QWidget *, const QString &text)
{
    announced << text;
}

// Shown, active, with `name` focused, as after tabbing to it.
QWidget *focus(QDialog *dialog, const char *name)
{
    dialog->show();
    QApplication::setActiveWindow(dialog);
    QWidget *widget = find(dialog, name);
    widget->setFocus(Qt::TabFocusReason);
    return widget;
}

}  // namespace

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
        }
        return names;
    }

private slots:
    void init() { announced.clear(); }

    void everyInputAndResultNamedOnce_data();
    void everyInputAndResultNamedOnce();
    void namesAsHeard_data();
    void namesAsHeard();
    void eachStepAnnouncedOnce_data();
    void eachStepAnnouncedOnce();
    void subjectChoiceSpoken();
    void keyboard_data();
    void keyboard();
    void wheelOnlyWhereFocused_data();
    void wheelOnlyWhereFocused();
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
    QScopedPointer<QDialog> dialog(formdriver::createWindow(window));
    dialog->show();
    // Nothing computed yet: an empty result has no name, so that reading
    // out the window does not sound like a verdict.
    for (const QString &result : results)
        QVERIFY2(find(dialog.data(), qPrintable(result))->accessibleName().isEmpty(), qPrintable(result));

    if (window == "Kurswaage")
        formdriver::workThroughExample(dialog.data());
    else if (window == "muendlicheNachpruefung")
        formdriver::calculateOral(dialog.data(), 10, 5);
    const QMap<QObject *, QString> names = namesOf(dialog.data(), results);
    QCOMPARE(names.size(), count);
    QSet<QString> seen;
    for (auto it = names.begin(); it != names.end(); ++it) {
        QVERIFY2(!it.value().trimmed().isEmpty(), qPrintable(it.key()->objectName()));
        QVERIFY2(!seen.contains(it.value()), qPrintable(it.value()));
        seen << it.value();
    }
}

void AccessibilityTest::namesAsHeard_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("heard");
    QTest::newRow("points") << "spinBox_14" << "Fach 3, 2. KHJ";
    QTest::newRow("subject") << "comboBox_14" << "Fach 1, Fachwahl";
    QTest::newRow("a check") << "pushButton_8" << "Prüfen, 3. KHJ";
    QTest::newRow("admission says its caption") << "pushButton_4" << "Zulassung";
    QTest::newRow("examination") << "spinBox_46" << "Prüfungsfach 3, Punkte";
    QTest::newRow("oral re-examination") << "pushButton_14" << "Prüfungsfach 3, mündliche Nachprüfung";
    QTest::newRow("an answer, not its question") << "radioButton" << "ja";
}

// What a screen reader says a widget is: beside which caption it stands.
void AccessibilityTest::namesAsHeard()
{
    QFETCH(QString, widget);
    QFETCH(QString, heard);
    Kurswaage form;
    QCOMPARE(QAccessible::queryAccessibleInterface(find(&form, qPrintable(widget)))->text(QAccessible::Name), heard);
}

void AccessibilityTest::eachStepAnnouncedOnce_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("lastSaid");  // what the last click announces; empty: nothing

    // What the example's steps say, tst_session checks from the session's
    // description; here what a failing step says, and steps that say nothing.
    const QStringList example = {"pushButton_9", "pushButton_7", "pushButton_6", "pushButton_8", "pushButton_4"};
    QTest::newRow("examinations failed") << QStringList{"pushButton_5"}
                                         << "Abiturprüfungen bestanden: nein. Ergebnis der Abiturprüfungen: nicht bestanden!";
    QTest::newRow("no grade") << QStringList{"pushButton"}
                              << "Gesamtdurchschnitt: Sie haben keinen Block bestanden und erhalten deshalb kein Abitur.";
    QTest::newRow("the example shows no result") << QStringList{"pushButton_9"} << "";
    QTest::newRow("reset empties, says nothing") << example + QStringList{"pushButton_10"} << "";
}

void AccessibilityTest::eachStepAnnouncedOnce()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, lastSaid);
    Kurswaage form;
    form.show();
    setAnnouncementWitness(witness);
    for (const QString &button : clicks) {
        announced.clear();
        formdriver::click(&form, qPrintable(button));
    }
    setAnnouncementWitness(nullptr);
    QCOMPARE(announced, lastSaid.isEmpty() ? QStringList() : QStringList{lastSaid});
}

// A subject choice says the subject chosen by key; a change the student
// did not make there is not said.
void AccessibilityTest::subjectChoiceSpoken()
{
    Kurswaage form;
    auto *choice = static_cast<QComboBox *>(focus(&form, "comboBox_14"));
    QVERIFY(choice->hasFocus());
    setAnnouncementWitness(witness);
    QTest::keyClick(choice, Qt::Key_Down);
    find<QComboBox>(&form, "comboBox_15")->setCurrentIndex(2);
    setAnnouncementWitness(nullptr);
    QCOMPARE(announced, QStringList{choice->itemText(1) + "."});
    QCOMPARE(choice->currentIndex(), 1);
}

void AccessibilityTest::keyboard_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");  // a label shown afterwards; empty: the window has closed

    QTest::newRow("Return on a step") << "Kurswaage" << "pushButton" << int(Qt::Key_Return) << "label_34";
    QTest::newRow("Enter on a step") << "Kurswaage" << "pushButton_7" << int(Qt::Key_Enter) << "label_32";
    QTest::newRow("Return on Beenden") << "Kurswaage" << "pushButton_3" << int(Qt::Key_Return) << "";
    QTest::newRow("Escape in the main form") << "Kurswaage" << "spinBox" << int(Qt::Key_Escape) << "";
    QTest::newRow("Return in the calculator's points") << "muendlicheNachpruefung" << "spinBox_2" << int(Qt::Key_Return) << "label_5";
    QTest::newRow("Enter on errechnen") << "muendlicheNachpruefung" << "pushButton_4" << int(Qt::Key_Enter) << "label_5";
    QTest::newRow("Return on Verlassen") << "muendlicheNachpruefung" << "pushButton_3" << int(Qt::Key_Return) << "";
    QTest::newRow("Escape in the calculator") << "muendlicheNachpruefung" << "spinBox" << int(Qt::Key_Escape) << "";
    QTest::newRow("Return on Schließen") << "Hilfe" << "pushButton" << int(Qt::Key_Return) << "";
    QTest::newRow("Escape in the help") << "Hilfe" << "textBrowser" << int(Qt::Key_Escape) << "";
}

void AccessibilityTest::keyboard()
{
    QFETCH(QString, window);
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(QString, result);
    QScopedPointer<QDialog> dialog(formdriver::createWindow(window));
    QWidget *widget = focus(dialog.data(), qPrintable(focused));
    QVERIFY(widget->hasFocus());
    QTest::keyClick(widget, Qt::Key(key));
    QCOMPARE(dialog->isVisible(), !result.isEmpty());
    if (!result.isEmpty())
        QVERIFY(!find<QLabel>(dialog.data(), qPrintable(result))->text().isEmpty());
}

void AccessibilityTest::wheelOnlyWhereFocused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("focused");
    QTest::newRow("points, focused") << "spinBox" << true;
    QTest::newRow("points, passed over") << "spinBox" << false;
    QTest::newRow("subject, focused") << "comboBox_14" << true;
    QTest::newRow("subject, passed over") << "comboBox_14" << false;
}

void AccessibilityTest::wheelOnlyWhereFocused()
{
    QFETCH(QString, field);
    QFETCH(bool, focused);
    Kurswaage form;
    QWidget *widget = focus(&form, focused ? qPrintable(field) : "pushButton");
    widget = find(&form, qPrintable(field));
    const auto value = [widget] {
        if (auto *spinBox = qobject_cast<QSpinBox *>(widget))
            return spinBox->value();
        return static_cast<QComboBox *>(widget)->currentIndex();
    };
    const int before = value();
    const QPoint centre = widget->rect().center();
    // Down for a combo box (the next subject), up for a spin box (a point more).
    const int delta = qobject_cast<QSpinBox *>(widget) ? 120 : -120;
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
    QCOMPARE(value() != before, focused);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
