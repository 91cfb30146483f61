// The grading rules in tables, without any widget: the half-year check
// (average, lines in order, tallies), Block I with and without doubling,
// the order of the admission verdicts, the examinations, the overall
// result, the grade for every total, the rows of the example and the
// oral re-examination.
#include "grading.h"
#include "publishedgrades.h"

#include <QTest>

using namespace grading;

Q_DECLARE_METATYPE(ColumnPoints)
Q_DECLARE_METATYPE(CourseWholePoints)
Q_DECLARE_METATYPE(ExamPoints)
Q_DECLARE_METATYPE(AdmissionInput)
Q_DECLARE_METATYPE(OverallInput)

namespace {

// Courses of the rows in force whose points add up to `sum`: every course
// gets sum / courses, the first ones one point more.
CourseWholePoints coursesWithSum(int sum, int rows)
{
    CourseWholePoints courses{};
    const int count = 4 * rows;
    for (int i = 0; i < count; ++i)
        courses[i / rows][i % rows] = sum / count + (i < sum % count ? 1 : 0);
    return courses;
}

// A column of `points` with the given rows (1-based) changed.
ColumnPoints column(float points, std::initializer_list<std::pair<int, float>> changed = {})
{
    ColumnPoints c;
    c.fill(points);
    for (auto [row, value] : changed)
        c[row - 1] = value;
    return c;
}

}  // namespace

class GradingTest : public QObject
{
    Q_OBJECT

private slots:
    void halfYear_data()
    {
        QTest::addColumn<ColumnPoints>("points");
        QTest::addColumn<int>("extraSubjects");
        QTest::addColumn<int>("halfYear");
        QTest::addColumn<QString>("average");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<int>("zeros");       // courses listed at 0 points
        QTest::addColumn<int>("underFive");   // courses listed at 1-4 points
        QString tenZeros, tenFours;
        for (int row = 1; row <= 10; ++row) {
            tenZeros += QString("|0 NP im %1. Fach").arg(row);
            tenFours += QString("|unter 05 NP im %1. Fach").arg(row);
        }
        QTest::newRow("all 0") << column(0) << 0 << 0 << "0" << tenZeros.mid(1) << 10 << 0;
        QTest::newRow("all 15") << column(15) << 0 << 1 << "15" << "bestanden" << 0 << 0;
        QTest::newRow("all 4") << column(4) << 0 << 0 << "4" << tenFours.mid(1) << 0 << 10;
        QTest::newRow("one 5 passes") << column(0, {{1, 5}}) << 0 << 0 << "0.5"
                                      << "bestanden" + tenZeros.mid(tenZeros.indexOf("|0 NP im 2.")) << 9 << 0;
        QTest::newRow("4 listed, 5 not") << column(9, {{3, 4}, {4, 5}}) << 0 << 3 << "8.1"
                                         << "bestanden|unter 05 NP im 3. Fach" << 0 << 1;
        QTest::newRow("third lists row 1 last") << column(9, {{1, 3}, {2, 0}}) << 0 << 2 << "7.5"
                                                << "bestanden|0 NP im 2. Fach|unter 05 NP im 1. Fach" << 1 << 1;
        QTest::newRow("first lists row 1 first") << column(9, {{1, 3}, {2, 0}}) << 0 << 0 << "7.5"
                                                 << "bestanden|unter 05 NP im 1. Fach|0 NP im 2. Fach" << 1 << 1;
        QTest::newRow("third, twelve: 11 and 12 after 1") << column(9, {{1, 3}, {11, 2}, {12, 0}}) << 2 << 2 << "7.16667"
            << "bestanden|unter 05 NP im 1. Fach|unter 05 NP im 11. Fach|0 NP im 12. Fach" << 1 << 2;
        QTest::newRow("row 11 not in force") << column(9, {{11, 0}, {12, 0}}) << 0 << 0 << "9" << "bestanden" << 0 << 0;
        QTest::newRow("eleven: row 12 not in force") << column(9, {{11, 1}, {12, 0}}) << 1 << 3 << "8.27273"
                                                     << "bestanden|unter 05 NP im 11. Fach" << 0 << 1;
        QTest::newRow("rows 11, 12 never pass") << column(4, {{11, 15}, {12, 15}}) << 2 << 0 << "5.83333"
                                                << tenFours.mid(1) << 0 << 10;
        QTest::newRow("twelve: 112 over 12") << column(8, {{1, 12}, {2, 12}, {3, 12}, {4, 12}}) << 2 << 1 << "9.33333"
                                             << "bestanden" << 0 << 0;
    }

