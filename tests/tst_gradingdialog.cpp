// The grading buttons of the real main dialog, clicked as a student would.
#include "app/kurswaage.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

// Spin boxes of the course grid, [half-year][row].
const char *const kGrid[4][12] = {
    {"spinBox", "spinBox_2", "spinBox_3", "spinBox_4", "spinBox_5", "spinBox_6", "spinBox_7", "spinBox_8",
     "spinBox_9", "spinBox_10", "spinBox_44", "spinBox_50"},
    {"spinBox_12", "spinBox_13", "spinBox_14", "spinBox_15", "spinBox_16", "spinBox_17", "spinBox_18",
     "spinBox_19", "spinBox_20", "spinBox_21", "spinBox_33", "spinBox_51"},
    {"spinBox_23", "spinBox_24", "spinBox_25", "spinBox_26", "spinBox_27", "spinBox_28", "spinBox_29",
     "spinBox_30", "spinBox_31", "spinBox_32", "spinBox_22", "spinBox_52"},
    {"spinBox_34", "spinBox_35", "spinBox_36", "spinBox_37", "spinBox_38", "spinBox_39", "spinBox_40",
     "spinBox_41", "spinBox_42", "spinBox_43", "spinBox_11", "spinBox_53"},
};
const char *const kExams[5] = {"spinBox_48", "spinBox_47", "spinBox_46", "spinBox_49", "spinBox_45"};
const char *const kChain[] = {"pushButton_7", "pushButton_6", "pushButton_8", "pushButton_4"};

const QColor kGreen(Qt::darkGreen);
const QColor kRed(Qt::red);

}  // namespace

class GradingDialogTest : public QObject
{
    Q_OBJECT

    QScopedPointer<Kurswaage> form;

    template<typename T = QWidget>
    T *widget(const QString &name) { return form->findChild<T *>(name); }
    void click(const char *name)
    {
        auto *button = widget<QAbstractButton>(name);
        QVERIFY2(button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void clickChain()
    {
        for (const char *button : kChain)
            click(button);
    }
    void setGrid(int points)
    {
        for (const auto &column : kGrid)
            for (const char *name : column)
                widget<QSpinBox>(name)->setValue(points);
    }
    QString text(const char *label) { return widget<QLabel>(label)->text(); }

    // Each line of a list with its colour.
    QList<QPair<QString, QColor>> lines(const char *browser)
    {
        QList<QPair<QString, QColor>> result;
        const QTextDocument *document = widget<QTextBrowser>(browser)->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (!block.text().isEmpty())
                result.append({block.text(), block.begin().fragment().charFormat().foreground().color()});
        }
        return result;
    }

    // Mark text and the colour of both roles that the verdict sets.
    void checkMark(const char *label, bool passed)
    {
        QLabel *mark = widget<QLabel>(label);
        QCOMPARE(mark->text(), passed ? QString(QChar(0x2714)) : QString("x"));
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(mark->palette().color(group, mark->foregroundRole()), passed ? kGreen : kRed);
            QCOMPARE(mark->palette().color(group, mark->backgroundRole()), passed ? kGreen : kRed);
        }
    }

    QMap<QString, bool> enabledStates()
    {
        QMap<QString, bool> states;
        for (QWidget *w : form->findChildren<QWidget *>())
            if (!w->objectName().isEmpty())
                states[w->objectName()] = w->isEnabled();
        return states;
    }

private slots:
    void init() { form.reset(new Kurswaage); }
    void cleanup() { form.reset(); }

    void verdictColours_data();
    void verdictColours();
    void secondPressListsAndCountsAgain();
    void leerenKeepsPointsAndVerdicts();
    void zuruecksetzenRestoresTheStart();
    void eleventhTwelfthEleventh();
    void doubleWeightingOnceUntilReset();
    void zeroInRowElevenRefusesThroughTheTally();
};

