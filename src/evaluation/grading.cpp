#include "grading.h"

#include "numberformat.h"

#include <algorithm>
#include <numeric>

namespace grading {

namespace {

// Highest number of courses under 5 points that still admits, by
// extraSubjects (ten, eleven, twelve subjects).
constexpr int kUnderFiveLimit[] = {7, 8, 9};

// Fach 1 and Fach 2 are the rows that "doppelt wichten" counts twice.
constexpr int kDoubledRows = 2;

// The third half-year lists row 1 after row 10.
constexpr int kRowOneLastHalfYear = 2;

int clampedExtraSubjects(int extraSubjects)
{
    return std::clamp(extraSubjects, 0, 2);
}

}  // namespace

int rowsInForce(int extraSubjects)
{
    return kCompulsoryRows + clampedExtraSubjects(extraSubjects);
}

double halfYearAverage(const ColumnPoints &column, int extraSubjects)
{
    const int rows = rowsInForce(extraSubjects);
    const float sum = std::accumulate(column.begin(), column.begin() + rows, 0.0f);
    return sum / double(rows);
}

std::vector<ListLine> halfYearListing(const ColumnPoints &column, int extraSubjects, int halfYear)
{
    std::vector<ListLine> lines;
    // Rows 11 and 12 never make a half-year "bestanden".
    if (std::any_of(column.begin(), column.begin() + kCompulsoryRows, [](float p) { return p > 4; }))
        lines.push_back({ListLine::Passed});

    std::vector<int> order(rowsInForce(extraSubjects));
    std::iota(order.begin(), order.end(), 1);
    if (halfYear == kRowOneLastHalfYear)
        std::rotate(order.begin(), order.begin() + 1, order.begin() + kCompulsoryRows);

    for (int row : order) {
        const float points = column[row - 1];
        if (points == 0)
            lines.push_back({ListLine::ZeroPoints, row});
        else if (points < 5)
            lines.push_back({ListLine::UnderFive, row});
    }
    return lines;
}

std::string listLineText(const ListLine &line)
{
    switch (line.kind) {
    case ListLine::Passed:
        return "bestanden";
    case ListLine::ZeroPoints:
        return "0 NP im " + std::to_string(line.row) + ". Fach";
    case ListLine::UnderFive:
        return "unter 05 NP im " + std::to_string(line.row) + ". Fach";
    }
    return {};
}

void countIntoTallies(const std::vector<ListLine> &lines, EvaluationState &state)
{
    for (const ListLine &line : lines) {
        if (line.kind == ListLine::ZeroPoints)
            --state.zeroTally;
        else if (line.kind == ListLine::UnderFive)
            ++state.underFiveTally;
    }
}

void clearTallies(EvaluationState &state)
{
    state.zeroTally = 0;
    state.underFiveTally = 0;
}

int blockOnePoints(const CourseWholePoints &courses, int extraSubjects, bool doubleWeighting)
{
    const int rows = rowsInForce(extraSubjects);
    int sum = 0;
    int counted = 0;
    for (const auto &column : courses) {
        for (int row = 0; row < rows; ++row) {
            const int weight = doubleWeighting && row < kDoubledRows ? 2 : 1;
            sum += weight * column[row];
            counted += weight;
        }
    }
    // 40 * sum / counted, rounded half up, in whole numbers.
    return (80 * sum + counted) / (2 * counted);
}

void recordCourses(const CourseWholePoints &courses, EvaluationState &state)
{
    state.courseWholePoints = courses;
    auto column = state.coursePoints.begin();
    for (const auto &wholePoints : courses)
        std::copy(wholePoints.begin(), wholePoints.end(), (column++)->begin());
    state.blockOnePoints = blockOnePoints(courses, state.extraSubjects, state.doubleWeighting != 0);
}

Admission admissionVerdict(const AdmissionInput &input)
{
    Admission verdict = input.blockOnePoints >= 200 && input.blockOnePoints <= 600
                            ? Admission::Admitted
                            : Admission::OutOfWindow;
    if (input.zeroCourse)
        verdict = Admission::ZeroCourse;
    if (input.underFiveTally > kUnderFiveLimit[clampedExtraSubjects(input.extraSubjects)])
        verdict = Admission::TooManyUnderFive;
    if (input.zeroTally < 0)
        verdict = Admission::ZeroTally;
    return verdict;
}

std::string admissionSentence(Admission verdict)
{
    switch (verdict) {
    case Admission::Admitted:
        return "Du bist zugelassen.";
    case Admission::OutOfWindow:
        return "Du bist nicht zugelassen.";
    case Admission::ZeroCourse:
        return "Du bist ein oder mehrmals unter 0 Notenpunkte und bist damit nicht zum Abitur zugelassen.";
    case Admission::TooManyUnderFive:
        return "Du hast zu oft unter 05 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
    case Admission::ZeroTally:
        return "Du hast 0 Notenpunkte erzielt und wirst damit nicht zum Abitur zugelassen.";
    }
    return {};
}

int zeroTallyAfterAdmission(const AdmissionInput &input)
{
    const int limit = kUnderFiveLimit[clampedExtraSubjects(input.extraSubjects)];
    return input.underFiveTally < limit ? 0 : input.zeroTally;
}

bool hasZeroCourse(const CoursePoints &courses)
{
    return std::any_of(courses.begin(), courses.end(), [](const ColumnPoints &column) {
        return std::any_of(column.begin(), column.begin() + kCompulsoryRows, [](float p) { return p == 0; });
    });
}

Admission admit(EvaluationState &state)
{
    const AdmissionInput input{state.blockOnePoints, hasZeroCourse(state.coursePoints), state.underFiveTally,
                               state.zeroTally, state.extraSubjects};
    state.zeroTally = zeroTallyAfterAdmission(input);
    return admissionVerdict(input);
}

int blockTwoPoints(const ExamPoints &exams)
{
    return 4 * std::accumulate(exams.begin(), exams.end(), 0);
}

bool examinationsPassed(const ExamPoints &exams)
{
    ExamPoints sorted = exams;
    std::sort(sorted.begin(), sorted.end());
    const int weakestThree = sorted[0] + sorted[1] + sorted[2];
    return blockTwoPoints(exams) >= 100 && sorted[0] > 0 && weakestThree >= 15;
}

std::string examinationVerdictText(bool passed)
{
    return passed ? "bestanden" : "nicht bestanden!";
}

void recordExaminations(const ExamPoints &exams, EvaluationState &state)
{
    state.examPoints = exams;
    state.blockTwoPoints = blockTwoPoints(exams);
}

bool hasZeroExamination(const ExamPoints &exams)
{
    return std::find(exams.begin(), exams.end(), 0) != exams.end();
}

std::string gradeText(int total)
{
    if (total < 300)
        return {};
    // N = 17/3 - T/180, cut to one decimal: ten times N is (1020 - T) / 18.
    const int tenths = std::max(10, (1020 - total) / 18);
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

std::string overallResult(const OverallInput &input)
{
    const std::string failed("Sie haben die Abiturprüfungen  nicht bestanden.");
    const int total = input.blockOnePoints + input.blockTwoPoints;
    std::string result = gradeText(total);
    if (total < 300 || input.blockOnePoints < 200 || input.blockTwoPoints < 100)
        result = failed;
    if (input.zeroCourse)
        result = "Sie haben den ersten Block nicht bestanden und erhalten deshalb kein Abitur.";
    if (input.zeroExam)
        result = "Sie haben den zweiten Block nicht bestanden und erhalten deshalb kein Abitur.";
    if (input.zeroCourse && input.zeroExam)
        result = "Sie haben keinen Block bestanden und erhalten deshalb kein Abitur.";
    return result;
}

std::string overallResult(const EvaluationState &state)
{
    return overallResult(OverallInput{state.blockOnePoints, state.blockTwoPoints, hasZeroCourse(state.coursePoints),
                                      hasZeroExamination(state.examPoints)});
}

int exampleRows(const EvaluationState &state)
{
    if (state.extraSubjects == 2)
        return kSubjectRows;
    if (state.extraSubjects == 1 || state.eleventhSubject == 1)
        return kCompulsoryRows + 1;
    return kCompulsoryRows;
}

std::string oralReexaminationPoints(int writtenPoints, int reexaminationPoints)
{
    return formatNumber((2 * writtenPoints + reexaminationPoints) / 3.0);
}

}  // namespace grading