    // The tallies start from earlier checks: nothing is cleared.
    void halfYear()
    {
        QFETCH(ColumnPoints, points);
        QFETCH(int, extraSubjects);
        QFETCH(int, halfYear);
        QFETCH(QString, average);
        QFETCH(QString, lines);
        QFETCH(int, zeros);
        QFETCH(int, underFive);
        QCOMPARE(formatNumber(halfYearAverage(points, extraSubjects)), average);
        const std::vector<ListLine> listing = halfYearListing(points, extraSubjects, halfYear);
        QStringList texts;
        for (const ListLine &line : listing)
            texts << listLineText(line);
        QCOMPARE(texts.join('|'), lines);

        EvaluationState state;
        state.zeroTally = -2;
        state.underFiveTally = 3;
        countIntoTallies(listing, state);
        QCOMPARE(state.zeroTally, -2 - zeros);
        QCOMPARE(state.underFiveTally, 3 + underFive);
    }

    void blockOne_data()
    {
        QTest::addColumn<CourseWholePoints>("courses");
        QTest::addColumn<int>("extraSubjects");
        QTest::addColumn<bool>("doubling");
        QTest::addColumn<int>("points");
        QTest::newRow("199 over 40") << coursesWithSum(199, 10) << 0 << false << 199;
        QTest::newRow("all 15") << coursesWithSum(600, 10) << 0 << false << 600;
        QTest::newRow("all 15, eleven") << coursesWithSum(660, 11) << 1 << false << 600;
        QTest::newRow("290 over 48 rounds up") << coursesWithSum(290, 12) << 2 << false << 242;
        QTest::newRow("291 over 48: .5 up") << coursesWithSum(291, 12) << 2 << false << 243;
        QTest::newRow("292 over 48 rounds down") << coursesWithSum(292, 12) << 2 << false << 243;
        CourseWholePoints all15 = coursesWithSum(720, 12);
        QTest::newRow("all 15, doubling, twelve") << all15 << 2 << true << 600;
        CourseWholePoints strongFirstRows = coursesWithSum(240, 12);
        for (auto &c : strongFirstRows)
            c[0] = c[1] = 15;
        QTest::newRow("rows 1, 2 doubled") << strongFirstRows << 0 << true << 333;
        QTest::newRow("rows 1, 2 not doubled") << strongFirstRows << 0 << false << 280;
        QTest::newRow("row 11 ignored with ten") << coursesWithSum(480, 12) << 0 << false << 400;
    }

    // "Zulassung" records every course, as whole and as float points, and
    // their Block I points.
    void blockOne()
    {
        QFETCH(CourseWholePoints, courses);
        QFETCH(int, extraSubjects);
        QFETCH(bool, doubling);
        QFETCH(int, points);
        EvaluationState state;
        state.extraSubjects = extraSubjects;
        state.doubleWeighting = doubling;
        recordCourses(courses, state);
        QCOMPARE(state.blockOnePoints, points);
        QCOMPARE(state.courseWholePoints, courses);
        for (int c = 0; c < kHalfYears; ++c)
            for (int row = 0; row < kSubjectRows; ++row)
                QCOMPARE(state.coursePoints[c][row], float(courses[c][row]));
    }

