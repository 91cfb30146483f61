#pragma once

#include "evaluationstate.h"

#include <string>
#include <vector>

// The grading rules, as plain functions of plain values and of the record
// the handlers share. The main dialog's handlers read the spin boxes, call
// these and write the results back; nothing here knows a widget.
namespace grading {

// Rows in force: 10, 11 or 12.
int rowsInForce(int extraSubjects);

// ---- Half-year check -------------------------------------------------------

// Average of the rows in force of one half-year column.
double halfYearAverage(const ColumnPoints &column, int extraSubjects);

// One line of a half-year's list of weak courses.
struct ListLine {
    enum Kind { Passed, ZeroPoints, UnderFive };
    Kind kind;
    int row = 0;  // 1..12; unused for Passed
    bool operator==(const ListLine &other) const { return kind == other.kind && row == other.row; }
};

// The lines one check of half-year `halfYear` (0..3) appends, in order:
// "bestanden" when one of rows 1-10 holds more than 4 points, then one line
// per course in force at 0 or under 5 points. The third half-year lists
// row 1 after row 10.
std::vector<ListLine> halfYearListing(const ColumnPoints &column, int extraSubjects, int halfYear);
std::string listLineText(const ListLine &line);

// Counts listed courses into the record's tallies: each 0-point course
// lowers the zero tally by one, each 1-4-point course raises the under-5
// tally. Nothing is cleared, so a second check counts its courses again.
void countIntoTallies(const std::vector<ListLine> &lines, EvaluationState &state);

// "Leeren" and "Zurücksetzen" start both tallies afresh.
void clearTallies(EvaluationState &state);

// ---- Admission -------------------------------------------------------------

// Block I: all courses in force, rows 1 and 2 counted twice when doubling,
// normalised to 40 courses and rounded half up; 200 to 600.
int blockOnePoints(const CourseWholePoints &courses, int extraSubjects, bool doubleWeighting);

// Records all 48 courses as "Zulassung" reads them, and their Block I points.
void recordCourses(const CourseWholePoints &courses, EvaluationState &state);

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
std::string admissionSentence(Admission verdict);

// The zero tally after the admission check: cleared while the under-5
// tally stays below its limit.
int zeroTallyAfterAdmission(const AdmissionInput &input);

// Any of the forty courses of rows 1-10 at exactly 0 points.
bool hasZeroCourse(const CoursePoints &courses);

// The admission check on the record: the verdict, with the zero tally left
// as the check leaves it.
Admission admit(EvaluationState &state);

// ---- Examinations ----------------------------------------------------------

int blockTwoPoints(const ExamPoints &exams);
bool examinationsPassed(const ExamPoints &exams);
// "bestanden" or "nicht bestanden!"
std::string examinationVerdictText(bool passed);

// Records the examinations as "Abiturprüfung" reads them, and their Block II
// points.
void recordExaminations(const ExamPoints &exams, EvaluationState &state);

// One of the five examination components at 0 points.
bool hasZeroExamination(const ExamPoints &exams);

// ---- Overall result --------------------------------------------------------

// "1,0" .. "4,0" for totals 300 to 900; empty below 300.
std::string gradeText(int total);

struct OverallInput {
    int blockOnePoints;
    int blockTwoPoints;
    bool zeroCourse;  // rows 1-10 of the recorded courses
    bool zeroExam;    // one of the five examination components at 0
};

// The grade, or the sentence that says why the Abitur is not obtained.
std::string overallResult(const OverallInput &input);
// The same from what the checks recorded, as "Berechnen" shows it.
std::string overallResult(const EvaluationState &state);

// ---- Form commands ---------------------------------------------------------

// Rows that "Beispiel " fills: 10, 11 once "11. Fach" was pressed, 12 with
// twelve subjects.
int exampleRows(const EvaluationState &state);

// ---- Oral re-examination ---------------------------------------------------

// The new points of an examination subject after an oral re-examination:
// the written result counts twice, the oral one once, (2 w + r) / 3, not
// rounded ("8.33333" for 10 and 5). Rounding ("Bei n,5 wird aufgerundet.")
// is left to the student.
std::string oralReexaminationPoints(int writtenPoints, int reexaminationPoints);

}  // namespace grading
