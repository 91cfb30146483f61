#pragma once

#include "evaluationstate.h"

// Points of the example candidate that "Beispiel " loads: one course under
// 5 points (row 9 of the third half-year) and examinations worth 216 points.
namespace examplecandidate {

// Per half-year column, rows 1 to 12.
constexpr int kCoursePoints[kHalfYears][kSubjectRows] = {
    {10, 8, 12, 9, 13, 10, 11, 14, 6, 13, 10, 8},
    {11, 7, 10, 11, 14, 9, 12, 15, 5, 12, 9, 9},
    {11, 8, 11, 12, 13, 7, 12, 15, 4, 13, 11, 8},
    {12, 8, 10, 11, 13, 9, 10, 14, 6, 13, 12, 8},
};

// Examination subjects 1 to 4, then the oral examination.
constexpr int kExamPoints[kExamComponents] = {12, 13, 8, 11, 10};

}  // namespace examplecandidate
