// One whole session as a student has it: start, the example candidate
// through every check to the grade, both secondary windows, and leaving
// the program. Also run under valgrind: ctest -L memcheck.
#include "formdriver.h"
#include "hilfe.h"
#include "kurswaage.h"
#include "mainform.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

using formdriver::find;

class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void exampleCandidateToTheGradeAndOut();
};

void SessionTest::exampleCandidateToTheGradeAndOut()
{
    Kurswaage form;
    form.show();
    auto text = [&](const char *name) { return find<QLabel>(&form, name)->text(); };
    const QColor green(Qt::darkGreen), red(Qt::red);  // the colours on a light desktop

    formdriver::workThroughExample(&form);
    for (const mainform::HalfYearColumn &column : mainform::kColumns) {
        QCOMPARE(text(column.average), QString("10.6"));
        QList<std::pair<QColor, QString>> expected = {{green, "bestanden"}};
        if (column.list == mainform::kColumns[2].list)
            expected.append({red, "unter 05 NP im 9. Fach"});
        QCOMPARE(formdriver::listLines(&form, column.list), expected);
    }
    for (const char *mark : {"label_21", "label_29"}) {
        QCOMPARE(text(mark), QString(QChar(0x2714)));
        QCOMPARE(find<QLabel>(&form, mark)->palette().color(QPalette::WindowText), green);
    }
    QCOMPARE(text("label_22"), QString("Du bist zugelassen."));
    QCOMPARE(text("label_30"), QString("bestanden"));
    QCOMPARE(text("label_34"), QString("2,1"));

    // The calculator, worked and left; then a help window, read and closed.
    QString oralResult;
    QVERIFY(formdriver::withModalDialog([&] { QTest::mouseClick(find(&form, "pushButton_17"), Qt::LeftButton); },
                                        [&](QWidget *oral) {
                                            oralResult = formdriver::calculateOral(oral, 10, 5);
                                            QTest::keyClick(oral, Qt::Key_Escape);
                                        }));
    QCOMPARE(oralResult, QString("8.33333"));
    QTest::mouseClick(find(&form, "pushButton_2"), Qt::LeftButton);
    Hilfe *help = form.findChild<Hilfe *>();
    QVERIFY(help && help->isVisible() && !help->isModal());
    QTest::mouseClick(find(help, "pushButton"), Qt::LeftButton);
    QVERIFY(!help->isVisible());

    QTimer::singleShot(0, [&] { QTest::mouseClick(find(&form, "pushButton_3"), Qt::LeftButton); });  // Beenden
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
