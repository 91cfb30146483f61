// One whole session as a student has it: start, the example candidate
// through every check to the grade, both secondary windows, and leaving
// the program. Also run under valgrind: ctest -L memcheck.
#include "app/kurswaage.h"
#include "dialogs/hilfe.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

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
    auto click = [&](const char *name) { QTest::mouseClick(form.findChild<QWidget *>(name), Qt::LeftButton); };
    auto text = [&](const char *name) { return form.findChild<QLabel *>(name)->text(); };
    auto list = [&](const char *name) { return form.findChild<QTextBrowser *>(name)->toPlainText(); };

    for (const char *step : {"pushButton_9", "pushButton_7", "pushButton_6", "pushButton_8", "pushButton_4",
                             "pushButton_5", "pushButton"})
        click(step);
    for (const char *average : {"label_32", "label_36", "label_37", "label_33"})
        QCOMPARE(text(average), QString("10.6"));
    QCOMPARE(list("textBrowser"), QString("bestanden"));
    QCOMPARE(list("textBrowser_3"), QString("bestanden\nunter 05 NP im 9. Fach"));
    const QTextDocument *third = form.findChild<QTextBrowser *>("textBrowser_3")->document();
    auto colour = [](const QTextBlock &line) { return line.begin().fragment().charFormat().foreground().color(); };
    QCOMPARE(colour(third->firstBlock()), QColor(Qt::darkGreen));
    QCOMPARE(colour(third->lastBlock()), QColor(Qt::red));
    for (const char *mark : {"label_21", "label_29"})
        QCOMPARE(form.findChild<QLabel *>(mark)->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
    QCOMPARE(text("label_21"), QString(QChar(0x2714)));
    QCOMPARE(text("label_22"), QString("Du bist zugelassen."));
    QCOMPARE(text("label_29") + " " + text("label_30"), QString(QChar(0x2714)) + " bestanden");
    QCOMPARE(text("label_34"), QString("2,1"));

    // The calculator, worked and left; then a help window, read and closed.
    QString oralResult;
    QTimer::singleShot(0, [&] {
        QWidget *oral = QApplication::activeModalWidget();
        oral->findChild<QSpinBox *>("spinBox")->setValue(10);
        oral->findChild<QSpinBox *>("spinBox_2")->setValue(5);
        QTest::mouseClick(oral->findChild<QWidget *>("pushButton_4"), Qt::LeftButton);
        oralResult = oral->findChild<QLabel *>("label_5")->text();
        QTest::keyClick(oral, Qt::Key_Escape);
    });
    click("pushButton_17");
    QCOMPARE(oralResult, QString("8.33333"));
    click("pushButton_2");
    Hilfe *help = form.findChild<Hilfe *>();
    QVERIFY(help && help->isVisible());
    QTest::mouseClick(help->findChild<QWidget *>("pushButton"), Qt::LeftButton);

    QTimer::singleShot(0, [&] { click("pushButton_3"); });  // Beenden
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