    void admission_data()
    {
        // Block I, a zero course, the under-five tally, the zero tally, extra subjects
        QTest::addColumn<AdmissionInput>("input");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("zeroTallyAfter");
        const QString admitted = "Du bist zugelassen.";
        const QString outside = "Du bist nicht zugelassen.";
        const QString zeroCourse = "Du bist ein oder mehrmals unter 0 Notenpunkte und bist damit nicht zum Abitur zugelassen.";
        const QString tooOften = "Du hast zu oft unter 05 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
        const QString zeroTally = "Du hast 0 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
        QTest::newRow("199") << AdmissionInput{199, false, 0, 0, 0} << outside << 0;
        QTest::newRow("200") << AdmissionInput{200, false, 0, 0, 0} << admitted << 0;
        QTest::newRow("600") << AdmissionInput{600, false, 0, 0, 0} << admitted << 0;
        QTest::newRow("601") << AdmissionInput{601, false, 0, 0, 0} << outside << 0;
        QTest::newRow("zero course beats window") << AdmissionInput{400, true, 0, 0, 0} << zeroCourse << 0;
        QTest::newRow("7 under five, ten") << AdmissionInput{400, false, 7, 0, 0} << admitted << 0;
        QTest::newRow("8 under five, ten") << AdmissionInput{400, false, 8, 0, 0} << tooOften << 0;
        QTest::newRow("9 under five, twelve") << AdmissionInput{400, false, 9, 0, 2} << admitted << 0;
        QTest::newRow("10 under five, twelve") << AdmissionInput{400, false, 10, 0, 2} << tooOften << 0;
        QTest::newRow("too often beats zero course") << AdmissionInput{150, true, 9, 0, 1} << tooOften << 0;
        QTest::newRow("zero tally beats all") << AdmissionInput{150, true, 8, -1, 0} << zeroTally << -1;
        QTest::newRow("tally cleared below limit") << AdmissionInput{400, true, 6, -2, 0} << zeroTally << 0;
        QTest::newRow("tally kept at limit") << AdmissionInput{400, true, 7, -2, 0} << zeroTally << -2;
        QTest::newRow("tally cleared, eleven") << AdmissionInput{400, true, 7, -2, 1} << zeroTally << 0;
    }

    void admission()
    {
        QFETCH(AdmissionInput, input);
        QFETCH(QString, sentence);
        QFETCH(int, zeroTallyAfter);
        const Admission verdict = admissionVerdict(input);
        QCOMPARE(admissionSentence(verdict), sentence);
        QCOMPARE(zeroTallyAfterAdmission(input), zeroTallyAfter);
    }

    void examinations_data()
    {
        QTest::addColumn<ExamPoints>("exams");
        QTest::addColumn<int>("blockTwo");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<bool>("zeroExam");
        QTest::newRow("all 5") << ExamPoints{5, 5, 5, 5, 5} << 100 << true << false;
        QTest::newRow("all 15") << ExamPoints{15, 15, 15, 15, 15} << 300 << true << false;
        QTest::newRow("sum 24") << ExamPoints{5, 5, 4, 5, 5} << 96 << false << false;
        QTest::newRow("a 0 among 15s") << ExamPoints{15, 15, 15, 0, 15} << 240 << false << true;
        QTest::newRow("oral at 0") << ExamPoints{15, 15, 15, 15, 0} << 240 << false << true;
        QTest::newRow("weakest three 14") << ExamPoints{11, 15, 2, 15, 1} << 176 << false << false;
        QTest::newRow("weakest three 15") << ExamPoints{15, 5, 15, 5, 5} << 180 << true << false;
        QTest::newRow("a 1 among 15s passes") << ExamPoints{15, 15, 15, 1, 15} << 244 << true << false;
        QTest::newRow("example") << ExamPoints{12, 13, 8, 11, 10} << 216 << true << false;
        QTest::newRow("all 0") << ExamPoints{} << 0 << false << true;
    }

    void examinations()
    {
        QFETCH(ExamPoints, exams);
        QFETCH(int, blockTwo);
        QFETCH(bool, passed);
        QFETCH(bool, zeroExam);
        EvaluationState state;
        recordExaminations(exams, state);
        QCOMPARE(state.blockTwoPoints, blockTwo);
        QCOMPARE(examinationsPassed(exams), passed);
        QCOMPARE(examinationVerdictText(passed), passed ? QString("bestanden") : QString("nicht bestanden!"));
        QCOMPARE(hasZeroExamination(exams), zeroExam);
    }

