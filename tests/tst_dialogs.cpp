// The oral re-examination calculator, the numbers the windows show, and
// the pictures the program carries.
#include "formdriver.h"
#include "grading.h"
#include "muendlichenachpruefung.h"
#include "numberformat.h"

#include <QtTest>
#include <QtWidgets>

using formdriver::find;

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    // The resources are compiled in and registered before main; what they
    // deliver is byte for byte the file in resources/.
    void logoAndIconsBeforeAnyDialog()
    {
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        for (const QString file : {"velmologo.jpg", "Untitled - 2.ico", "Untitled - 3.ico"}) {
            QFile embedded(":/Bilder bzw. Logos/" + file), original(KURSWAAGE_RESOURCES_DIR "/Bilder bzw. Logos/" + file);
            QVERIFY2(embedded.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly), qPrintable(file));
            QCOMPARE(embedded.readAll(), original.readAll());
        }
    }

    // The shown points change only with "errechnen"; "Verwerfen" empties the
    // inputs and the result but keeps the chosen subject.
    void resultStaysUntilErrechnenAndVerwerfen()
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

    // The engine writes numbers without Qt, as QString::number(x, 'g', 6)
    // has always written them here: every half-year average of 10, 11 or 12
    // whole points from 0 to 15, and every result of the calculator.
    void numbersAsQtWritesThem()
    {
        for (int extraSubjects = 0; extraSubjects <= 2; ++extraSubjects) {
            for (int sum = 0; sum <= 15 * (10 + extraSubjects); ++sum) {
                const ColumnPoints column{float(sum)};  // the average depends on the sum alone
                const double average = grading::halfYearAverage(column, extraSubjects);
                QCOMPARE(QString::fromStdString(formatNumber(average)), QString::number(average, 'g', 6));
            }
        }
        for (int written = 0; written <= 15; ++written)
            for (int oral = 0; oral <= 15; ++oral)
                QCOMPARE(QString::fromStdString(grading::oralReexaminationPoints(written, oral)),
                         QString::number((2 * written + oral) / 3.0, 'g', 6));
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