void GradingDialogTest::verdictColours_data()
{
    QTest::addColumn<int>("firstGrid");
    QTest::addColumn<int>("firstExam");
    QTest::addColumn<int>("secondGrid");
    QTest::addColumn<int>("secondExam");
    QTest::addColumn<QString>("admission");
    QTest::addColumn<QString>("exams");
    QTest::newRow("pass") << 10 << 10 << 10 << 10 << "Du bist zugelassen." << "bestanden";
    QTest::newRow("fail") << 10 << 10 << 0 << 4 << "Du hast 0 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen."
                          << "nicht bestanden!";
    QTest::newRow("pass after failure") << 0 << 0 << 5 << 5 << "Du bist zugelassen." << "bestanden";
    QTest::newRow("failure after pass")
        << 15 << 15 << 4 << 0
        << "Du hast zu oft unter 05 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen."
        << "nicht bestanden!";
}

// The second round overwrites mark, colour and sentence of the first.
void GradingDialogTest::verdictColours()
{
    QFETCH(int, firstGrid);
    QFETCH(int, firstExam);
    QFETCH(int, secondGrid);
    QFETCH(int, secondExam);
    QFETCH(QString, admission);
    QFETCH(QString, exams);
    for (auto [grid, exam] : {std::pair{firstGrid, firstExam}, std::pair{secondGrid, secondExam}}) {
        click("pushButton_13");
        setGrid(grid);
        for (const char *name : kExams)
            widget<QSpinBox>(name)->setValue(exam);
        clickChain();
        click("pushButton_5");
    }
    QCOMPARE(text("label_22"), admission);
    checkMark("label_21", admission == "Du bist zugelassen.");
    QCOMPARE(text("label_30"), exams);
    checkMark("label_29", exams == "bestanden");
}

// Without "Leeren" a second press lists and counts the same courses again:
// four weak courses twice exceed the limit of seven.
void GradingDialogTest::secondPressListsAndCountsAgain()
{
    setGrid(10);
    for (int row = 0; row < 4; ++row)
        widget<QSpinBox>(kGrid[0][row])->setValue(3);
    click("pushButton_7");
    click("pushButton_7");
    QCOMPARE(lines("textBrowser").size(), 10);
    QCOMPARE(lines("textBrowser").mid(5), lines("textBrowser").mid(0, 5));
    QCOMPARE(form->evaluationState().underFiveTally, 8);
    clickChain();
    QCOMPARE(text("label_22"),
             QString("Du hast zu oft unter 05 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen."));

    click("pushButton_13");
    clickChain();
    QCOMPARE(text("label_22"), QString("Du bist zugelassen."));
}

void GradingDialogTest::leerenKeepsPointsAndVerdicts()
{
    click("pushButton_11");
    click("pushButton_18");
    click("pushButton_9");
    clickChain();
    click("pushButton_5");
    QMap<QString, bool> expected = enabledStates();
    const QString average = text("label_37"), verdict = text("label_22"), exams = text("label_30");

    click("pushButton_13");
    for (const char *list : {"textBrowser", "textBrowser_2", "textBrowser_3", "textBrowser_4"})
        QVERIFY(widget<QTextBrowser>(list)->toPlainText().isEmpty());
    expected["pushButton_6"] = expected["pushButton_8"] = expected["pushButton_4"] = false;
    QCOMPARE(enabledStates(), expected);
    QCOMPARE(text("label_37"), average);
    QCOMPARE(text("label_22"), verdict);
    QCOMPARE(text("label_30"), exams);
    QCOMPARE(widget<QSpinBox>("spinBox_31")->value(), 4);
    QCOMPARE(form->evaluationState().underFiveTally, 0);
    QCOMPARE(form->evaluationState().doubleWeighting, 1);
    QCOMPARE(form->evaluationState().extraSubjects, 1);
}

