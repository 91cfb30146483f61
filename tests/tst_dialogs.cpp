// The oral re-examination calculator, and the pictures the program
// carries.
#include "formdriver.h"
#include "kurswaage.h"
#include "muendlichenachpruefung.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

using formdriver::find;

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void logoAndIconsBeforeAnyDialog_data();
    void logoAndIconsBeforeAnyDialog();
    void resultStaysUntilErrechnenAndVerwerfen();
    void oralDialogIsFreshAndChangesNothing();
};

void DialogsTest::logoAndIconsBeforeAnyDialog_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {"velmologo.jpg", "Untitled - 2.ico", "Untitled - 3.ico"})
        QTest::newRow(file) << file;
}

// The resources are compiled in and registered before main; what they
// deliver is byte for byte the file in resources/.
void DialogsTest::logoAndIconsBeforeAnyDialog()
{
    QFETCH(QString, file);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QFile embedded(":/Bilder bzw. Logos/" + file);
    QFile original(QStringLiteral(KURSWAAGE_RESOURCES_DIR "/Bilder bzw. Logos/") + file);
    QVERIFY(embedded.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    QCOMPARE(embedded.readAll(), original.readAll());
}

// The shown points change only with "errechnen"; "Verwerfen" empties the
// inputs and the result but keeps the chosen subject.
void DialogsTest::resultStaysUntilErrechnenAndVerwerfen()
{
    muendlicheNachpruefung dialog;
    find<QComboBox>(&dialog, "comboBox")->setCurrentIndex(6);
    QCOMPARE(formdriver::calculateOral(&dialog, 10, 5), QString("8.33333"));
    find<QSpinBox>(&dialog, "spinBox")->setValue(3);
    QCOMPARE(find<QLabel>(&dialog, "label_5")->text(), QString("8.33333"));

    QTest::mouseClick(find(&dialog, "pushButton_2"), Qt::LeftButton);
    QCOMPARE(find<QSpinBox>(&dialog, "spinBox")->value(), 0);
    QCOMPARE(find<QSpinBox>(&dialog, "spinBox_2")->value(), 0);
    QVERIFY(find<QLabel>(&dialog, "label_5")->text().isEmpty());
    QCOMPARE(find<QComboBox>(&dialog, "comboBox")->currentText(), QString("Mathe"));
}

// Every "mdl." opens a new calculator in its start state, without parent;
// the main form's examination points stay as they were.
void DialogsTest::oralDialogIsFreshAndChangesNothing()
{
    Kurswaage form;
    form.show();
    formdriver::click(&form, "pushButton_9");  // Beispiel
    const int written = find<QSpinBox>(&form, "spinBox_48")->value();

    for (const char *button : {"pushButton_17", "pushButton_16", "pushButton_14", "pushButton_15", "pushButton_17"}) {
        QVERIFY(formdriver::withModalDialog([&] { QTest::mouseClick(find(&form, button), Qt::LeftButton); },
                                            [](QWidget *dialog) {
            QVERIFY(qobject_cast<muendlicheNachpruefung *>(dialog) && !dialog->parentWidget());
            QCOMPARE(find<QSpinBox>(dialog, "spinBox")->value(), 0);
            QCOMPARE(find<QSpinBox>(dialog, "spinBox_2")->value(), 0);
            QVERIFY(find<QLabel>(dialog, "label_5")->text().isEmpty());
            QCOMPARE(find<QComboBox>(dialog, "comboBox")->currentIndex(), 0);
            find<QComboBox>(dialog, "comboBox")->setCurrentIndex(3);
            QCOMPARE(formdriver::calculateOral(dialog, 2, 15), QString("6.33333"));
            QTest::mouseClick(find(dialog, "pushButton_3"), Qt::LeftButton);  // Verlassen
        }));
        QCOMPARE(find<QSpinBox>(&form, "spinBox_48")->value(), written);
    }
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
