#pragma once

#include "evaluationstate.h"

#include <string>

// The object names of the main form's repeated widgets, described once:
// the main dialog finds its widgets by these names, and the tests and
// tools that drive the form use the same table.
namespace mainform {

// One half-year column of the course grid and the widgets below it.
struct HalfYearColumn {
    const char *rows[kSubjectRows];  // points of "Fach 1" .. "Fach12"
    const char *list;                // weak courses
    const char *average;
    const char *check;               // "Prüfen"; for the fourth column "Zulassung"
    const char *unlocks;             // the check its own check enables: the steps go in order
};

inline constexpr HalfYearColumn kColumns[kHalfYears] = {
    {{"spinBox", "spinBox_2", "spinBox_3", "spinBox_4", "spinBox_5", "spinBox_6", "spinBox_7", "spinBox_8",
      "spinBox_9", "spinBox_10", "spinBox_44", "spinBox_50"},
     "textBrowser", "label_32", "pushButton_7", "pushButton_6"},
    {{"spinBox_12", "spinBox_13", "spinBox_14", "spinBox_15", "spinBox_16", "spinBox_17", "spinBox_18",
      "spinBox_19", "spinBox_20", "spinBox_21", "spinBox_33", "spinBox_51"},
     "textBrowser_2", "label_36", "pushButton_6", "pushButton_8"},
    {{"spinBox_23", "spinBox_24", "spinBox_25", "spinBox_26", "spinBox_27", "spinBox_28", "spinBox_29",
      "spinBox_30", "spinBox_31", "spinBox_32", "spinBox_22", "spinBox_52"},
     "textBrowser_3", "label_37", "pushButton_8", "pushButton_4"},
    {{"spinBox_34", "spinBox_35", "spinBox_36", "spinBox_37", "spinBox_38", "spinBox_39", "spinBox_40",
      "spinBox_41", "spinBox_42", "spinBox_43", "spinBox_11", "spinBox_53"},
     "textBrowser_4", "label_33", "pushButton_4", nullptr},
};

// Caption and subject choice of rows 1 to 12.
inline constexpr const char *kRowCaptions[kSubjectRows] = {
    "label", "label_2", "label_3", "label_4", "label_5", "label_6",
    "label_10", "label_11", "label_7", "label_8", "label_9", "label_18",
};
inline constexpr const char *kSubjectChoices[kSubjectRows] = {
    "comboBox_14", "comboBox_15", "comboBox_16", "comboBox", "comboBox_3", "comboBox_2",
    "comboBox_5", "comboBox_7", "comboBox_4", "comboBox_6", "comboBox_8", "comboBox_17",
};

// Rows 11 and 12 (indices), switched on by "11. Fach" and "12. Fach".
inline constexpr int kOptionalRows[] = {10, 11};

// Examination subjects 1 to 4, then the oral examination.
struct ExamRow {
    const char *points;
    const char *caption;
    const char *subject;
    const char *oralReexamination;  // "mdl."; none for the oral examination
};

inline constexpr ExamRow kExamRows[kExamComponents] = {
    {"spinBox_48", "label_23", "comboBox_9", "pushButton_17"},
    {"spinBox_47", "label_24", "comboBox_10", "pushButton_16"},
    {"spinBox_46", "label_25", "comboBox_11", "pushButton_14"},
    {"spinBox_49", "label_26", "comboBox_12", "pushButton_15"},
    {"spinBox_45", "label_27", "comboBox_13", nullptr},
};

// What a screen reader calls the fields and buttons whose captions alone
// repeat ("Prüfen", "mdl.") or which have no caption of their own. Every
// face names them so. `caption` is an examination row's caption.
std::string coursePointsName(int halfYear, int row);  // "Fach 1, 1. KHJ"
std::string weakCoursesName(int halfYear);            // "Kurse unter 05 NP, 1. KHJ"
std::string subjectChoiceName(int row);               // "Fach 1, Fachwahl"
std::string checkName(int halfYear);                  // "Prüfen, 1. KHJ"; not for "Zulassung"
std::string examPointsName(const std::string &caption);         // "Prüfungsfach 1, Punkte"
std::string examSubjectName(const std::string &caption);        // "Prüfungsfach 1, Fachwahl"
std::string oralReexaminationName(const std::string &caption);  // "Prüfungsfach 1, mündliche Nachprüfung"

}  // namespace mainform
