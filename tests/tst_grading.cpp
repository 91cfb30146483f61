// The grading rules without any widget: averages, lists of weak courses,
// Block I and admission, the examinations and the overall result.
#include "evaluation/grading.h"

#include <QTest>

using namespace grading;

Q_DECLARE_METATYPE(ColumnPoints)
Q_DECLARE_METATYPE(ExamPoints)
Q_DECLARE_METATYPE(CourseWholePoints)

namespace {

// Rows 1-10 at `points`, rows 11 and 12 at `extra`, then single changes.
ColumnPoints column(float points, float extra = 0, std::initializer_list<std::pair<int, float>> changes = {})
{
    ColumnPoints c;
    c.fill(points);
    c[10] = c[11] = extra;
    for (auto [row, value] : changes)
        c[row - 1] = value;
    return c;
}

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
    void averages_data();
    void averages();
    void listing_data();
    void listing();
    void blockOne_data();
    void blockOne();
    void admission_data();
    void admission();
    void examinations_data();
    void examinations();
    void overall_data();
    void overall();
    void gradeAgreesWithThePublishedTable();
};

void GradingTest::averages_data()
{
    QTest::addColumn<ColumnPoints>("points");
    QTest::addColumn<int>("extraSubjects");
    QTest::addColumn<QString>("shown");
    QTest::newRow("83 over 10") << column(8, 0, {{1, 10}, {2, 9}}) << 0 << "8.3";
    QTest::newRow("70 over 10") << column(7) << 0 << "7";
    QTest::newRow("zero") << column(0) << 0 << "0";
    QTest::newRow("rows 11, 12 not in force") << column(10, 0) << 0 << "10";
    QTest::newRow("105 over 11") << column(10, 5) << 1 << "9.54545";
    QTest::newRow("100 over 12") << column(8, 10) << 2 << "8.33333";
    QTest::newRow("all 15, twelve") << column(15, 15) << 2 << "15";
}

void GradingTest::averages()
{
    QFETCH(ColumnPoints, points);
    QFETCH(int, extraSubjects);
    QFETCH(QString, shown);
    QCOMPARE(formatNumber(halfYearAverage(points, extraSubjects)), shown);
}

void GradingTest::listing_data()
{
    QTest::addColumn<ColumnPoints>("points");
    QTest::addColumn<int>("extraSubjects");
    QTest::addColumn<bool>("rowOneLast");
    QTest::addColumn<QStringList>("lines");

    QStringList zeros, underFive;
    for (int row = 1; row <= 10; ++row) {
        zeros << QString("0 NP im %1. Fach").arg(row);
        underFive << QString("unter 05 NP im %1. Fach").arg(row);
    }
    QTest::newRow("all 0") << column(0) << 0 << false << zeros;
    QTest::newRow("all 15") << column(15) << 0 << false << QStringList{"bestanden"};
    QTest::newRow("one row passes") << column(0, 0, {{1, 5}}) << 0 << false << QStringList{"bestanden"} + zeros.mid(1);
    QTest::newRow("all 4") << column(4) << 0 << false << underFive;
    QTest::newRow("4 listed, 5 not, 0 once")
        << column(9, 0, {{2, 4}, {3, 5}, {7, 0}}) << 0 << false
        << QStringList{"bestanden", "unter 05 NP im 2. Fach", "0 NP im 7. Fach"};
    QTest::newRow("row 11 not in force") << column(9, 0) << 0 << false << QStringList{"bestanden"};
    QTest::newRow("rows 11, 12 in force")
        << column(9, 3) << 2 << false << QStringList{"bestanden", "unter 05 NP im 11. Fach", "unter 05 NP im 12. Fach"};
    QTest::newRow("row 12 not with eleven")
        << column(9, 0) << 1 << false << QStringList{"bestanden", "0 NP im 11. Fach"};
    QTest::newRow("rows 11, 12 never pass") << column(0, 15, {{1, 4}}) << 2 << false
                                            << QStringList{"unter 05 NP im 1. Fach"} + zeros.mid(1);
    QTest::newRow("third column: row 1 last")
        << column(9, 2, {{1, 3}, {2, 3}}) << 1 << true
        << QStringList{"bestanden", "unter 05 NP im 2. Fach", "unter 05 NP im 1. Fach", "unter 05 NP im 11. Fach"};
}

void GradingTest::listing()
{
    QFETCH(ColumnPoints, points);
    QFETCH(int, extraSubjects);
    QFETCH(bool, rowOneLast);
    QFETCH(QStringList, lines);
    QStringList actual;
    for (const ListLine &line : halfYearListing(points, extraSubjects, rowOneLast)) {
        actual << listLineText(line);
        QCOMPARE(line.kind == ListLine::Passed, actual.last() == "bestanden");
    }
    QCOMPARE(actual, lines);
}

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