void GradingDialogTest::zuruecksetzenRestoresTheStart()
{
    const QMap<QString, bool> start = enabledStates();
    click("pushButton_11");
    click("pushButton_12");
    click("pushButton_18");
    click("pushButton_9");
    clickChain();
    click("pushButton_5");
    click("pushButton");
    const QString result = text("label_34");
    QVERIFY(!result.isEmpty());

    click("pushButton_10");
    QCOMPARE(enabledStates(), start);
    for (QSpinBox *spinBox : form->findChildren<QSpinBox *>())
        QCOMPARE(spinBox->value(), 0);
    for (const char *label : {"label_21", "label_22", "label_29", "label_30", "label_34", "label_32", "label_33",
                              "label_36", "label_37"})
        QVERIFY2(text(label).isEmpty(), label);
    for (const char *list : {"textBrowser", "textBrowser_2", "textBrowser_3", "textBrowser_4"})
        QVERIFY(widget<QTextBrowser>(list)->toPlainText().isEmpty());
    const EvaluationState &state = form->evaluationState();
    QCOMPARE(state.extraSubjects + state.eleventhSubject + state.doubleWeighting, 0);
    QCOMPARE(state.underFiveTally, 0);
    QCOMPARE(state.zeroTally, 0);

    // The recorded points survive: "Berechnen" shows the last result again.
    click("pushButton");
    QCOMPARE(text("label_34"), result);
}

void GradingDialogTest::eleventhTwelfthEleventh()
{
    QVERIFY(!widget("pushButton_12")->isEnabled());
    click("pushButton_11");
    click("pushButton_12");
    click("pushButton_11");
    for (int c = 0; c < 4; ++c) {
        QVERIFY(widget(kGrid[c][10])->isEnabled());
        QVERIFY(widget(kGrid[c][11])->isEnabled());
    }
    QVERIFY(widget("label_18")->isEnabled() && widget("comboBox_17")->isEnabled());
    QCOMPARE(form->evaluationState().extraSubjects, 1);

    click("pushButton_9");  // row 11 filled, row 12 left alone
    QCOMPARE(widget<QSpinBox>(kGrid[0][10])->value(), 10);
    QCOMPARE(widget<QSpinBox>(kGrid[3][10])->value(), 12);
    QCOMPARE(widget<QSpinBox>(kGrid[0][11])->value(), 0);

    click("pushButton_7");  // eleven rows: 116 / 11, row 12 at 0 not listed
    QCOMPARE(text("label_32"), QString("10.5455"));
    QCOMPARE(lines("textBrowser").size(), 1);

    click("pushButton_12");  // twelve rows: the example fills row 12 as well
    click("pushButton_9");
    QCOMPARE(widget<QSpinBox>(kGrid[0][11])->value(), 8);
    click("pushButton_7");
    QCOMPARE(text("label_32"), QString("10.3333"));
}

void GradingDialogTest::doubleWeightingOnceUntilReset()
{
    setGrid(5);
    for (int c = 0; c < 4; ++c) {
        widget<QSpinBox>(kGrid[c][0])->setValue(15);
        widget<QSpinBox>(kGrid[c][1])->setValue(15);
    }
    clickChain();
    QCOMPARE(form->evaluationState().blockOnePoints, 280);

    click("pushButton_18");
    QVERIFY(!widget("pushButton_18")->isEnabled());
    click("pushButton_4");
    QCOMPARE(form->evaluationState().blockOnePoints, 333);
    QCOMPARE(text("label_33"), QString("7"));  // the average ignores doubling

    click("pushButton_13");
    QVERIFY(!widget("pushButton_18")->isEnabled());
    click("pushButton_10");
    QVERIFY(widget("pushButton_18")->isEnabled());
    QCOMPARE(form->evaluationState().doubleWeighting, 0);
}

// A 0 in row 11 escapes the zero-course test of rows 1-10 but is listed
// and counted, so the tally refuses; "Berechnen" ignores row 11.
void GradingDialogTest::zeroInRowElevenRefusesThroughTheTally()
{
    click("pushButton_11");
    setGrid(10);
    widget<QSpinBox>(kGrid[3][10])->setValue(0);
    for (const char *name : kExams)
        widget<QSpinBox>(name)->setValue(10);
    clickChain();
    QCOMPARE(lines("textBrowser_4").last(), (QPair<QString, QColor>{"0 NP im 11. Fach", kRed}));
    QCOMPARE(text("label_22"), QString("Du hast 0 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen."));
    click("pushButton_5");
    click("pushButton");
    QCOMPARE(text("label_34"), QString("2,3"));  // 364 + 200
}

QTEST_MAIN(GradingDialogTest)
#include "tst_gradingdialog.moc"
