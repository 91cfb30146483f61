// The main form as the student meets it: the table of widget names the
// dialog works by matches the form, the spin boxes accept 0 to 15 only,
// Tab goes across a row, each button opens what it stands for, and the
// example comes out right with eleven and twelve subjects, and the
// courses under 5 points are counted afresh after "Zurücksetzen" and
// "Leeren". (That "Zurücksetzen" brings every value back, the random
// sessions check; leaving the program, tst_session.)
#include "formdriver.h"
#include "kurswaage.h"
#include "mainform.h"

#include <QtTest>
#include <QtWidgets>

class MainFormTest : public QObject
{
    Q_OBJECT

    template<typename T = QWidget>
    T *widget(const QString &name)
    {
        return formdriver::find<T>(form.data(), qPrintable(name));
    }

    void click(const QStringList &buttons)
    {
        for (const QString &button : buttons)
            formdriver::click(form.data(), qPrintable(button));
    }

    QScopedPointer<Kurswaage> form;

private slots:
    void init() { form.reset(new Kurswaage); }
    void cleanup() { form.reset(); }

    // The table the dialog finds its widgets by: every row's points stand on
    // its caption's line, columns from left to right, rows from top to bottom,
    // each examination's points, subject and "mdl." on its caption's line.
    void namesStandWhereTheFormShowsThem()
    {
        form->show();
        auto centre = [&](const char *name) { QWidget *w = widget(name); return w->mapTo(form.data(), w->rect().center()); };
        auto sameLine = [&](const char *a, const char *b) {  // a's middle within b's height
            QWidget *w = widget(b);
            return QRect(w->mapTo(form.data(), QPoint()), w->size()).contains(w->mapTo(form.data(), QPoint()).x(), centre(a).y());
        };
        for (int c = 0; c < kHalfYears; ++c) {
            const mainform::HalfYearColumn &column = mainform::kColumns[c];
            for (int row = 0; row < kSubjectRows; ++row) {
                QVERIFY2(sameLine(column.rows[row], mainform::kRowCaptions[row]), column.rows[row]);
                QVERIFY(sameLine(mainform::kSubjectChoices[row], mainform::kRowCaptions[row]));
                if (row > 0)
                    QVERIFY(centre(column.rows[row]).y() > centre(column.rows[row - 1]).y());
                if (c > 0)
                    QVERIFY(centre(column.rows[row]).x() > centre(mainform::kColumns[c - 1].rows[row]).x());
            }
            // List, average and check below the grid, in the columns' order.
            const mainform::HalfYearColumn *left = c > 0 ? &mainform::kColumns[c - 1] : nullptr;
            for (auto part : {&mainform::HalfYearColumn::list, &mainform::HalfYearColumn::average,
                              &mainform::HalfYearColumn::check}) {
                QVERIFY(centre(column.*part).y() > centre(column.rows[kSubjectRows - 1]).y());
                QVERIFY(!left || centre(column.*part).x() > centre(left->*part).x());
            }
        }
        for (const mainform::ExamRow &exam : mainform::kExamRows) {
            QVERIFY2(sameLine(exam.points, exam.caption) && sameLine(exam.subject, exam.caption), exam.points);
            QVERIFY(!exam.oralReexamination || sameLine(exam.oralReexamination, exam.caption));
        }
    }

    void everySpinBoxHoldsZeroToFifteen()
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