void GradingTest::examinations_data()
{
    QTest::addColumn<ExamPoints>("exams");
    QTest::addColumn<int>("blockTwo");
    QTest::addColumn<bool>("passed");
    QTest::newRow("all 5") << ExamPoints{5, 5, 5, 5, 5} << 100 << true;
    QTest::newRow("all 15") << ExamPoints{15, 15, 15, 15, 15} << 300 << true;
    QTest::newRow("sum 24") << ExamPoints{5, 5, 4, 5, 5} << 96 << false;
    QTest::newRow("one zero") << ExamPoints{15, 15, 15, 0, 15} << 240 << false;
    QTest::newRow("oral zero") << ExamPoints{15, 15, 15, 15, 0} << 240 << false;
    QTest::newRow("weakest three 14") << ExamPoints{5, 15, 4, 15, 5} << 176 << false;
    QTest::newRow("weakest three 15") << ExamPoints{15, 5, 5, 15, 5} << 180 << true;
    QTest::newRow("example") << ExamPoints{12, 13, 8, 11, 10} << 216 << true;
    QTest::newRow("nothing entered") << ExamPoints{0, 0, 0, 0, 0} << 0 << false;
}

void GradingTest::examinations()
{
    QFETCH(ExamPoints, exams);
    QFETCH(int, blockTwo);
    QFETCH(bool, passed);
    QCOMPARE(blockTwoPoints(exams), blockTwo);
    QCOMPARE(examinationsPassed(exams), passed);
}

void GradingTest::overall_data()
{
    QTest::addColumn<int>("blockOne");
    QTest::addColumn<int>("blockTwo");
    QTest::addColumn<bool>("zeroCourse");
    QTest::addColumn<bool>("zeroExam");
    QTest::addColumn<QString>("shown");
    const QString failed = "Sie haben die Abiturprüfungen  nicht bestanden.";
    const QString first = "Sie haben den ersten Block nicht bestanden und erhalten deshalb kein Abitur.";
    const QString second = "Sie haben den zweiten Block nicht bestanden und erhalten deshalb kein Abitur.";
    const QString none = "Sie haben keinen Block bestanden und erhalten deshalb kein Abitur.";
    QTest::newRow("after start") << 0 << 0 << true << true << none;
    QTest::newRow("616") << 400 << 216 << false << false << "2,2";
    QTest::newRow("example") << 424 << 216 << false << false << "2,1";
    QTest::newRow("300") << 200 << 100 << false << false << "4,0";
    QTest::newRow("824") << 600 << 224 << false << false << "1,0";
    QTest::newRow("820") << 600 << 220 << false << false << "1,1";
    QTest::newRow("900") << 600 << 300 << false << false << "1,0";
    QTest::newRow("block I under 200") << 160 << 240 << false << false << failed;
    QTest::newRow("block II under 100") << 500 << 96 << false << false << failed;
    QTest::newRow("296") << 200 << 96 << false << false << failed;
    QTest::newRow("zero course") << 500 << 200 << true << false << first;
    QTest::newRow("zero course beats total") << 100 << 40 << true << false << first;
    QTest::newRow("zero exam") << 500 << 200 << false << true << second;
    QTest::newRow("both zeros") << 500 << 200 << true << true << none;
}

void GradingTest::overall()
{
    QFETCH(int, blockOne);
    QFETCH(int, blockTwo);
    QFETCH(bool, zeroCourse);
    QFETCH(bool, zeroExam);
    QFETCH(QString, shown);
    QCOMPARE(overallResult({blockOne, blockTwo, zeroCourse, zeroExam}), shown);
}

// The official conversion as published: the lowest total of each grade.
void GradingTest::gradeAgreesWithThePublishedTable()
{
    const std::pair<int, const char *> lowestTotal[] = {
        {823, "1,0"}, {805, "1,1"}, {787, "1,2"}, {769, "1,3"}, {751, "1,4"}, {733, "1,5"}, {715, "1,6"},
        {697, "1,7"}, {679, "1,8"}, {661, "1,9"}, {643, "2,0"}, {625, "2,1"}, {607, "2,2"}, {589, "2,3"},
        {571, "2,4"}, {553, "2,5"}, {535, "2,6"}, {517, "2,7"}, {499, "2,8"}, {481, "2,9"}, {463, "3,0"},
        {445, "3,1"}, {427, "3,2"}, {409, "3,3"}, {391, "3,4"}, {373, "3,5"}, {355, "3,6"}, {337, "3,7"},
        {319, "3,8"}, {301, "3,9"}, {300, "4,0"},
    };
    int band = 0;
    for (int total = 900; total >= 300; --total) {
        if (total < lowestTotal[band].first)
            ++band;
        QCOMPARE(gradeText(total), QString::fromLatin1(lowestTotal[band].second));
    }
    QVERIFY(gradeText(299).isEmpty());
}

QTEST_APPLESS_MAIN(GradingTest)
#include "tst_grading.moc"
