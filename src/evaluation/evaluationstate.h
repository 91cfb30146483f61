#pragma once

#include <array>

// Number of subject rows of the course grid ("Fach 1" .. "Fach12"), of
// half-year columns ("1. KHJ" .. "4. KHJ") and of examination components
// (examination subjects 1 to 4, then the oral examination).
constexpr int kSubjectRows = 12;
constexpr int kHalfYears = 4;
constexpr int kExamComponents = 5;

// Rows 1 to 10 are always in force; rows 11 and 12 only when switched on.
constexpr int kCompulsoryRows = 10;

using ColumnPoints = std::array<float, kSubjectRows>;
using CoursePoints = std::array<ColumnPoints, kHalfYears>;
using CourseWholePoints = std::array<std::array<int, kSubjectRows>, kHalfYears>;
using ExamPoints = std::array<int, kExamComponents>;

// What one button handler records and a later one reads. Handlers copy the
// points from the spin boxes when they run, so the record holds the points
// as they stood when the recording check last ran, not as they stand now.
struct EvaluationState {
    // Mode flags of the form commands.
    int extraSubjects = 0;    // 0: rows 1-10 in force, 1: rows 1-11, 2: rows 1-12
    int eleventhSubject = 0;  // 1 once "11. Fach" was pressed
    int doubleWeighting = 0;  // 1: rows 1 and 2 count twice in Block I

    // Tallies of listed courses since the last "Leeren" / "Zurücksetzen".
    int zeroTally = 0;        // lowered by one per course listed with 0 points
    int underFiveTally = 0;   // raised by one per course listed with 1-4 points

    // Recorded points; survive "Zurücksetzen" so that "Berechnen" still
    // shows the last result.
    CoursePoints coursePoints{};          // per half-year and row
    CourseWholePoints courseWholePoints{};  // the same, as read by "Zulassung"
    int blockOnePoints = 0;
    ExamPoints examPoints{};
    int blockTwoPoints = 0;
};
