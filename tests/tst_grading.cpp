// The grading rules at their edges, without any widget: Block I with and
// without doubling, the order of the admission verdicts, and the grade for
// every total. The random sessions check the rest through the dialog.
#include "evaluation/grading.h"
#include "publishedgrades.h"

#include <QTest>

using namespace grading;

Q_DECLARE_METATYPE(CourseWholePoints)

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

}  // namespace

class GradingTest : public QObject
{
    Q_OBJECT

private slots:
    void blockOne_data();
    void blockOne();
    void admission_data();
    void admission();
    void gradeAgreesWithThePublishedTable();
};

void GradingTest::blockOne_data()
{
    QTest::addColumn<CourseWholePoints>("courses");
    QTest::addColumn<int>("extraSubjects");
    QTest::addColumn<bool>("doubling");
    QTest::addColumn<int>("points");
    QTest::newRow("199 over 40") << coursesWithSum(199, 10) << 0 << false << 199;
    QTest::newRow("all 5") << coursesWithSum(200, 10) << 0 << false << 200;
    QTest::newRow("239 over 40") << coursesWithSum(239, 10) << 0 << false << 239;
    QTest::newRow("399 over 40") << coursesWithSum(399, 10) << 0 << false << 399;
    QTest::newRow("example") << coursesWithSum(424, 10) << 0 << false << 424;
    QTest::newRow("all 15") << coursesWithSum(600, 10) << 0 << false << 600;
    QTest::newRow("all 15, eleven") << coursesWithSum(660, 11) << 1 << false << 600;
    QTest::newRow("290 over 48 rounds up") << coursesWithSum(290, 12) << 2 << false << 242;
    QTest::newRow("291 over 48: .5 up") << coursesWithSum(291, 12) << 2 << false << 243;
    QTest::newRow("292 over 48 rounds down") << coursesWithSum(292, 12) << 2 << false << 243;
    CourseWholePoints all15 = coursesWithSum(720, 12);
    QTest::newRow("all 15, doubling") << all15 << 0 << true << 600;
    QTest::newRow("all 15, doubling, eleven") << all15 << 1 << true << 600;
    QTest::newRow("all 15, doubling, twelve") << all15 << 2 << true << 600;
    CourseWholePoints strongFirstRows = coursesWithSum(240, 12);
    for (auto &c : strongFirstRows)
        c[0] = c[1] = 15;
    QTest::newRow("rows 1, 2 doubled") << strongFirstRows << 0 << true << 333;
    QTest::newRow("rows 1, 2 not doubled") << strongFirstRows << 0 << false << 280;
    QTest::newRow("row 11 ignored with ten") << coursesWithSum(480, 12) << 0 << false << 400;
}

void GradingTest::blockOne()
{
    QFETCH(CourseWholePoints, courses);
    QFETCH(int, extraSubjects);
    QFETCH(bool, doubling);
    QFETCH(int, points);
    QCOMPARE(blockOnePoints(courses, extraSubjects, doubling), points);
}

void GradingTest::admission_data()
{
    QTest::addColumn<int>("blockOne");
    QTest::addColumn<bool>("zeroCourse");
    QTest::addColumn<int>("underFive");
    QTest::addColumn<int>("zeroTally");
    QTest::addColumn<int>("extraSubjects");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("zeroTallyAfter");
    const QString admitted = "Du bist zugelassen.";
    const QString outside = "Du bist nicht zugelassen.";
    const QString zeroCourse = "Du bist ein oder mehrmals unter 0 Notenpunkte und bist damit nicht zum Abitur zugelassen.";
    const QString tooOften = "Du hast zu oft unter 05 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
    const QString zeroTally = "Du hast 0 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
    QTest::newRow("199") << 199 << false << 0 << 0 << 0 << outside << 0;
    QTest::newRow("200") << 200 << false << 0 << 0 << 0 << admitted << 0;
    QTest::newRow("600") << 600 << false << 0 << 0 << 0 << admitted << 0;
    QTest::newRow("zero course beats window") << 400 << true << 0 << 0 << 0 << zeroCourse << 0;
    QTest::newRow("7 under five, ten") << 400 << false << 7 << 0 << 0 << admitted << 0;
    QTest::newRow("8 under five, ten") << 400 << false << 8 << 0 << 0 << tooOften << 0;
    QTest::newRow("9 under five, twelve") << 400 << false << 9 << 0 << 2 << admitted << 0;
    QTest::newRow("10 under five, twelve") << 400 << false << 10 << 0 << 2 << tooOften << 0;
    QTest::newRow("too often beats zero course") << 150 << true << 9 << 0 << 1 << tooOften << 0;
    QTest::newRow("zero tally beats all") << 150 << true << 8 << -1 << 0 << zeroTally << -1;
    QTest::newRow("tally cleared below limit") << 400 << true << 6 << -2 << 0 << zeroTally << 0;
    QTest::newRow("tally kept at limit") << 400 << true << 7 << -2 << 0 << zeroTally << -2;
    QTest::newRow("tally cleared, eleven") << 400 << true << 7 << -2 << 1 << zeroTally << 0;
}

void GradingTest::admission()
{
    QFETCH(int, blockOne);
    QFETCH(bool, zeroCourse);
    QFETCH(int, underFive);
    QFETCH(int, zeroTally);
    QFETCH(int, extraSubjects);
    QFETCH(QString, sentence);
    QFETCH(int, zeroTallyAfter);
    const AdmissionInput input{blockOne, zeroCourse, underFive, zeroTally, extraSubjects};
    const Admission verdict = admissionVerdict(input);
    QCOMPARE(admissionSentence(verdict), sentence);
    QCOMPARE(verdict == Admission::Admitted, sentence == "Du bist zugelassen.");
    QCOMPARE(zeroTallyAfterAdmission(input), zeroTallyAfter);
}

void GradingTest::gradeAgreesWithThePublishedTable()
{
    for (int total = 290; total <= 900; ++total)
        QCOMPARE(gradeText(total), publishedGrade(total));
}

QTEST_APPLESS_MAIN(GradingTest)
#include "tst_grading.moc"