    void overall_data()
    {
        // Block I, Block II, a zero course, a zero examination
        QTest::addColumn<OverallInput>("input");
        QTest::addColumn<QString>("result");
        const QString failed = "Sie haben die Abiturprüfungen  nicht bestanden.";
        const QString first = "Sie haben den ersten Block nicht bestanden und erhalten deshalb kein Abitur.";
        const QString second = "Sie haben den zweiten Block nicht bestanden und erhalten deshalb kein Abitur.";
        const QString neither = "Sie haben keinen Block bestanden und erhalten deshalb kein Abitur.";
        QTest::newRow("example") << OverallInput{424, 216, false, false} << "2,1";
        QTest::newRow("300 at the edges") << OverallInput{200, 100, false, false} << "4,0";
        QTest::newRow("best") << OverallInput{600, 300, false, false} << "1,0";
        QTest::newRow("block one 199") << OverallInput{199, 300, false, false} << failed;
        QTest::newRow("block two 96") << OverallInput{600, 96, false, false} << failed;
        QTest::newRow("total 299") << OverallInput{203, 96, false, false} << failed;
        QTest::newRow("zero course beats the grade") << OverallInput{500, 200, true, false} << first;
        QTest::newRow("zero exam beats the grade") << OverallInput{500, 200, false, true} << second;
        QTest::newRow("zero exam beats failed") << OverallInput{100, 0, false, true} << second;
        QTest::newRow("both zero") << OverallInput{500, 200, true, true} << neither;
        QTest::newRow("start: nothing recorded") << OverallInput{0, 0, true, true} << neither;
    }

    // From the inputs and from the record the checks leave behind.
    void overall()
    {
        QFETCH(OverallInput, input);
        QFETCH(QString, result);
        QCOMPARE(overallResult(input), result);
        EvaluationState state;
        state.blockOnePoints = input.blockOnePoints;
        state.blockTwoPoints = input.blockTwoPoints;
        for (auto &column : state.coursePoints)
            column.fill(9);
        state.coursePoints[3][9] = input.zeroCourse ? 0 : 9;
        state.coursePoints[2][10] = 0;  // row 11 has no say
        state.examPoints = {9, 9, 9, 9, input.zeroExam ? 0 : 9};
        QCOMPARE(overallResult(state), result);
    }

    void gradeAgreesWithThePublishedTable()
    {
        for (int total = 290; total <= 900; ++total)
            QCOMPARE(gradeText(total), publishedGrade(total));
    }

    void exampleRows_data()
    {
        QTest::addColumn<int>("extraSubjects");
        QTest::addColumn<int>("eleventhSubject");
        QTest::addColumn<int>("rows");
        QTest::newRow("ten") << 0 << 0 << 10;
        QTest::newRow("after 11. Fach") << 1 << 1 << 11;
        QTest::newRow("after 12. Fach") << 2 << 1 << 12;
        QTest::newRow("11. Fach pressed once") << 0 << 1 << 11;
        QTest::newRow("eleven without the flag") << 1 << 0 << 11;
    }

    void exampleRows()
    {
        QFETCH(int, extraSubjects);
        QFETCH(int, eleventhSubject);
        QFETCH(int, rows);
        EvaluationState state;
        state.extraSubjects = extraSubjects;
        state.eleventhSubject = eleventhSubject;
        QCOMPARE(grading::exampleRows(state), rows);
    }

    void oralReexamination_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("oral");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0/0") << 0 << 0 << "0";
        QTest::newRow("10/5") << 10 << 5 << "8.33333";
        QTest::newRow("6/5") << 6 << 5 << "5.66667";
        QTest::newRow("0/1") << 0 << 1 << "0.333333";
        QTest::newRow("14/15 not rounded") << 14 << 15 << "14.3333";
    }

    void oralReexamination()
    {
        QFETCH(int, written);
        QFETCH(int, oral);
        QFETCH(QString, shown);
        QCOMPARE(oralReexaminationPoints(written, oral), shown);
    }
};

QTEST_APPLESS_MAIN(GradingTest)
#include "tst_grading.moc"