    void tabGoesAcrossRowOne()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.data()));
        widget("comboBox_6")->setFocus();
        for (const char *next : {"spinBox", "spinBox_12", "spinBox_23", "spinBox_34", "spinBox_2"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void buttonsOpenTheirSteps_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<bool>("enabled");
        const QString row11 = mainform::kColumns[2].rows[10], row12 = mainform::kColumns[1].rows[11];
        QTest::newRow("row 11 closed at start") << QStringList{} << row11 << false;
        QTest::newRow("11. Fach opens row 11") << QStringList{"pushButton_11"} << row11 << true;
        QTest::newRow("and 12. Fach") << QStringList{"pushButton_11"} << "pushButton_12" << true;
        QTest::newRow("row 12 still closed") << QStringList{"pushButton_11"} << row12 << false;
        QTest::newRow("12. Fach opens row 12") << QStringList{"pushButton_11", "pushButton_12"} << row12 << true;
        QTest::newRow("the first check opens the second") << QStringList{"pushButton_7"} << "pushButton_6" << true;
        QTest::newRow("but not the third") << QStringList{"pushButton_7"} << "pushButton_8" << false;
        QTest::newRow("Leeren closes it again") << QStringList{"pushButton_7", "pushButton_13"} << "pushButton_6" << false;
        QTest::newRow("Zurücksetzen closes the later steps") << QStringList{"pushButton_7", "pushButton_10"} << "pushButton_6" << false;
        QTest::newRow("and rows 11, 12") << QStringList{"pushButton_11", "pushButton_12", "pushButton_10"} << row12 << false;
        QTest::newRow("doppelt wichten once") << QStringList{"pushButton_18"} << "pushButton_18" << false;
    }

    void buttonsOpenTheirSteps()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, widget);
        QFETCH(bool, enabled);
        click(clicks);
        QCOMPARE(this->widget(widget)->isEnabled(), enabled);
    }

    // The example candidate with an eleventh and a twelfth subject, with and
    // without subjects 1 and 2 counted twice: the half-year averages and
    // Block I by hand (Block I: 40 x sum / courses counted, rounded; the
    // doubled courses count twice, in the sum and in the courses counted).
    void elevenAndTwelveSubjects_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("averages");
        QTest::addColumn<int>("blockOne");
        const QStringList eleven{"10.5455", "10.4545", "10.6364", "10.7273"};
        const QStringList twelve{"10.3333", "10.3333", "10.4167", "10.5"};
        QTest::newRow("11: 466 over 44") << QStringList{"pushButton_11"} << eleven << 424;
        QTest::newRow("11 doubled: 541 over 52") << QStringList{"pushButton_11", "pushButton_18"} << eleven << 416;
        QTest::newRow("12: 499 over 48") << QStringList{"pushButton_11", "pushButton_12"} << twelve << 416;
        QTest::newRow("12 doubled: 574 over 56") << QStringList{"pushButton_11", "pushButton_12", "pushButton_18"} << twelve << 410;
    }

    void elevenAndTwelveSubjects()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, averages);
        QFETCH(int, blockOne);
        click(options);
        formdriver::workThroughExample(form.data());
        QStringList shown;
        for (const mainform::HalfYearColumn &column : mainform::kColumns)
            shown << widget<QLabel>(column.average)->text();
        QCOMPARE(shown, averages);
        QCOMPARE(form->evaluationState().blockOnePoints, blockOne);
        QCOMPARE(widget<QLabel>("label_22")->text(), QStringLiteral("Du bist zugelassen."));
        QCOMPARE(widget<QLabel>("label_34")->text(), QStringLiteral("2,1"));  // 216 + 410 to 424: 626 to 640
    }

    void countingStartsAfresh_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Zurücksetzen") << "pushButton_10";
        QTest::newRow("Leeren") << "pushButton_13";
    }

    // After the example (a course under 5 points), "Zurücksetzen" and "Leeren"
    // forget what the checks counted: seven courses under 5, the most that ten
    // subjects allow, are then admitted.
    void countingStartsAfresh()
    {
        QFETCH(QString, button);
        formdriver::workThroughExample(form.data());
        click({button});
        for (int c = 0; c < kHalfYears; ++c)
            for (int row = 0; row < kCompulsoryRows; ++row)
                widget<QSpinBox>(mainform::kColumns[c].rows[row])->setValue(c == 0 && row < 7 ? 4 : 10);
        for (const mainform::HalfYearColumn &column : mainform::kColumns)
            formdriver::click(form.data(), column.check);
        QCOMPARE(widget<QLabel>("label_22")->text(), QStringLiteral("Du bist zugelassen."));
    }
};

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
