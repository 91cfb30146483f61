#pragma once

#include "evaluation/evaluationstate.h"

#include <QString>

#include <vector>

// The grading rules, as plain functions of plain values. The main dialog's
// handlers read the spin boxes, call these and write the results back.
namespace grading {

// Averages and computed points are shown with at most six significant
// digits and "." as decimal separator: 8.3, 8.33333, 7.
QString formatNumber(double value);

// Rows in force: 10, 11 or 12.
int rowsInForce(int extraSubjects);

// ---- Half-year check -------------------------------------------------------

// Average of the rows in force of one half-year column.
double halfYearAverage(const ColumnPoints &column, int extraSubjects);

// One line of a half-year's list of weak courses.
struct ListLine {
    enum Kind { Passed, ZeroPoints, UnderFive };
    Kind kind;
    int row;  // 1..12; unused for Passed
    bool operator==(const ListLine &other) const { return kind == other.kind && row == other.row; }
};

// The lines one "Prüfen" press appends, in order: "bestanden" when one of
// rows 1-10 holds more than 4 points, then one line per course in force at
// 0 or under 5 points. The third column lists row 1 after row 10.
std::vector<ListLine> halfYearListing(const ColumnPoints &column, int extraSubjects, bool rowOneLast);
QString listLineText(const ListLine &line);

// ---- Admission -------------------------------------------------------------

// Block I: all courses in force, rows 1 and 2 counted twice when doubling,
// normalised to 40 courses and rounded half up; 200 to 600.
int blockOnePoints(const CourseWholePoints &courses, int extraSubjects, bool doubleWeighting);

enum class Admission { Admitted, OutOfWindow, ZeroCourse, TooManyUnderFive, ZeroTally };

struct AdmissionInput {
    int blockOnePoints;
    bool zeroCourse;  // a course of rows 1-10 holds 0 points
    int underFiveTally;
    int zeroTally;
    int extraSubjects;
};

// The verdict shown: each later test overrides an earlier one.
Admission admissionVerdict(const AdmissionInput &input);
QString admissionSentence(Admission verdict);

// The zero tally after the admission check: cleared while the under-5
// tally stays below its limit.
int zeroTallyAfterAdmission(const AdmissionInput &input);

// Any of the forty courses of rows 1-10 at exactly 0 points.
bool hasZeroCourse(const CoursePoints &courses);

// ---- Examinations ----------------------------------------------------------

int blockTwoPoints(const ExamPoints &exams);
bool examinationsPassed(const ExamPoints &exams);

// ---- Overall result --------------------------------------------------------

// "1,0" .. "4,0" for totals 300 to 900; empty below 300.
QString gradeText(int total);

struct OverallInput {
    int blockOnePoints;
    int blockTwoPoints;
    bool zeroCourse;  // rows 1-10 of the recorded courses
    bool zeroExam;    // one of the five examination components at 0
};

// The grade, or the sentence that says why the Abitur is not obtained.
QString overallResult(const OverallInput &input);

}  // namespace grading
